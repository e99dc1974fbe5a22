#pragma once
// The question about a clash in a run of many items: the box's caption and
// text, with two more answers (keep both, cancel the rest of the run) and a
// box to tick for the same answer to the rest. Built only when asked.
#include <windows.h>

// question: はい, いいえ, 両方残す and キャンセル, else OK alone; offerRest:
// the box "the same answer for the rest" shown. Returns the id of the button
// (IDYES, IDNO, IDC_CLASH_KEEP_BOTH, IDCANCEL; IDOK), Esc and the close box
// counting as キャンセル (OK); *forRest tells whether the box was ticked.
// -1 when the dialog could not be shown.
int AskClash(const char* caption, const char* format, const wchar_t* first, const wchar_t* second,
             bool question, bool offerRest, bool* forRest);

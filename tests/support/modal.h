#pragma once
// Acting inside a modal loop: for a call that shows a dialog modally and
// returns only once the dialog has ended.
#include <windows.h>

// What RunModalWith returns when `during` left the dialog open.
const INT_PTR MODAL_LEFT_OPEN = -7;

// Calls show and, once window() reports the dialog, runs during(dialog) once
// inside its loop. The dialog still open after that (and after what `during`
// posted), or a second one that window() reports meanwhile, is ended with
// MODAL_LEFT_OPEN. Returns what show returns.
INT_PTR RunModalWith(INT_PTR (*show)(), HWND (*window)(), void (*during)(HWND dialog));

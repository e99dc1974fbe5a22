#pragma once
// Drives a modal dialog of this thread from inside its own message loop: no
// second thread, no waiting on time.
#include <windows.h>

#include <functional>

// Runs show (a call that opens a modal dialog and returns when it ends).
// Once the first top-level dialog-class window created during show is up and
// its loop idles, body gets it; a dialog body leaves open is then cancelled
// (WM_COMMAND IDCANCEL). Nestable: a body may drive a dialog its dialog
// opens. True when body ran.
bool DriveModal(const std::function<void()>& show, const std::function<void(HWND)>& body);

// What RunModalWith returns when `during` left the dialog open.
const INT_PTR MODAL_LEFT_OPEN = -7;

// Calls show and, once window() reports the dialog, runs during(dialog) once
// inside its loop. The dialog still open after that (and after what `during`
// posted), or a second one that window() reports meanwhile, is ended with
// MODAL_LEFT_OPEN. Returns what show returns.
INT_PTR RunModalWith(INT_PTR (*show)(), HWND (*window)(), void (*during)(HWND dialog));

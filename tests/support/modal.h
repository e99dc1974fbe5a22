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

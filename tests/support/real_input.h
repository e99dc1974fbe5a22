#pragma once
// Real mouse and keyboard input for the screen bed: xdotool, a Linux program,
// started through Wine (which runs Unix programs but gives no handle to wait
// on), so the shell reports its end through a file. Coordinates are screen
// pixels; the virtual desktop fills the X screen from its origin.
#include <windows.h>

#include <functional>
#include <string>

// Runs a shell command line on the Unix side; true when it exited with 0.
// output, if given, receives what it printed.
bool RunUnix(const std::string& command, std::string* output = nullptr);
// RunUnix of "xdotool <arguments>": the bed's display is in the environment.
bool XdoTool(const std::string& arguments, std::string* output = nullptr);
// The name of the X window that has the keyboard focus, in code page 932;
// Wine names a top-level window's X window by its caption. Keys go there: when
// that window's program has ended, they are lost, and Wine moves the focus to
// a newly active window a little after Windows counts it active.
std::string KeyboardFocusCaption();
// Its rectangle as the X server has it (screen coordinates).
RECT KeyboardFocusRect();
bool MouseClick(POINT at);
// Press at from and move to `to` in one motion; MouseRelease ends the drag.
// In Wine's virtual desktop a mouse event is read against where Wine has the
// window, the X server against where it has it: a move or a release while the
// two differ carries the window further than the mouse went. So: one motion,
// and release only once the X server shows the window where Wine has it.
bool MousePressAndMove(POINT from, POINT to);
bool MouseRelease();
bool MouseMove(POINT to);
// xdotool key names, space-separated ("Tab space Return", "alt+space").
bool PressKeys(const std::string& keys);
// Checks condition every few milliseconds until it holds or timeoutMs passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

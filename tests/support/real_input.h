#pragma once
// Real mouse and keyboard input for the screen bed: xdotool, a Linux program,
// started through Wine (which runs Unix programs but gives no handle to wait
// on), so it reports its end through a file. Coordinates are screen pixels;
// the virtual desktop fills the X screen from its origin.
#include <windows.h>

#include <functional>
#include <string>

// Runs "xdotool <arguments>" on the bed's display; true when it exited with 0.
// output, if given, receives what it printed.
bool XdoTool(const std::string& arguments, std::string* output = nullptr);
// The name of the X window that has the keyboard focus, in code page 932;
// Wine names a top-level window's X window by its caption. Keys go there: when
// that window's program has ended, they are lost, and Wine moves the focus to
// a newly active window a little after Windows counts it active.
std::string KeyboardFocusCaption();
bool MouseClick(POINT at);
// Press at from, one move to `to`, release. In one move: in Wine's virtual
// desktop a later move of a drag can be read against the window's new place
// and carry it further than the mouse went.
bool MouseDrag(POINT from, POINT to);
bool MouseMove(POINT to);
// xdotool key names, space-separated ("Tab space Return", "alt+space").
bool PressKeys(const std::string& keys);
// Checks condition every few milliseconds until it holds or timeoutMs passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

#pragma once
// A static text control turned into a hyperlink by subclassing: an underlined
// copy of its own font, blue text (red while hot), a hand cursor, and
// WM_NOTIFY messages to its parent for clicks, hovering and the mouse leaving.
//
// The control never lights up by itself: it turns hot only when the parent
// sends a hover notification back to it (and cold again with a leave one).
// A parent that reflects every code but LLN_CLICKED gets the full behaviour;
// one that reflects nothing gets a link that stays blue but still clicks.
#include <windows.h>

const UINT LLN_CLICKED = 1025;     // released over the control after a press on it
const UINT LLN_MOUSELEAVE = 1026;  // the leave timer found the cursor outside
const UINT LLN_MOUSEHOVER = 1027;  // a mouse move found the cursor inside

// What every notification carries. The header comes first, so a receiver can
// read it as an NMHDR. The extra words are the WM_MOUSEMOVE's wParam and
// lParam for LLN_MOUSEHOVER, zero otherwise. It lives on the sender's stack:
// valid only while the WM_NOTIFY is handled.
struct NMLINKLABEL {
    NMHDR hdr;
    WPARAM wParam;
    LPARAM lParam;
};

// Fails, leaving a plain static, when the control has no font of its own, when
// the font or cursor cannot be made, or when it is a link label already.
// Undone by the control's WM_DESTROY.
bool LinkLabelAttach(HWND control);
LRESULT CALLBACK LinkLabelWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Sends code to the control's parent as WM_NOTIFY, synchronously.
void LinkLabelNotifyParent(HWND control, UINT code, WPARAM wParam, LPARAM lParam);

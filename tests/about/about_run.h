#pragma once
// The real About box, run from a test and acted on inside its modal loop.
#include <windows.h>
#include <commctrl.h>

#include "about/about_box.h"
#include "support/modal.h"

inline const AboutBoxParams* g_aboutParams;

// Returns the box's end value (MODAL_LEFT_OPEN when `during` did not end it).
inline INT_PTR RunAboutWith(void (*during)(HWND box), const AboutBoxParams* params)
{
    InitCommonControls();  // as the program's entry does: the tooltip class
    g_aboutParams = params;
    return RunModalWith([]() { return RunAboutBox(nullptr, g_aboutParams); }, GetAboutBoxWindow,
                        during);
}

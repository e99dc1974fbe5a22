#include "about/about_box.h"

// Placeholder until the About box exists: shows nothing.
bool ShowAboutBox(HWND, const AboutBoxParams*)
{
    return true;
}

#pragma once
// The About box fitted to its texts.
#include <windows.h>

// Widens statics 101 to 103 to their texts and the box by the largest
// growth, then centres the OK button.
void AboutAutoSize(HWND dialog);

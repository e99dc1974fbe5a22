#pragma once
// Resource ids shared by the .rc files and the code.

#define IDI_NOBO 121

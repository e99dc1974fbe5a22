#pragma once
// The path of a module's file.
#include <windows.h>

// Into out (PATH_BUFFER_SIZE bytes), always terminated. False when there is
// none (the empty string) or it did not fit (cut).
bool GetModulePath(HMODULE module, char* out);

#pragma once
// The path of a module's file.
#include <windows.h>

// Into out (PATH_BUFFER_SIZE bytes). False, and the empty string, when there
// is none, when it is longer than a path buffer holds, or when it has no exact
// form in the ANSI code page: a cut or look-alike path names another file.
bool GetModulePath(HMODULE module, char* out);

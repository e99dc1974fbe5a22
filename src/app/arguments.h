#pragma once
// The move mode's arguments turned into the items to move.

// Existing items among the candidates, as the shell's full paths: a heap array
// of heap strings with a NULL after the last; NULL when out of memory.
wchar_t** ResolveArguments(int candidates, wchar_t** argv, int* resolved);
void FreeArgumentList(wchar_t** list, int count);
// The shell's canonical file-system path of a path, into PATH_BUFFER_SIZE units.
bool ShellResolvePath(wchar_t* out, const wchar_t* path);

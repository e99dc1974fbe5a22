#pragma once
// The move mode's arguments turned into the items to move.

// Existing items among the candidates, as the shell's full paths: a heap array
// of heap strings with a NULL after the last; NULL when out of memory.
char** ResolveArguments(int candidates, char** argv, int* resolved);
void FreeArgumentList(char** list, int count);
// The shell's canonical file-system path of a path, into PATH_BUFFER_SIZE bytes.
bool ShellResolvePath(char* out, const char* path);

#pragma once
// The two run modes and the per-item move up one level.

enum {
    RUNMODE_MOVE = 1,   // paths given: move each up one level
    RUNMODE_SETUP = 2,  // no paths: the association dialog
};

enum {
    OPTF_OPEN = 2,  // "/open": open the destination folder after each move
};

int RunMain(int count, char** argv);
int ChooseRunMode(int count);
unsigned ParseOptions(int count, char** argv);

// Existing items among the candidates, as the shell's full paths: a heap array
// of heap strings with a NULL after the last; NULL when out of memory.
char** ResolveArguments(int candidates, char** argv, int* resolved);
bool FreeArgumentList(char** list, int count);
// The shell's canonical file-system path of a path, into PATH_BUFFER_SIZE bytes.
bool ShellResolvePath(char* out, const char* path);

void MoveUp(const char* item, unsigned flags);

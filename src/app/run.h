#pragma once
// The run modes.

enum {
    RUNMODE_MOVE = 1,    // paths given: move each up one level
    RUNMODE_SETUP = 2,   // no paths: the association dialog
    RUNMODE_SERVER = 3,  // "-Embedding" alone: COM started it to serve drops
};

// Runs the mode the arguments choose (the exact UTF-16 ones); the program's
// exit code.
int RunMain(int count, wchar_t** argv);
int ChooseRunMode(int count, wchar_t** argv);
// The OPTF_... flags of the switches among the arguments after 0.
unsigned ParseOptions(int count, wchar_t** argv);
// Moves each existing item among the paths up one level, in order, through
// the same checks whether they came on the command line or in a drop.
void MovePaths(int count, wchar_t** paths, unsigned flags);

#pragma once
// The two run modes.

enum {
    RUNMODE_MOVE = 1,   // paths given: move each up one level
    RUNMODE_SETUP = 2,  // no paths: the association dialog
};

// Runs the mode the arguments choose (the exact UTF-16 ones); the program's
// exit code.
int RunMain(int count, wchar_t** argv);
int ChooseRunMode(int count);
// The OPTF_... flags of the switches among the arguments after 0.
unsigned ParseOptions(int count, wchar_t** argv);

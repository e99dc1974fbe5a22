#pragma once
// Runs a real program as Explorer does and watches it only from outside: its
// message boxes are found among its top-level windows and answered by posted
// messages, and its debugger output is read by acting as its debugger.
#include <functional>
#include <string>
#include <vector>

#include "support/box_answerer.h"

struct OutsideRun {
    int exitCode;                    // -1: could not start; -2: timed out, killed
    std::vector<SeenBox> boxes;      // in the order they appeared, with the answers
    std::vector<std::string> trace;  // each debugger output text, bytes exact
};

// Picks the button for the index-th box (from 0). It may change files first:
// the program waits on the box meanwhile.
typedef std::function<int(const SeenBox& box, size_t index)> BoxPolicy;

// The given buttons in order; then No for a question, OK otherwise.
BoxPolicy AnswerInOrder(std::vector<int> answers);

// Starts the exact Unicode command line (environment as for RunAndWait).
OutsideRun RunOutside(const std::wstring& commandLine, const BoxPolicy& policy = AnswerInOrder({}),
                      const std::vector<std::wstring>& environment = {},
                      unsigned timeoutMs = 30000);

#pragma once
// Stands open_recorder.exe in for Explorer as the "open" handler of folders
// while the object lives, so what a program opens becomes observable.
#include <memory>
#include <string>
#include <vector>

#include "support/registry.h"
#include "support/scratch.h"

class OpenRecording {
public:
    OpenRecording();
    ~OpenRecording();
    OpenRecording(const OpenRecording&) = delete;
    OpenRecording& operator=(const OpenRecording&) = delete;

    // What was opened, one line each; waits until `lines` lines are there,
    // since the recorder may still run after the program has exited.
    std::string Opened(size_t lines);

private:
    std::vector<std::unique_ptr<RegKeyBackup>> saved_;
    ScratchDir scratch_{"open"};
    std::string record_;
};

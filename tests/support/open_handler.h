#pragma once
// open_recorder.exe as the shell's "open" handler of some classes of the test
// prefix (e.g. "Folder", "http"), so what a program opens can be read back.
#include <memory>
#include <string>
#include <vector>

#include "support/registry.h"
#include "support/scratch.h"

class RecordingOpenHandler {
public:
    // Registers the recorder under HKCR\<class>\shell\open\command of each class
    // until destroyed, when the keys are put back exactly as they were.
    explicit RecordingOpenHandler(const std::vector<std::string>& classes);
    ~RecordingOpenHandler();
    RecordingOpenHandler(const RecordingOpenHandler&) = delete;
    RecordingOpenHandler& operator=(const RecordingOpenHandler&) = delete;

    // What was opened, one line each, once there are at least `lines` lines;
    // the recorder is a process of its own, so this waits a few seconds at most.
    std::string Opened(size_t lines) const;

private:
    std::vector<std::unique_ptr<RegKeyBackup>> backups_;
    ScratchDir scratch_{"open"};
    std::string record_;
};

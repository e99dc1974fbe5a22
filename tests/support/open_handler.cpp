#include "support/open_handler.h"

#include <windows.h>

#include <algorithm>

#include "support/process.h"

namespace {
const char* const kOpenCommands[] = {"Folder\\shell\\open\\command",
                                     "Directory\\shell\\open\\command"};
}

OpenRecording::OpenRecording() : record_(scratch_ / "opened.txt")
{
    const std::string command = "\"" + BesideTest("open_recorder.exe") + "\" \"%1\"";
    for (const char* key : kOpenCommands) {
        saved_.emplace_back(new RegKeyBackup(key));
        RegTestSetString(key, nullptr, command);
    }
    SetEnvironmentVariableA("NOBO_OPEN_RECORD", record_.c_str());
}

OpenRecording::~OpenRecording()
{
    SetEnvironmentVariableA("NOBO_OPEN_RECORD", nullptr);
}

std::string OpenRecording::Opened(size_t lines)
{
    std::string got;
    for (int i = 0; i < 100; ++i) {
        got = ReadFileBytes(record_);
        if (got != "<missing>" &&
            static_cast<size_t>(std::count(got.begin(), got.end(), '\n')) >= lines)
            break;
        Sleep(50);
    }
    return got;
}

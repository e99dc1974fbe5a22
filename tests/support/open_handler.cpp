#include "support/open_handler.h"

#include <windows.h>

#include <algorithm>

#include "support/process.h"

RecordingOpenHandler::RecordingOpenHandler(const std::vector<std::string>& classes)
    : record_(scratch_ / "opened.txt")
{
    const std::string command = "\"" + BesideTest("open_recorder.exe") + "\" \"%1\"";
    for (const std::string& name : classes) {
        const std::string key = name + "\\shell\\open\\command";
        backups_.push_back(std::make_unique<RegKeyBackup>(key));
        RegTestSetString(key, nullptr, command);
    }
    SetEnvironmentVariableA("NOBO_OPEN_RECORD", record_.c_str());
}

RecordingOpenHandler::~RecordingOpenHandler()
{
    SetEnvironmentVariableA("NOBO_OPEN_RECORD", nullptr);
}

std::string RecordingOpenHandler::Opened(size_t lines) const
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

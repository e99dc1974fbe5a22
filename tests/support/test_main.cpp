#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <string>

// Started as the shell's "open" of folders (tests' OpenRecorder): leaves an
// empty file "opened" in the folder given, exactly as its text came.
static bool RecordOpen()
{
    const wchar_t* flag = wcsstr(GetCommandLineW(), L" --record-open ");
    if (!flag) return false;
    std::wstring folder = flag + wcslen(L" --record-open ");
    if (folder.size() > 1 && folder.front() == L'"' && folder.back() == L'"')
        folder = folder.substr(1, folder.size() - 2);
    if (folder.back() != L'\\') folder += L'\\';
    CloseHandle(CreateFileW((folder + L"opened").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                            nullptr));
    return true;
}
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    if (RecordOpen()) return 0;
    // A crash must end the test process, not wait on an error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

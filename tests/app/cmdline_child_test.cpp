#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/cmdline_split.h"
#include "base/mem.h"
#include "support/process.h"
#include "support/scratch.h"

// A real process started with a Unicode command line, as Explorer starts the
// program: what it reads through GetCommandLineA (code page 932 bytes) must
// split as it does here. Japanese literals are code page 932 in this file.
namespace {

struct EchoRow {
    std::wstring tail;  // the command line after the quoted program path
    std::vector<std::string> args;
};

const EchoRow kEchoRows[] = {
    {L"\"C:\\表\" x", {"C:\\表", "x"}},  // the trail byte 5C right before the closing quote
    {L"\"C:\\My Files\\ソ\" /open", {"C:\\My Files\\ソ", "/open"}},
    {L"表\\\"x a\\\\\"b c\" \"\"", {"表\"x", "a\\b c", ""}},
    {L"\t表\t\"a b\"  ", {"表", "a b"}},
    {L"", {}},
};

std::vector<std::string> SplitHere(const std::string& line)
{
    std::vector<std::string> args;
    int count = 0;
    char** argv = SplitCommandLine(line.c_str(), &count);
    if (!argv) return args;
    for (int i = 0; i < count; ++i) args.emplace_back(argv[i]);
    MemFree(argv);
    return args;
}

// The echo file: the command line, then the child's arguments, each ending in NUL.
std::vector<std::string> Pieces(const std::string& bytes)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\0') continue;
        pieces.push_back(bytes.substr(start, i - start));
        start = i + 1;
    }
    return pieces;
}

class EchoTarget {
public:
    explicit EchoTarget(const std::string& file)
    {
        SetEnvironmentVariableA("NOBO_CMDLINE_ECHO", file.c_str());
    }
    ~EchoTarget()
    {
        SetEnvironmentVariableA("NOBO_CMDLINE_ECHO", nullptr);
    }
};

void CheckEcho(const std::string& program)
{
    ScratchDir dir("echo");
    const std::string out = dir / "echo.bin";
    EchoTarget target(out);
    for (const EchoRow& row : kEchoRows) {
        const std::wstring line = L"\"" + Widen(program) + L"\" " + row.tail;
        SCOPED_TRACE(testing::PrintToString(Narrow(line)));
        DeleteFileA(out.c_str());
        ASSERT_EQ(0, RunAndWait(line));
        const std::vector<std::string> pieces = Pieces(ReadFileBytes(out));
        ASSERT_FALSE(pieces.empty());
        EXPECT_EQ(Narrow(line), pieces[0]);  // the ANSI form of the Unicode line
        std::vector<std::string> expected = {program};
        expected.insert(expected.end(), row.args.begin(), row.args.end());
        const std::vector<std::string> childArgs(pieces.begin() + 1, pieces.end());
        EXPECT_EQ(expected, childArgs);
        EXPECT_EQ(expected, SplitHere(pieces[0]));
    }
}

TEST(SplitCommandLineChild, SplitsTheAnsiCommandLineOfARealProcess)
{
    CheckEcho(BesideTest("cmdline_echo.exe"));
}

// The program path is read by its own rule: 表 inside the quotes stays whole.
TEST(SplitCommandLineChild, ProgramPathWithATrailByte)
{
    ScratchDir dir("echo表");
    const std::string folder = dir / "表 ソ";
    ASSERT_TRUE(MakeFolder(folder));
    const std::string program = folder + "\\cmdline_echo.exe";
    ASSERT_TRUE(CopyFileA(BesideTest("cmdline_echo.exe").c_str(), program.c_str(), FALSE));
    CheckEcho(program);
}

}  // namespace

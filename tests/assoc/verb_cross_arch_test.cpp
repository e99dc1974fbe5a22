#include <gtest/gtest.h>
#include <windows.h>

#include "assoc/guarded_buffer.h"
#include "assoc/settings.h"
#include "assoc/verb.h"
#include "support/process.h"
#include "support/registry.h"
#include "support/scratch.h"

#include <string.h>

#include <string>

namespace {

// The machine a program file is built for, from its PE header (0 if unreadable).
WORD PeMachine(const std::string& path)
{
    const std::string file = ReadFileBytes(path);
    if (file.size() < sizeof(IMAGE_DOS_HEADER)) return 0;
    IMAGE_DOS_HEADER dos;
    memcpy(&dos, file.data(), sizeof dos);
    const size_t at = static_cast<size_t>(dos.e_lfanew) + 4;  // past "PE\0\0"
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || file.size() < at + sizeof(IMAGE_FILE_HEADER))
        return 0;
    IMAGE_FILE_HEADER header;
    memcpy(&header, file.data() + at, sizeof header);
    return header.Machine;
}

int RunProbe(const char* verb, const ScratchClass& cls, const std::string& file)
{
    const std::string line =
        "\"" + BesideTest("verb_probe.exe") + "\" " + verb + " " + cls.Name() + " \"" + file + "\"";
    return RunAndWait(Widen(line));
}

std::string VerbPath(const std::string& cls)
{
    return cls + "\\shell\\Vellanort.nobo";
}

}  // namespace

// i686 and x86_64 builds share the entry: what one writes, the other reads
// back byte for byte. verb_probe is this program's registry code built for the
// other architecture (the i686 one beside the x86_64 tests and the reverse).
TEST(VerbAcrossBuilds, EntryWrittenByOneArchitectureReadsBackInTheOther)
{
    // Set by the test bed where the kernel refuses 32-bit programs.
    if (sizeof(void*) == 8 && GetEnvironmentVariableA("NOBO_WINE_NO_I386", nullptr, 0) != 0)
        GTEST_SKIP() << "this machine cannot run the i686 probe";
    const std::string probe = BesideTest("verb_probe.exe");
    const WORD other = sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64;
    ASSERT_EQ(other, PeMachine(probe)) << probe;

    const std::string menu = "↑へ移動 表示(&V)";
    const std::string command = "\"C:\\ツール\\表\\nobo.exe\" \"%1\" /open";
    ScratchDir dir("probe");
    ScratchClass byProbe("probe"), byTest("test");

    ASSERT_TRUE(WriteFileBytes(dir / "entry", menu + '\0' + command));
    ASSERT_EQ(0, RunProbe("write", byProbe, dir / "entry"));
    GuardedBuffer menuText(ASSOC_MENU_TEXT_SIZE, "");
    GuardedBuffer commandLine(ASSOC_COMMAND_LINE_SIZE, "");
    ASSERT_TRUE(ReadVerb(byProbe.c_str(), menuText.data(), commandLine.data()));
    EXPECT_EQ(menu, menuText.Text());
    EXPECT_EQ(command, commandLine.Text());

    // Stored exactly as this build stores it.
    ASSERT_TRUE(WriteVerb(byTest.c_str(), menu.c_str(), command.c_str()));
    for (const char* sub : {"", "\\command"}) {
        const RegValue theirs = RegTestGetValue(VerbPath(byProbe.Name()) + sub);
        const RegValue ours = RegTestGetValue(VerbPath(byTest.Name()) + sub);
        EXPECT_EQ(ours.type, theirs.type);
        EXPECT_EQ(ours.data, theirs.data);
    }

    ASSERT_EQ(0, RunProbe("read", byTest, dir / "read"));
    EXPECT_EQ(menu + '\0' + command, ReadFileBytes(dir / "read"));
}

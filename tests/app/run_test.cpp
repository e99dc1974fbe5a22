// Run-mode choice, options and argument resolution, on real files.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/arguments.h"
#include "app/move_up.h"
#include "app/run.h"
#include "base/mem.h"
#include "support/scratch.h"
#include "text/path.h"

namespace {

TEST(RunMode, PathsChooseMoveModeAndNothingChoosesSetup)
{
    EXPECT_EQ(RUNMODE_SETUP, ChooseRunMode(0));
    EXPECT_EQ(RUNMODE_SETUP, ChooseRunMode(1));
    EXPECT_EQ(RUNMODE_MOVE, ChooseRunMode(2));
    EXPECT_EQ(RUNMODE_MOVE, ChooseRunMode(5));
}

TEST(RunMode, OpenSwitchIsRecognisedAnywhereInAnyCase)
{
    struct Row {
        std::vector<const char*> args;
        unsigned flags;
    } const rows[] = {
        {{"p", "/open"}, OPTF_OPEN},
        {{"p", "a", "/OPEN", "b"}, OPTF_OPEN},
        {{"p", "/Open", "/open"}, OPTF_OPEN},
        {{"p", "-open"}, 0},
        {{"p", "/open:x"}, 0},
        {{"/open"}, 0},  // argument 0 is the program
        {{"p", "a"}, 0},
    };
    for (const Row& row : rows) {
        std::vector<char*> argv;
        for (const char* a : row.args) argv.push_back(const_cast<char*>(a));
        EXPECT_EQ(row.flags, ParseOptions(static_cast<int>(argv.size()), argv.data()));
    }
}

TEST(ResolveArguments, KeepsExistingItemsAsFullPathsInOrder)
{
    ScratchDir s("resolve");
    ASSERT_TRUE(WriteFileBytes(s / "b.txt", "b"));
    ASSERT_TRUE(MakeFolder(s / "a"));
    // The short form of the temp folder (if any) resolves to the long form.
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA((s / "b.txt").c_str(), shortPath, sizeof shortPath);
    const std::string missing = s / "missing.txt";
    const std::string b = s / "b.txt", a = s / "a";
    std::vector<char*> candidates = {const_cast<char*>(b.c_str()), const_cast<char*>("/open"),
                                     const_cast<char*>(missing.c_str()),
                                     const_cast<char*>(a.c_str()), shortPath};
    int resolved = -1;
    char** items =
        ResolveArguments(static_cast<int>(candidates.size()), candidates.data(), &resolved);
    ASSERT_NE(nullptr, items);
    ASSERT_EQ(3, resolved);
    EXPECT_STREQ(b.c_str(), items[0]);
    EXPECT_STREQ(a.c_str(), items[1]);
    EXPECT_STREQ(b.c_str(), items[2]);
    EXPECT_EQ(nullptr, items[3]);
    FreeArgumentList(items, resolved);
}

// Items of one folder share the parse of it; each must still come out as the
// shell resolves it alone.
TEST(ResolveArguments, ItemsOfOneFolderResolveAsTheyDoAlone)
{
    ScratchDir s("batch");
    const std::string d = s / "d";
    ASSERT_TRUE(MakeFolder(d));
    ASSERT_TRUE(MakeFolder(d + "\\sub"));
    ASSERT_TRUE(WriteFileBytes(d + "\\a long name.txt", "a"));
    ASSERT_TRUE(WriteFileBytes(d + "\\b.txt", "b"));
    ASSERT_TRUE(WriteFileBytes(s / "c.txt", "c"));
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA((d + "\\a long name.txt").c_str(), shortPath, sizeof shortPath);
    const std::string names[] = {
        d + "\\b.txt",
        d + "\\a long name.txt",
        d + "\\" + PathFindName(shortPath),
        d + "\\missing",
        d + "\\B.TXT",
        d + "\\sub",
        d + "\\.",
        d + "\\..\\c.txt",
        s / "c.txt",
        d + "\\b.txt",
        d + "\\",
    };
    std::vector<char*> candidates;
    std::vector<std::string> alone;
    for (const std::string& n : names) {
        candidates.push_back(const_cast<char*>(n.c_str()));
        char out[PATH_BUFFER_SIZE];
        if (GetFileAttributesA(n.c_str()) != INVALID_FILE_ATTRIBUTES &&
            ShellResolvePath(out, n.c_str()))
            alone.push_back(out);
    }
    int resolved = -1;
    char** items =
        ResolveArguments(static_cast<int>(candidates.size()), candidates.data(), &resolved);
    ASSERT_NE(nullptr, items);
    EXPECT_EQ(alone, std::vector<std::string>(items, items + resolved));
    EXPECT_EQ(d + "\\a long name.txt", alone[2]);
    FreeArgumentList(items, resolved);
}

TEST(ShellResolvePath, RefusesWhatIsNoFileSystemPath)
{
    char out[PATH_BUFFER_SIZE] = "untouched";
    EXPECT_FALSE(ShellResolvePath(out, ""));
    EXPECT_STREQ("", out);
    strcpy(out, "untouched");
    EXPECT_FALSE(ShellResolvePath(out, "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));  // My Computer
    EXPECT_STREQ("", out);
    // A path longer than the wide buffer is refused, not cut.
    std::string longPath = "C:\\" + std::string(300, 'a');
    EXPECT_FALSE(ShellResolvePath(out, longPath.c_str()));
    EXPECT_STREQ("", out);
    ASSERT_TRUE(ShellResolvePath(out, "C:\\windows"));
    EXPECT_STREQ("C:\\windows", out);
}

}  // namespace

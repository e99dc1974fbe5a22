// The move of one item up one level, with every clash rule, on real files and
// real message boxes answered by a hook.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "app/clash_table.h"
#include "app/move_op.h"
#include "app/move_up.h"
#include "base/file_attributes.h"
#include "support/box_answerer.h"
#include "support/scratch.h"
#include "support/trash.h"

namespace {

class MoveUpClash : public testing::TestWithParam<ClashRow> {};

TEST_P(MoveUpClash, AsksOrRefusesAndMoves)
{
    const ClashRow& row = GetParam();
    ScratchDir s("clash");
    const std::string w = s / "w", in = w + "\\in", item = in + "\\X", destination = w + "\\X";
    MakeClash(w, row);
    const size_t trashedBefore = TrashedContents().size();

    BoxAnswerer answerer({row.answer});
    MoveUp(item.c_str(), 0);

    if (row.answer == 0) {
        EXPECT_TRUE(answerer.Boxes().empty());
    } else {
        ASSERT_EQ(1u, answerer.Boxes().size());
        const SeenBox& box = answerer.Boxes()[0];
        EXPECT_EQ(row.caption, box.caption);
        EXPECT_EQ(ExpectedText(row, item, destination), box.text);
        EXPECT_EQ(row.type, box.buttons);
    }
    EXPECT_EQ(row.after, ListFolder(w) + " | " + ListFolder(in));

    // The item's bytes are at the destination or still at the item.
    const std::string moved = IsFolder(destination) ? destination + "\\inner.txt" : destination;
    const std::string stayed = IsFolder(item) ? item + "\\inner.txt" : item;
    EXPECT_TRUE(ReadFileBytes(moved) == "item bytes" || ReadFileBytes(stayed) == "item bytes");
    if (row.answer == IDYES) {
        // The replaced file went to the Recycle Bin, intact.
        const std::vector<std::string> trashed = TrashedContents();
        EXPECT_EQ(trashedBefore + 1, trashed.size());
        EXPECT_NE(trashed.end(), std::find(trashed.begin(), trashed.end(), "old bytes"));
    } else {
        EXPECT_EQ(trashedBefore, TrashedContents().size());
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, MoveUpClash, testing::ValuesIn(kClashes),
                         [](const testing::TestParamInfo<ClashRow>& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

// Two folders answered Yes: the shell merges the item into the same-named
// folder one level up. It must never nest it inside (w\X\X), and nothing may
// be lost. (Wine 8 moves nothing for this call and reports success; the check
// after the move then refuses it and both folders stay as they were. Windows
// merges them.)
TEST(MoveUp, TwoFoldersAnsweredYesAreNeverNested)
{
    ScratchDir s("merge");
    const std::string w = s / "w", in = w + "\\in", item = in + "\\X", destination = w + "\\X";
    ASSERT_TRUE(MakeFolder(w));
    ASSERT_TRUE(MakeFolder(in));
    ASSERT_TRUE(MakeFolder(item));
    ASSERT_TRUE(WriteFileBytes(item + "\\new.txt", "new"));
    ASSERT_TRUE(MakeFolder(destination));
    ASSERT_TRUE(WriteFileBytes(destination + "\\old.txt", "old"));

    BoxAnswerer answerer({IDYES});
    MoveUp(item.c_str(), 0);
    ASSERT_EQ(1u, answerer.Boxes().size());
    EXPECT_FALSE(Exists(destination + "\\X"));
    EXPECT_EQ("old", ReadFileBytes(destination + "\\old.txt"));
    const bool merged = ReadFileBytes(destination + "\\new.txt") == "new";
    EXPECT_TRUE(merged || ReadFileBytes(item + "\\new.txt") == "new");
}

TEST(MoveUp, VanishedItemIsRefusedSilently)
{
    ScratchDir s("gone");
    const std::string item = s / "in\\gone.txt", destination = s / "gone.txt";
    ASSERT_TRUE(MakeFolder(s / "in"));
    BoxAnswerer answerer;
    EXPECT_FALSE(MoveItem(item.c_str(), destination.c_str()));
    ASSERT_TRUE(WriteFileBytes(destination, "there"));
    EXPECT_FALSE(ResolveMoveConflict(item.c_str(), destination.c_str()));
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ("there", ReadFileBytes(destination));
}

// Where an item goes, or that it stays: the cut happens only at real
// separators, never at a trail byte 0x5C (表 = 95 5C, ソ = 83 5C).
TEST(MoveUp, DestinationIsOneLevelUp)
{
    struct Row {
        const char* folders;   // created under the scratch folder, in order
        const char* item;      // a file, relative to the scratch folder
        const char* expected;  // where it ends up
    } const rows[] = {
        {"work|work\\inbox", "work\\inbox\\report.txt", "work\\report.txt"},
        {"表|表\\ソ", "表\\ソ\\a.txt", "表\\a.txt"},
        {"ソ|ソ\\表", "ソ\\表\\表ソ", "ソ\\表ソ"},
        {"a表|a表\\b", "a表\\b\\c", "a表\\c"},
    };
    for (const Row& row : rows) {
        ScratchDir s("dest");
        std::string folders = row.folders;
        for (size_t at = 0; at != std::string::npos;) {
            const size_t bar = folders.find('|', at);
            ASSERT_TRUE(MakeFolder(s / folders.substr(at, bar - at)));
            at = bar == std::string::npos ? bar : bar + 1;
        }
        ASSERT_TRUE(WriteFileBytes(s / row.item, row.item));
        MoveUp((s / row.item).c_str(), 0);
        EXPECT_EQ(row.item, ReadFileBytes(s / row.expected)) << row.item;
        EXPECT_FALSE(Exists(s / row.item)) << row.item;
    }
}

// Items that have no folder one level up stay where they are.
TEST(MoveUp, ItemsWithoutAGrandparentStay)
{
    const std::string rootItem = "C:\\nobo-root-item.txt";
    ASSERT_TRUE(WriteFileBytes(rootItem, "root"));
    BoxAnswerer answerer;
    MoveUp(rootItem.c_str(), 0);
    MoveUp("C:\\", 0);
    MoveUp("\\\\server\\share\\a.txt", 0);
    EXPECT_EQ("root", ReadFileBytes(rootItem));
    EXPECT_TRUE(answerer.Boxes().empty());
    DeleteFileA(rootItem.c_str());
}

TEST(FileTests, TellFilesFromFolders)
{
    ScratchDir s("attr");
    ASSERT_TRUE(WriteFileBytes(s / "f", "x"));
    EXPECT_TRUE(PathIsFile((s / "f").c_str()));
    EXPECT_FALSE(PathIsFolder((s / "f").c_str()));
    EXPECT_TRUE(PathIsFolder(s.Path().c_str()));
    EXPECT_FALSE(PathIsFile(s.Path().c_str()));
    // A missing path is neither (its attributes read as all bits set).
    EXPECT_FALSE(PathExists((s / "none").c_str()));
    EXPECT_FALSE(PathIsFolder((s / "none").c_str()));
    EXPECT_FALSE(PathIsFile((s / "none").c_str()));
}

}  // namespace

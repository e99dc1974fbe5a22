// What already stands one level up: the box nobo.exe shows, the answer given
// to it, and what the folders and the Recycle Bin hold afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "support/files.h"
#include "support/program.h"

namespace {

const char kError[] = "上書きエラー - [nobo]";
const char kQuestion[] = "上書き確認 - [nobo]";

struct ClashRow {
    const char* name;
    std::vector<std::string> tree;  // the item w\in\X, and w\X
    int answer;
    const char* caption;
    const char* text;  // %1 the item, %2 the destination
    const char* after;
    bool recycled;  // the old w\X ("old") went to the Recycle Bin
    const char* x = "X";
};

// clang-format off
const ClashRow kClashes[] = {
    {"file onto a folder", {"w\\in\\X=new", "w\\X\\g=old"}, IDOK, kError,
     "ファイルの移動に失敗しました。\n%1\n\n移動先に同名のフォルダが存在します。\n\n%2",
     "w\\ w\\X\\ w\\X\\g=old w\\in\\ w\\in\\X=new", false},
    {"folder onto a file", {"w\\in\\X\\f=new", "w\\X=old"}, IDOK, kError,
     "フォルダの移動に失敗しました。\n%1\n\n移動先に同名のファイルが存在します。\n%2",
     "w\\ w\\X=old w\\in\\ w\\in\\X\\ w\\in\\X\\f=new", false},
    {"two folders, No", {"w\\in\\X\\f=new", "w\\X\\g=old"}, IDNO, kQuestion,
     "以下のフォルダは既に存在します。\n\n%2\n\n上書きしてもよろしいですか？",
     "w\\ w\\X\\ w\\X\\g=old w\\in\\ w\\in\\X\\ w\\in\\X\\f=new", false},
    {"two files, No", {"w\\in\\X=new", "w\\X=old"}, IDNO, kQuestion,
     "以下のファイルは既に存在します。\n\n%2\n\n上書きしてもよろしいですか？",
     "w\\ w\\X=old w\\in\\ w\\in\\X=new", false},
    {"two files, Yes", {"w\\in\\X=new", "w\\X=old"}, IDYES, kQuestion,
     "以下のファイルは既に存在します。\n\n%2\n\n上書きしてもよろしいですか？",
     "w\\ w\\X=new w\\in\\", true},
    // The box shows the exact name, which code page 932 cannot hold.
    {"two files named with an emoji, Yes", {"w\\in\\{U+1F600}=new", "w\\{U+1F600}=old"}, IDYES,
     kQuestion, "以下のファイルは既に存在します。\n\n%2\n\n上書きしてもよろしいですか？",
     "w\\ w\\in\\ w\\{U+1F600}=new", true, "{U+1F600}"},
};
// clang-format on

// %1 and %2 cannot be trail bytes: the text is safe to search bytewise.
std::string Fill(std::string text, const std::string& item, const std::string& destination)
{
    for (size_t at; (at = text.find('%')) != std::string::npos;)
        text.replace(at, 2, text[at + 1] == '1' ? item : destination);
    return text;
}

size_t OldInBin()
{
    const std::vector<std::string> bin = BinContents();
    return std::count(bin.begin(), bin.end(), "old");
}

TEST(Clash, BoxesAnswersAndWhatStays)
{
    for (const ClashRow& row : kClashes) {
        SCOPED_TRACE(row.name);
        Scratch s("clash");
        ASSERT_TRUE(MakeTree(s.Path(), row.tree));
        const size_t binned = OldInBin();
        const std::string item = s / "w\\in\\" + row.x, destination = s / "w\\" + row.x;
        const Outcome run = RunNobo(Quoted(item), {row.answer});
        EXPECT_EQ(0, run.exitCode);
        ASSERT_EQ(1u, run.boxes.size());
        EXPECT_EQ(row.caption, run.boxes[0].caption);
        EXPECT_EQ(Fill(row.text, item, destination), run.boxes[0].text);
        EXPECT_EQ(row.answer != IDOK, run.boxes[0].question);
        EXPECT_EQ(row.after, ListTree(s.Path()));
        EXPECT_EQ(binned + row.recycled, OldInBin());
    }
}

}  // namespace

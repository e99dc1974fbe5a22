// What already stands one level up: the box nobo.exe shows, the answer given
// to it, and what the folders and the Recycle Bin hold afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "resource.h"

#include "support/explorer.h"
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

// A run of many items: one dialog per clash, whose answer may serve the rest
// of the run. Each row runs as a command line and as a dropped selection.
struct RunRow {
    const char* name;
    std::vector<std::string> tree;   // items in w\in; "=old": old files, recycled when replaced
    std::vector<std::string> items;  // names in w\in, in order
    std::vector<int> answers;
    const char* boxes;  // each box's buttons: Q question, R with the box for the rest, E error
    const char* after;
    size_t recycled;
    std::vector<std::pair<const char*, const char*>> renames = {};  // while the first box waits
};

// clang-format off
const RunRow kRuns[] = {
    {"one item: today's box", {"w\\in\\a=new", "w\\a=old"}, {"a"}, {IDYES}, "M", "w\\ w\\a=new w\\in\\", 1},
    {"five clashes of seven, Yes for the rest", {"w\\in\\a=A", "w\\in\\b=B", "w\\in\\c=C", "w\\in\\d=D",
     "w\\in\\e=E", "w\\in\\f=F", "w\\in\\g=G", "w\\a=old", "w\\c=old", "w\\d=old", "w\\f=old", "w\\g=old"},
     {"a", "b", "c", "d", "e", "f", "g"}, {IDYES | kForRest}, "QR",
     "w\\ w\\a=A w\\b=B w\\c=C w\\d=D w\\e=E w\\f=F w\\g=G w\\in\\", 5},
    {"five clashes of seven, No for the rest", {"w\\in\\a=A", "w\\in\\b=B", "w\\in\\c=C", "w\\in\\d=D",
     "w\\in\\e=E", "w\\in\\f=F", "w\\in\\g=G", "w\\a=old", "w\\c=old", "w\\d=old", "w\\f=old", "w\\g=old"},
     {"a", "b", "c", "d", "e", "f", "g"}, {IDNO | kForRest}, "QR", "w\\ w\\a=old w\\b=B w\\c=old w\\d=old "
     "w\\e=E w\\f=old w\\g=old w\\in\\ w\\in\\a=A w\\in\\c=C w\\in\\d=D w\\in\\f=F w\\in\\g=G", 0},
    // Files for the rest; the folder, another kind, is asked: it comes last.
    // Typed: an access key; then Enter (はい) and Esc (キャンセル) below.
    {"keep both", {"w\\in\\a.txt=A", "w\\a.txt=old", "w\\in\\b.txt=B", "w\\b.txt=old", "w\\b (2).txt=old",
     "w\\in\\.gitignore=G", "w\\.gitignore=old", "w\\in\\d\\f=F", "w\\d\\g=old"},
     {"a.txt", "b.txt", ".gitignore", "d"}, {kKey | 'K', IDC_CLASH_KEEP_BOTH | kForRest,
     IDC_CLASH_KEEP_BOTH}, "QR QR Q", "w\\ w\\.gitignore (2)=G w\\.gitignore=old w\\a (2).txt=A "
     "w\\a.txt=old w\\b (2).txt=old w\\b (3).txt=B w\\b.txt=old w\\d (2)\\ w\\d (2)\\f=F w\\d\\ "
     "w\\d\\g=old w\\in\\", 0},
    {"cancel at the second of five clashes", {"w\\in\\a=A", "w\\in\\b=B", "w\\in\\c=C", "w\\in\\d=D",
     "w\\in\\e=E", "w\\in\\f=F", "w\\a=old", "w\\b=old", "w\\c=old", "w\\d=old", "w\\e=old"},
     {"a", "b", "c", "d", "e", "f"}, {kKey | VK_RETURN, kKey | VK_ESCAPE}, "QR QR", "w\\ w\\a=A w\\b=old w\\c=old "
     "w\\d=old w\\e=old w\\in\\ w\\in\\b=B w\\in\\c=C w\\in\\d=D w\\in\\e=E w\\in\\f=F", 1},
    {"files answered for the rest, then a folder asks once", {"w\\in\\a=A", "w\\in\\b=B",
     "w\\in\\d\\f=F", "w\\in\\e\\h=H", "w\\a=old", "w\\b=old", "w\\d\\g=old", "w\\e=old"},
     {"a", "d", "b", "e"}, {IDYES | kForRest, IDNO, IDOK}, "QR QR E", "w\\ w\\a=A w\\b=B w\\d\\ "
     "w\\d\\g=old w\\e=old w\\in\\ w\\in\\d\\ w\\in\\d\\f=F w\\in\\e\\ w\\in\\e\\h=H", 2},
    // Another program puts a folder in place of a later destination: that
    // item is another kind of clash, asked, and stays.
    {"a later destination replaced by a folder meanwhile", {"w\\in\\a=A", "w\\in\\b=B",
     "w\\in\\c=C", "w\\a=old", "w\\b=old", "w\\c=old", "x\\b\\k=K"}, {"a", "b", "c"},
     {IDYES | kForRest, IDOK}, "QR ER", "w\\ w\\a=A w\\b\\ w\\b\\k=K w\\c=C w\\in\\ w\\in\\b=B "
     "x\\ x\\old=old", 2, {{"w\\b", "x\\old"}, {"x\\b", "w\\b"}}},
};
// clang-format on

const RunRow* g_run;
std::string g_root;

void AtFirstBox(size_t box, void*)
{
    for (const auto& [from, to] : g_run->renames)
        if (box == 0) MoveFileA((g_root + "\\" + from).c_str(), (g_root + "\\" + to).c_str());
}

// Q: はい, いいえ, 両方残す and キャンセル; E: OK; R: and the box for the rest;
// M: a message box's はい and いいえ.
std::string Shape(const Box& box)
{
    if (box.buttons == "はい(&Y)|いいえ(&N)") return "M";
    const char* rest = "|残りの項目にも同じ答えを使う(&A)";
    std::string b = box.buttons, shape;
    if (b.size() > strlen(rest) && b.compare(b.size() - strlen(rest), b.npos, rest) == 0)
        b.resize(b.size() - strlen(rest)), shape = "R";
    return (b == "はい(&Y)|いいえ(&N)|両方残す(&K)|キャンセル" ? "Q" : b == "OK" ? "E" : b) + shape;
}

TEST(Clash, RunOfManyItems)
{
    DropEntries entries;
    ASSERT_TRUE(entries.put);
    for (const RunRow& row : kRuns) {
        for (bool drop : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (drop ? ", dropped" : ", command line"));
            Scratch s("run");
            g_run = &row, g_root = s.Path();
            const std::string tag = "." + g_root.substr(g_root.rfind('\\') + 1);
            std::vector<std::string> tree = row.tree;
            for (std::string& e : tree)
                if (e.size() > 4 && e.compare(e.size() - 4, 4, "=old") == 0) e += tag;
            ASSERT_TRUE(MakeTree(g_root, tree));
            const std::vector<std::string> before = BinContents();
            std::string line;
            for (const std::string& item : row.items) line += " " + Quoted(s / "w\\in\\" + item);
            const Outcome run = drop
                                    ? DropNobo("*", s / "w\\in", row.items, row.answers, AtFirstBox)
                                    : RunNobo(line.substr(1), row.answers, AtFirstBox);
            std::string shapes;
            for (const Box& box : run.boxes) shapes += (shapes.empty() ? "" : " ") + Shape(box);
            EXPECT_EQ(row.boxes, shapes);
            std::string after = ListTree(g_root);
            for (size_t at; (at = after.find(tag)) != std::string::npos;)
                after.erase(at, tag.size());
            EXPECT_EQ(row.after, after);
            const std::vector<std::string> bin = BinContents();
            EXPECT_EQ(row.recycled, std::count(bin.begin(), bin.end(), "old" + tag) -
                                        std::count(before.begin(), before.end(), "old" + tag));
        }
    }
}

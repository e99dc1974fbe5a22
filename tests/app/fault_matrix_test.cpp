// No data lost, ever: each cell runs nobo.exe once with one thing going wrong,
// then looks for every original file's bytes, wherever they went: in the
// cell's folder or in the Recycle Bin. The outcomes asserted are Wine 8's; the
// last column says what Windows does differently. scripts/fault-matrix prints
// the table (the lines starting with '|') into docs/fault-matrix.md.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <sstream>

#include "support/files.h"
#include "support/program.h"

namespace {

struct Cell {
    const char* name;
    std::vector<std::string> tree;  // "path=label": the originals
    const char* item;
    std::vector<int> answers;
    // While box renameAt waits: items renamed (from, to) by another program.
    std::vector<std::pair<const char*, const char*>> renames;
    const char* outcome;  // under Wine: boxes | where each original is
    const char* windows;
    bool lockItem = false;         // ... and the item opened there without sharing
    bool binUnusable = false;      // nothing can go to the Recycle Bin
    const char* chattr = nullptr;  // "+i folder": takes nothing in, gives nothing out;
                                   // "+a folder": takes in, gives nothing out
    size_t renameAt = 0;
};

// clang-format off
const Cell kCells[] = {
    {"item opened elsewhere without sharing while its question waits, Yes",
     {"w\\in\\f=item", "w\\f=old"}, "w\\in\\f", {IDYES}, {}, "Q:Yes E:OK | item:w\\in old:w", "same",
     true},
    // The answer applies to what the question named, nothing else.
    {"folder question, the folder replaced by a file before Yes",
     {"w\\in\\D\\a=item", "w\\D\\g=old", "aside\\D=precious"}, "w\\in\\D", {IDYES},
     {{"w\\D", "aside\\E"}, {"aside\\D", "w\\D"}}, "Q:Yes | item:w\\in\\D old:aside\\E precious:w",
     "same"},
    {"file question, the file replaced by a folder before Yes",
     {"w\\in\\f=item", "w\\f=old", "aside\\f\\i=important"}, "w\\in\\f", {IDYES},
     {{"w\\f", "aside\\o"}, {"aside\\f", "w\\f"}}, "Q:Yes | item:w\\in old:aside important:w\\f",
     "same"},
    {"file question, the file gone before Yes", {"w\\in\\f=item", "w\\f=old", "aside\\"},
     "w\\in\\f", {IDYES}, {{"w\\f", "aside\\f"}}, "Q:Yes | item:w old:aside", "same"},
    {"Recycle Bin unusable, delete for good declined", {"w\\in\\f=item", "w\\f=old"}, "w\\in\\f",
     {IDYES, IDNO}, {}, "Q:Yes shell \"ファイルの削除の確認\":No | item:w\\in old:w", "same", false,
     true},
    // The item parked beside the old file cannot go back: a box names where it is.
    {"... and the item's old name taken meanwhile", {"w\\in\\f=item", "w\\f=old", "aside\\f=other"},
     "w\\in\\f", {IDYES, IDNO}, {{"aside\\f", "w\\in\\f"}},
     "Q:Yes shell \"ファイルの削除の確認\":No E:OK | item:w old:w other:w\\in", "same", false, true,
     nullptr, 1},
    // Opened for deleting but not movable: the old file must stay.
    {"item's folder immutable (chattr +i), Yes", {"w\\in\\f=item", "w\\f=old"}, "w\\in\\f",
     {IDYES}, {}, "Q:Yes E:OK | item:w\\in old:w",
     "same: a folder where one may delete but not add", false, false, "+i w\\in"},
    {"destination folder takes files in, lets none out (chattr +a), Yes", {"w\\in\\f=item",
     "w\\f=old"}, "w\\in\\f", {IDYES}, {}, "Q:Yes E:OK | item:w\\in old:w",
     "same: a folder where one may add but not delete", false, false, "+a w"},
    {"folder inside a same-named folder (X\\X), Yes", {"w\\X\\X\\f=inner", "w\\X\\g=outer"},
     "w\\X\\X", {IDYES}, {}, "Q:Yes | inner:w\\X outer:w\\X", "same"},
};
// clang-format on

// A file another program holds open without sharing, for one cell; the cell run.
HANDLE g_locked = INVALID_HANDLE_VALUE;
const Cell* g_cell;

// What another program does while the first box waits, in the folder root.
void AtFirstBox(size_t box, void* root)
{
    const std::string& r = *static_cast<std::string*>(root);
    for (const auto& [from, to] : g_cell->renames)
        if (box == g_cell->renameAt) MoveFileA((r + "\\" + from).c_str(), (r + "\\" + to).c_str());
    if (box == 0 && g_cell->lockItem)
        g_locked = CreateFileA((r + "\\" + g_cell->item).c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
}

std::string Boxes(const std::vector<Box>& boxes)
{
    std::string out;
    for (const Box& box : boxes)
        out += std::string(out.empty() ? "" : " ") +
               (box.caption == "上書き確認 - [nobo]"     ? "Q"
                : box.caption == "上書きエラー - [nobo]" ? "E"
                                                         : "shell \"" + box.caption + "\"") +
               (box.answer == IDYES  ? ":Yes"
                : box.answer == IDNO ? ":No"
                                     : ":OK");
    return out.empty() ? "-" : out;
}

// "bin", the folder (within root) of a file with these bytes, or "LOST".
std::string Where(const std::string& root, const std::string& bytes)
{
    const std::vector<std::string> bin = BinContents();
    if (std::find(bin.begin(), bin.end(), bytes) != bin.end()) return "bin";
    std::istringstream entries(ListTree(root));
    for (std::string e; entries >> e;)
        if (e.size() > bytes.size() &&
            e.compare(e.size() - bytes.size() - 1, e.npos, "=" + bytes) == 0)
            return e.substr(0, e.rfind('\\', e.size() - bytes.size() - 1));
    return "LOST";
}

TEST(FaultMatrix, EveryOriginalIsFoundAgain)
{
    const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
    std::string table =
        "| Cell | Boxes: answers | Where each original is | Verdict | Windows |\n"
        "|---|---|---|---|---|\n";
    for (const Cell& cell : kCells) {
        SCOPED_TRACE(cell.name);
        Scratch s("fault");
        std::string root = s.Path();
        // Each original's bytes name it and this run alone: the bin keeps older ones.
        const std::string tag = "." + root.substr(root.rfind('\\') + 1);
        std::vector<std::string> tree = cell.tree;
        for (std::string& e : tree) e += e.back() == '\\' ? "" : tag;
        ASSERT_TRUE(MakeTree(root, tree));
        // nobo.exe's bin (XDG_DATA_HOME, a Unix path) a plain file: nothing can go in.
        char bin[MAX_PATH] = "";
        GetEnvironmentVariableA("XDG_DATA_HOME", bin, MAX_PATH);
        std::string noBin = std::string(bin) + "/no-bin" + tag, noBinFile = "Z:" + noBin;
        std::replace(noBinFile.begin(), noBinFile.end(), '/', '\\');
        if (cell.binUnusable) {
            ASSERT_TRUE(WriteBytes(noBinFile, ""));
            SetEnvironmentVariableA("XDG_DATA_HOME", noBin.c_str());
        }
        const std::string attribute = cell.chattr ? std::string(cell.chattr, 2) : "",
                          folder = cell.chattr ? s / (cell.chattr + 3) : "";
        if (cell.chattr && !RunUnix("chattr " + attribute, folder)) {
            printf("[  SKIPPED ] %s: chattr is not possible here\n", cell.name);
            continue;
        }
        g_cell = &cell;
        const Outcome run = RunNobo(Quoted(s / cell.item), cell.answers, AtFirstBox, &root);
        if (cell.chattr) RunUnix("chattr -" + attribute.substr(1), folder);
        SetEnvironmentVariableA("XDG_DATA_HOME", bin);
        if (g_locked != INVALID_HANDLE_VALUE) CloseHandle(g_locked);
        g_locked = INVALID_HANDLE_VALUE;
        DeleteFileA(noBinFile.c_str());
        std::string where;
        for (const std::string& e : cell.tree)
            if (e.back() != '\\')
                where += (where.empty() ? "" : " ") + e.substr(e.find('=') + 1) + ":" +
                         Where(root, e.substr(e.find('=') + 1) + tag);
        const bool lost = where.find("LOST") != std::string::npos;
        EXPECT_EQ(0, run.exitCode);
        EXPECT_FALSE(lost) << where;
        if (wine) {
            EXPECT_EQ(cell.outcome, Boxes(run.boxes) + " | " + where);
        }
        table += std::string("| ") + cell.name + " | " + Boxes(run.boxes) + " | " + where + " | " +
                 (lost ? "LOST" : "kept") + " | " + cell.windows + " |\n";
    }
    printf("%s", table.c_str());
}

}  // namespace

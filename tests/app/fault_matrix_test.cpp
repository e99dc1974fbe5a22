// No data lost, ever: each cell runs nobo.exe once with one thing going wrong,
// then looks for every original file's bytes by content hash: in the cell's
// folder (wherever they went) or in the Recycle Bin. The outcomes asserted are
// Wine 8's; the last column says what Windows does differently. The printed
// table goes to docs/fault-matrix.md (scripts/fault-matrix).
#include <gtest/gtest.h>
#include <windows.h>

#include <stdint.h>

#include "app/clash_table.h"
#include "support/outside_driver.h"
#include "support/process.h"
#include "support/scratch.h"
#include "support/trash.h"

namespace {

uint64_t Fnv1a(const std::string& bytes)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// One cell: the folders w and w\in, the originals, how nobo.exe is started.
struct Bed {
    ScratchDir dir{"fault"};
    std::wstring root = LongPath(dir.Path());
    std::wstring bin = LongPath(TrashFilesFolder());
    std::vector<std::pair<std::string, uint64_t>> originals;  // label, content hash
    std::wstring args;
    std::vector<std::wstring> environment;
    HANDLE held = INVALID_HANDLE_VALUE;
    std::string ownBin;

    Bed()
    {
        Folder(L"w"), Folder(L"w\\in");
    }
    ~Bed()
    {
        Release();
        if (!ownBin.empty()) RemoveTree(ownBin);
    }
    void Release()
    {
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
    }
    std::wstring At(const std::wstring& rel) const
    {
        return root + L"\\" + rel;
    }
    void Folder(const std::wstring& rel)
    {
        ASSERT_TRUE(MakeFolder(At(rel)));
    }
    void File(const char* label, const std::wstring& rel)
    {
        const std::string bytes = std::string(label) + " of " + dir.Path();
        ASSERT_TRUE(WriteFileBytes(At(rel), bytes));
        originals.push_back({label, Fnv1a(bytes)});
    }
    void Arg(const std::wstring& rel)
    {
        args += L" \"" + At(rel).substr(4) + L"\"";
    }
    // "bin", the folder (relative to the cell's) of a file with these bytes, or "LOST".
    std::string Where(uint64_t hash) const
    {
        for (const std::wstring& f : FilesBelow(bin))
            if (Fnv1a(ReadFileBytes(f)) == hash) return "bin";
        for (const std::wstring& f : FilesBelow(root))
            if (Fnv1a(ReadFileBytes(f)) == hash)
                return Narrow(f.substr(root.size() + 1, f.rfind(L'\\') - root.size() - 1));
        return "LOST";
    }
};

// The item w\in\f, an old file at its destination w\f.
void TwoFiles(Bed& b)
{
    b.File("item", L"w\\in\\f"), b.File("old", L"w\\f"), b.Arg(L"w\\in\\f");
}

// nobo.exe's Recycle Bin (XDG_DATA_HOME) on tmpfs, another file system:
// made ready, or missing.
void OwnBin(Bed& b, bool ready)
{
    static unsigned counter;
    char unix[64];
    wsprintfA(unix, "/dev/shm/nobo-bin-%lu-%u", GetCurrentProcessId(), ++counter);
    b.environment.push_back(L"XDG_DATA_HOME=" + Widen(unix));
    b.ownBin = std::string("Z:") + unix;
    for (char& c : b.ownBin)
        if (c == '/') c = '\\';
    b.bin = LongPath(b.ownBin + "\\Trash\\files");
    for (const char* sub : {"", "\\Trash", "\\Trash\\files", "\\Trash\\info"})
        EXPECT_TRUE(!ready || MakeFolder(b.ownBin + sub));
}

// w\in\first\f and w\in\second\g, and a g in first too, which nobody names:
// two folders whose names differ only in a trail byte's ASCII case.
void LookAlike(Bed& b, const std::wstring& first, const std::wstring& second)
{
    b.Folder(L"w\\in\\" + first), b.Folder(L"w\\in\\" + second);
    b.File("f", L"w\\in\\" + first + L"\\f"), b.File("kept", L"w\\in\\" + first + L"\\g");
    b.File("named", L"w\\in\\" + second + L"\\g");
    b.Arg(L"w\\in\\" + first + L"\\f"), b.Arg(L"w\\in\\" + second + L"\\g");
}

// An item whose full path has n characters.
void LongItem(Bed& b, size_t n)
{
    const std::wstring rel = L"w\\in\\" + std::wstring(n - b.dir.Path().size() - 6, L'n');
    b.File("item", rel), b.Arg(rel);
}

struct Cell {
    const char* name;
    void (*arrange)(Bed&);
    void (*atBox)(Bed&, size_t box);  // while that box waits for its answer
    std::vector<int> answers;
    const char* outcome;  // under Wine: boxes | where each original is
    const char* windows;
};

// clang-format off
const Cell kCells[] = {
    {"item gone while its box waits, Yes", [](Bed& b) { TwoFiles(b), b.Folder(L"aside"); },
     [](Bed& b, size_t) { MoveFileW(b.At(L"w\\in\\f").c_str(), b.At(L"aside\\f").c_str()); },
     {IDYES}, "Q:Yes | item:aside old:bin", "same"},
    {"destination appears while another box waits",
     [](Bed& b) {
         b.File("a", L"w\\in\\a"), b.File("oldA", L"w\\a"), b.File("b", L"w\\in\\b");
         b.Arg(L"w\\in\\a"), b.Arg(L"w\\in\\b");
     },
     [](Bed& b, size_t box) { if (box == 0) b.File("late", L"w\\b"); },
     {IDNO, IDYES}, "Q:No Q:Yes | a:w\\in oldA:w b:w late:bin", "same"},
    {"destination read-only, Yes",
     [](Bed& b) {
         TwoFiles(b);
         SetFileAttributesW(b.At(L"w\\f").c_str(), FILE_ATTRIBUTE_READONLY);
     },
     nullptr, {IDYES}, "Q:Yes | item:w old:bin", "same"},
    {"destination held open without sharing, Yes",
     [](Bed& b) {
         TwoFiles(b);
         b.held = CreateFileW(b.At(L"w\\f").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
     },
     nullptr, {IDYES, IDNO}, "Q:Yes shell \"ファイルの削除の確認\":No | item:w\\in old:w",
     "the shell reports the file in use instead; nothing moves"},
    {"Recycle Bin on another file system, Yes", [](Bed& b) { TwoFiles(b), OwnBin(b, true); },
     nullptr, {IDYES}, "Q:Yes | item:w old:bin", "every drive has a bin of its own"},
    {"Recycle Bin unusable, permanent delete declined",
     [](Bed& b) { TwoFiles(b), OwnBin(b, false); },
     nullptr, {IDYES, IDNO}, "Q:Yes shell \"ファイルの削除の確認\":No | item:w\\in old:w", "same"},
    {"Recycle Bin's folder a plain file, permanent delete declined",
     [](Bed& b) {
         TwoFiles(b), OwnBin(b, false);
         EXPECT_TRUE(WriteFileBytes(b.ownBin, "no folder"));
     },
     nullptr, {IDYES, IDNO}, "Q:Yes shell \"ファイルの削除の確認\":No | item:w\\in old:w", "same"},
    {"item path of 259 characters", [](Bed& b) { LongItem(b, 259); }, nullptr, {},
     "- | item:w", "same"},
    {"item path of 260 characters", [](Bed& b) { LongItem(b, 260); }, nullptr, {},
     "- | item:w\\in", "same"},
    {"item path of 261 characters", [](Bed& b) { LongItem(b, 261); }, nullptr, {},
     "- | item:w\\in", "same"},
    {"folder inside a same-named folder (X\\X), Yes",
     [](Bed& b) {
         b.Folder(L"w\\X"), b.Folder(L"w\\X\\X");
         b.File("inner", L"w\\X\\X\\f"), b.File("outer", L"w\\X\\g"), b.Arg(L"w\\X\\X");
     },
     nullptr, {IDYES}, "Q:Yes | inner:w\\X\\X outer:w\\X",
     "not verified: the shell merges X\\X into X (inner:w\\X) or refuses"},
    {"two same-named folders, Yes",
     [](Bed& b) {
         b.Folder(L"w\\in\\X"), b.Folder(L"w\\X");
         b.File("inner", L"w\\in\\X\\f"), b.File("old", L"w\\X\\g"), b.Arg(L"w\\in\\X");
     },
     nullptr, {IDYES}, "Q:Yes | inner:w\\in\\X old:w\\X",
     "the shell merges them (inner:w\\X)"},
    {"lossy name beside its look-alike",
     [](Bed& b) {
         b.File("ascii", L"w\\in\\cafe"), b.File("accented", L"w\\in\\caf\u00e9");
         b.Arg(L"w\\in\\caf\u00e9");
     },
     nullptr, {}, "- | ascii:w\\in accented:w\\in", "same"},
    {"look-alike folders ア and ヂ (83 41, 83 61)", [](Bed& b) { LookAlike(b, L"ア", L"ヂ"); },
     nullptr, {}, "- | f:w\\in kept:w\\in\\ア named:w\\in", "same"},
    {"look-alike folders 心 and 尽 (90 53, 90 73)", [](Bed& b) { LookAlike(b, L"心", L"尽"); },
     nullptr, {}, "- | f:w\\in kept:w\\in\\心 named:w\\in", "same"},
    {"look-alike folders ２ and Ｒ (82 51, 82 71)", [](Bed& b) { LookAlike(b, L"２", L"Ｒ"); },
     nullptr, {}, "- | f:w\\in kept:w\\in\\２ named:w\\in", "same"},
    {"one folder in two letter cases",
     [](Bed& b) {
         b.File("a", L"w\\in\\a"), b.File("b", L"w\\in\\b");
         b.Arg(L"W\\in\\a"), b.Arg(L"w\\IN\\b");
     },
     nullptr, {}, "- | a:w b:w", "same"},
    {"name with U+00A5 (no such character in code page 932), then a plain one",
     [](Bed& b) {
         b.File("yen", L"w\\in\\x\u00a5"), b.File("y", L"w\\in\\y");
         b.Arg(L"w\\in\\x\u00a5"), b.Arg(L"w\\in\\y");
     },
     nullptr, {}, "- | yen:w\\in y:w", "same"},
};
// clang-format on

std::string Boxes(const std::vector<SeenBox>& boxes)
{
    std::string out;
    for (const SeenBox& box : boxes)
        out += std::string(out.empty() ? "" : " ") +
               (box.caption == kQuestionCaption ? "Q"
                : box.caption == kErrorCaption  ? "E"
                                                : "shell \"" + box.caption + "\"") +
               (box.answer == IDYES  ? ":Yes"
                : box.answer == IDNO ? ":No"
                                     : ":OK");
    return out.empty() ? "-" : out;
}

TEST(FaultMatrix, EveryOriginalIsFoundAgain)
{
    std::string table =
        "| Cell | Boxes: answers | Where each original is | Verdict | Windows |\n"
        "|---|---|---|---|---|\n";
    for (const Cell& cell : kCells) {
        SCOPED_TRACE(cell.name);
        Bed b;
        cell.arrange(b);
        const BoxPolicy answer = AnswerInOrder(cell.answers);
        const OutsideRun run = RunOutside(
            Quoted(BesideTest("nobo.exe")) + b.args,
            [&](const SeenBox& box, size_t i) {
                if (cell.atBox) cell.atBox(b, i);
                return answer(box, i);
            },
            b.environment);
        b.Release();
        std::string where;
        for (const auto& o : b.originals)
            where += (where.empty() ? "" : " ") + o.first + ":" + b.Where(o.second);
        const bool lost = where.find("LOST") != std::string::npos;
        EXPECT_EQ(0, run.exitCode);
        if (UnderWine()) {
            EXPECT_EQ(cell.outcome, Boxes(run.boxes) + " | " + where);
        }
        EXPECT_FALSE(lost) << where;
        table += std::string("| ") + cell.name + " | " + Boxes(run.boxes) + " | " + where + " | " +
                 (lost ? "LOST" : "kept") + " | " + cell.windows + " |\n";
    }
    printf("%s", table.c_str());
}

}  // namespace

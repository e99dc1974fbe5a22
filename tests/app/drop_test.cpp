// A whole selection as Explorer hands it to an entry with a drop target: one
// drop, served by the one nobo.exe that COM starts (or finds running).
#include <gtest/gtest.h>

#include "support/explorer.h"
#include "support/files.h"
#include "support/program.h"

namespace {

const struct {
    const char* what;
    const char* kind;
    std::vector<std::string> tree;  // below the folder of the selection
    int many;                       // and this many files more
} kSelections[] = {
    {"155 files, two named beyond code page 932", "*", {"{U+301C}.txt=w", "caf{U+00E9}=e"}, 153},
    {"folders, through the folder kind", "Directory", {"d\\x=x", "e\\"}, 0},
};

TEST(Drop, OneServerMovesTheSelection)
{
    DropEntries entry;
    ASSERT_TRUE(entry.put);
    for (const auto& row : kSelections) {
        SCOPED_TRACE(row.what);
        Scratch s("drop"), want("want");
        std::vector<std::string> tree = row.tree, in, up = {"in\\"};
        std::vector<std::wstring> names;
        for (int i = 0; i < row.many; ++i) tree.push_back("f" + std::to_string(i) + "=f");
        for (const std::string& e : tree)
            in.push_back("in\\" + e), up.push_back(e),
                names.push_back(Widen(e.substr(0, e.find_first_of("\\="))));
        ASSERT_TRUE(MakeTree(s.Path(), in) && MakeTree(want.Path(), up));
        HANDLE drop = DropSelection(row.kind, Widen(s / "in"), names);
        // Only looked at: a file open without delete sharing cannot be renamed.
        EXPECT_TRUE(WaitFor(
            [&] {
                return std::none_of(names.begin(), names.end(), [&](const std::wstring& n) {
                    return Exists(s / "in\\" + Narrow(n));
                });
            },
            60000));
        EXPECT_EQ(1u, NoboProcesses().size());  // the server, lingering
        EXPECT_EQ(ListTree(want.Path()), ListTree(s.Path()));
        EXPECT_TRUE(!WaitForSingleObject(drop, 30000) && CloseHandle(drop));
    }
}

// Three clashes in one selection answered Yes, No, Yes, and a second
// selection dropped while the first question is open: Drop returns at once,
// the questions come one at a time in the order given, the second selection
// after the first, and the server leaves within three seconds of its last work.
TEST(Drop, QuestionsOneAtATimeInOrder)
{
    DropEntries entry;
    ASSERT_TRUE(entry.put);
    Scratch s("dropq");
    const std::string tag = s.Path().substr(s.Path().rfind('\\'));
    ASSERT_TRUE(MakeTree(
        s.Path(),
        {"w\\in\\c1=new1", "w\\c1=old1" + tag, "w\\in\\c2=new2", "w\\c2=old2", "w\\in\\c3=new3",
         "w\\c3=old3" + tag, "w\\in\\a=a", "v\\in\\b1=b", "v\\in\\b2=new4", "v\\b2=old4" + tag}));
    HANDLE first = DropSelection("*", Widen(s / "w\\in"), {L"c1", L"a", L"c2", L"c3"}), second = 0;
    const char* asked[] = {"w\\c1", "w\\c2", "w\\c3", "v\\b2"};
    std::vector<HWND> boxes, answered;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(WaitFor(
            [&] {
                const std::vector<DWORD> nobo = NoboProcesses();
                boxes.clear();
                for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32770", nullptr));) {
                    DWORD id = 0;
                    GetWindowThreadProcessId(w, &id);
                    if (IsWindowVisible(w) && std::count(nobo.begin(), nobo.end(), id))
                        boxes.push_back(w);
                }
                return boxes.size() && !std::count(answered.begin(), answered.end(), boxes[0]);
            },
            60000));
        if (i == 0) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first, 30000));
            second = DropSelection("*", Widen(s / "v\\in"), {L"b1", L"b2"});
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second, 30000));
        }
        WaitFor([&] { return !ItemText(boxes[0], 0xFFFF).empty(); });
        EXPECT_NE(std::string::npos, ItemText(boxes[0], 0xFFFF).find(s / asked[i])) << i;
        EXPECT_EQ(1u, boxes.size()) << i;
        answered.push_back(boxes[0]);
        Press(boxes[0], i == 1 ? IDNO : IDYES);
    }
    // The server is at work: the last item, then the linger.
    const std::vector<DWORD> nobo = NoboProcesses();
    ASSERT_EQ(1u, nobo.size());
    HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, nobo[0]);
    // Names only: a file the test opens cannot be renamed meanwhile. A replace
    // parks the item beside the old file first.
    auto parked = [&] {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((s / "v\\~nobo*").c_str(), &found);
        return h != INVALID_HANDLE_VALUE && FindClose(h);
    };
    EXPECT_TRUE(WaitFor(
        [&] { return (!Exists(s / "v\\in\\b2") && !parked()) || !WaitForSingleObject(server, 0); },
        60000));
    EXPECT_EQ(
        "v\\ v\\b1=b v\\b2=new4 v\\in\\ w\\ w\\a=a w\\c1=new1 w\\c2=old2 w\\c3=new3 w\\in\\ "
        "w\\in\\c2=new2",
        ListTree(s.Path()));
    const std::vector<std::string> bin = BinContents();
    for (const char* old : {"old1", "old3", "old4"})
        EXPECT_EQ(1, std::count(bin.begin(), bin.end(), old + tag)) << old;
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(server, 3000));
    TerminateProcess(server, 1);  // one that stays ends here, not in another test
    CloseHandle(server), CloseHandle(first), CloseHandle(second);
}

}  // namespace

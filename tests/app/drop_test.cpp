// A whole selection as Explorer hands it to an entry with a drop target: one
// drop, served by the one nobo.exe that COM starts (or finds running).
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "support/explorer.h"
#include "support/files.h"
#include "support/program.h"
#include "support/registry.h"

namespace {

const std::string kClsid = "{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}",
                  kVerb = "\\shell\\Vellanort.nobo";

bool PutDropTarget(const std::string& kind)
{
    return !RegSetKeyValueA(HKEY_CLASSES_ROOT, (kind + kVerb + "\\DropTarget").c_str(), "Clsid",
                            REG_SZ, kClsid.c_str(), static_cast<DWORD>(kClsid.size() + 1));
}

// The entries setup writes for the default command, for the test's time.
struct DropEntry {
    RegSaved saved{{"*" + kVerb, "Directory" + kVerb, "CLSID\\" + kClsid}};
    std::string server = Quoted(BesideTest("nobo.exe"));
    bool put = PutDropTarget("*") && PutDropTarget("Directory") &&
               RegPut("CLSID\\" + kClsid + "\\LocalServer32", REG_SZ,
                      std::string(server.c_str(), server.size() + 1));
};

// Every nobo.exe seen while waiting for the condition.
template <typename F>
bool WaitNoting(std::set<DWORD>* seen, F condition)
{
    return WaitFor(
        [&] {
            for (DWORD id : NoboProcesses()) seen->insert(id);
            return condition();
        },
        60000);
}

struct SelectionRow {
    const char* what;
    const char* kind;
    std::vector<std::string> tree;  // below the folder of the selection
    int many;                       // and this many files more
};

const SelectionRow kSelections[] = {
    {"five files, two named beyond code page 932",
     "*",
     {"a=a", "b=b", "c=c", "{U+301C}.txt=wave", "caf{U+00E9}=e"},
     0},
    {"150 files", "*", {}, 150},
    {"folders, through the folder kind", "Directory", {"d\\x=x", "e\\"}, 0},
};

TEST(Drop, OneServerMovesTheSelection)
{
    DropEntry entry;
    ASSERT_TRUE(entry.put);
    for (const SelectionRow& row : kSelections) {
        SCOPED_TRACE(row.what);
        Scratch s("drop"), want("want");
        std::vector<std::string> tree = row.tree, in, up = {"in\\"};
        std::set<std::string> names;
        for (int i = 0; i < row.many; ++i) tree.push_back("f" + std::to_string(i) + "=f");
        for (const std::string& e : tree) {
            in.push_back("in\\" + e), up.push_back(e);
            names.insert(e.substr(0, e.find_first_of("\\=")));
        }
        ASSERT_TRUE(MakeTree(s.Path(), in) && MakeTree(want.Path(), up));
        std::vector<std::wstring> dropped;
        for (const std::string& name : names) dropped.push_back(Widen(name));
        HANDLE drop = DropSelection(row.kind, Widen(s / "in"), dropped);
        std::set<DWORD> seen;
        // Only looked at, never opened: a file open without delete sharing
        // cannot be renamed by another process.
        EXPECT_TRUE(WaitNoting(&seen, [&] {
            return std::none_of(names.begin(), names.end(),
                                [&](const std::string& n) { return Exists(s / "in\\" + n); });
        }));
        EXPECT_EQ(ListTree(want.Path()), ListTree(s.Path()));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(drop, 30000));
        DWORD result = 1;
        EXPECT_TRUE(GetExitCodeThread(drop, &result) && result == S_OK);
        EXPECT_LE(seen.size(), 1u);
        CloseHandle(drop);
    }
}

BOOL CALLBACK AddBox(HWND window, LPARAM param)
{
    auto* boxes = reinterpret_cast<std::vector<HWND>*>(param);
    DWORD id = 0;
    char name[16] = "";
    GetWindowThreadProcessId(window, &id);
    GetClassNameA(window, name, sizeof name);
    const std::vector<DWORD> nobo = NoboProcesses();
    if (IsWindowVisible(window) && !strcmp(name, "#32770") &&
        std::find(nobo.begin(), nobo.end(), id) != nobo.end())
        boxes->push_back(window);
    return TRUE;
}

std::vector<HWND> Boxes()
{
    std::vector<HWND> boxes;
    EnumWindows(AddBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

// Three clashes in one selection answered Yes, No, Yes, and a second
// selection dropped while the first question is open: Drop returns at once,
// the questions come one at a time in the order given, the second selection
// after the first, and the server leaves once all is done.
TEST(Drop, QuestionsOneAtATimeInOrder)
{
    DropEntry entry;
    ASSERT_TRUE(entry.put);
    Scratch s("dropq");
    const std::string tag = s.Path().substr(s.Path().rfind('\\'));
    ASSERT_TRUE(MakeTree(
        s.Path(),
        {"w\\in\\c1=new1", "w\\c1=old1" + tag, "w\\in\\c2=new2", "w\\c2=old2", "w\\in\\c3=new3",
         "w\\c3=old3" + tag, "w\\in\\a=a", "v\\in\\b1=b", "v\\in\\b2=new4", "v\\b2=old4" + tag}));
    HANDLE first = DropSelection("*", Widen(s / "w\\in"), {L"c1", L"a", L"c2", L"c3"}), second = 0;
    const char* asked[] = {"w\\c1", "w\\c2", "w\\c3", "v\\b2"};
    const int answers[] = {IDYES, IDNO, IDYES, IDYES};
    std::set<DWORD> seen;
    std::vector<HWND> boxes, answered;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(WaitNoting(&seen, [&] {
            boxes = Boxes();
            return !boxes.empty() &&
                   std::find(answered.begin(), answered.end(), boxes[0]) == answered.end();
        }));
        if (i == 0) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first, 30000));
            second = DropSelection("*", Widen(s / "v\\in"), {L"b1", L"b2"});
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second, 30000));
        }
        WaitFor([&] { return !ItemText(boxes[0], 0xFFFF).empty(); });
        EXPECT_NE(std::string::npos, ItemText(boxes[0], 0xFFFF).find(s / asked[i])) << i;
        EXPECT_EQ(1u, Boxes().size()) << i;
        answered.push_back(boxes[0]);
        Press(boxes[0], answers[i]);
    }
    const std::string after =
        "v\\ v\\b1=b v\\b2=new4 v\\in\\ w\\ w\\a=a w\\c1=new1 w\\c2=old2 "
        "w\\c3=new3 w\\in\\ w\\in\\c2=new2";
    EXPECT_TRUE(WaitNoting(&seen, [&] { return !Exists(s / "v\\in\\b2"); }));
    EXPECT_EQ(after, ListTree(s.Path()));
    const std::vector<std::string> bin = BinContents();
    for (const char* old : {"old1", "old3", "old4"})
        EXPECT_EQ(1, std::count(bin.begin(), bin.end(), old + tag)) << old;
    ASSERT_EQ(1u, seen.size());
    // Gone within three seconds of its last work.
    HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, *seen.begin());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(server, 3000));
    TerminateProcess(server, 1);  // one that stays ends here, not in another test
    CloseHandle(server), CloseHandle(first), CloseHandle(second);
}

}  // namespace

// A whole selection as Explorer hands it to an entry with a drop target: one
// drop, served by the one nobo.exe that COM starts (or finds running).
#include <gtest/gtest.h>

#include "support/explorer.h"
#include "support/files.h"
#include "support/program.h"

namespace {

// How many entries the folder holds; only listed: a file open without delete
// sharing could not be renamed meanwhile.
size_t Count(const std::string& folder)
{
    size_t n = 0;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Widen(folder + "\\*").c_str(), &fd);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileW(h, &fd))
        n += fd.cFileName[0] != L'.';
    FindClose(h);
    return n;
}

// The drop thread's end: Drop's result.
HRESULT Served(HANDLE drop)
{
    DWORD code = 1;
    const bool ended = !WaitForSingleObject(drop, 60000) && GetExitCodeThread(drop, &code);
    CloseHandle(drop);
    return ended ? static_cast<HRESULT>(code) : E_PENDING;
}

TEST(Drop, FoldersThroughTheFolderKind)
{
    DropEntries entry;
    ASSERT_TRUE(entry.put);
    Scratch s("dropd");
    ASSERT_TRUE(MakeTree(s.Path(), {"in\\d\\x=x", "in\\e\\"}));
    EXPECT_EQ(S_OK, Served(DropSelection("Directory", Widen(s / "in"), {L"d", L"e"})));
    EXPECT_TRUE(WaitFor([&] { return !Count(s / "in"); }, 60000));
    EXPECT_EQ("d\\ d\\x=x e\\ in\\", ListTree(s.Path()));
}

// A long selection is moved one item at a time, and calls are answered
// between two items: the caller's Release, and a second selection's
// activation and Drop, come back while the first is still being moved (a
// relation, not a time: the moves cannot outrun a call answered at once),
// and the second selection's item moves only once the first is done.
TEST(Drop, AnswersWhileItMoves)
{
    DropEntries entry;
    ASSERT_TRUE(entry.put);
    Scratch s("dropbig");
    std::vector<std::string> tree = {"v\\in\\x=x", "w\\in\\{U+301C}.txt=w", "w\\in\\caf{U+00E9}=e"},
                             up;
    for (int i = 0; i < 2998; ++i) tree.push_back("w\\in\\f" + std::to_string(i) + "=f");
    std::vector<std::wstring> names;
    for (size_t i = 1; i < tree.size(); ++i)
        names.push_back(Widen(tree[i].substr(5, tree[i].find('=') - 5))),
            up.push_back(tree[i].substr(5));
    ASSERT_TRUE(MakeTree(s.Path(), tree));
    EXPECT_EQ(S_OK, Served(DropSelection("*", Widen(s / "w\\in"), names)));
    EXPECT_LT(0u, Count(s / "w\\in"));
    ASSERT_TRUE(WaitFor([&] { return Count(s / "w\\in") < names.size(); }, 60000));
    EXPECT_EQ(S_OK, Served(DropSelection("*", Widen(s / "v\\in"), {L"x"})));
    EXPECT_LT(0u, Count(s / "w\\in"));
    ASSERT_TRUE(WaitFor([&] { return Exists(s / "v\\x"); }, 120000));
    EXPECT_EQ(0u, Count(s / "w\\in"));
    EXPECT_EQ(1u, NoboProcesses().size());  // the server, lingering
    up.push_back("in\\");
    std::sort(up.begin(), up.end());
    std::string want;
    for (const std::string& e : up) want += (want.empty() ? "" : " ") + e;
    EXPECT_EQ(want, ListTree(s / "w"));
}

// Three clashes in one selection answered Yes, No, Yes, and a second
// selection dropped while the first question is open: Drop returns at once,
// the questions come one at a time in the order given, the second selection
// after the first, and the server leaves on its own once done.
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
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(server, 60000));
    TerminateProcess(server, 1);  // one that stays ends here, not in another test
    CloseHandle(server), CloseHandle(first), CloseHandle(second);
}

// Twenty selections, each dropped a while after the previous one's item has
// moved: ten around the moment the server stops taking new ones (2 s idle),
// ten around the moment it leaves (a second later). Each is served, by that
// server or by a new one; none fails. The times only place the drops on the
// boundaries (6 and 10 ms apart, about a client's time from finding the
// class to its first call): whatever each meets, all must pass.
TEST(Drop, SelectionsAcrossTheLingerServed)
{
    DropEntries entry;
    ASSERT_TRUE(entry.put);
    Scratch s("linger");
    std::vector<std::string> tree;
    for (int i = 0; i <= 20; ++i) tree.push_back("d" + std::to_string(i) + "\\in\\f=f");
    ASSERT_TRUE(MakeTree(s.Path(), tree));
    for (int i = 0; i <= 20; ++i) {
        const std::string d = s / ("d" + std::to_string(i));
        if (i > 0) Sleep(i <= 10 ? 1960 + 4 * i : 2920 + 4 * i);
        EXPECT_EQ(S_OK, Served(DropSelection("*", Widen(d + "\\in"), {L"f"}))) << i;
        EXPECT_TRUE(WaitFor([&] { return Exists(d + "\\f"); }, 60000)) << i;
    }
    EXPECT_TRUE(WaitFor([] { return NoboProcesses().empty(); }, 60000));
}

}  // namespace

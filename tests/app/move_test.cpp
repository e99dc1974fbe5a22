// Move mode through the real nobo.exe, started with an exact UTF-16 command
// line as Explorer starts it: where each named item ends up.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "support/files.h"
#include "support/program.h"
#include "support/registry.h"

namespace {

// The shell's "open" of folders replaced for a test's time: this test program
// leaves an empty file "opened" in the folder, as named (cmd would expand %NAME%).
const char kOpen[] = "Folder\\shell\\open\\command";
struct OpenRecorder {
    RegSaved saved{{kOpen}};
    std::string recorder = Quoted(BesideTest("headless_tests.exe")) + " --record-open \"%1\"";
    bool put = RegPut(kOpen, REG_SZ, std::string(recorder.c_str(), recorder.size() + 1));
};

// "C:" names the drive's current folder, here a scratch folder and not the
// root: an item in C:\ must stay, never go into that folder, a folder merged
// into C:\ goes into the root's folder, and the folder opened after a move
// into C:\ must be C:\ itself.
TEST(Move, DriveRoots)
{
    OpenRecorder recorder;
    Scratch s("cwd");
    const std::string tag = std::to_string(GetCurrentProcessId()), item = "C:\\nobo-root-" + tag,
                      inner = "C:\\nobo-w-" + tag, moved = "C:\\nobo-x-" + tag,
                      merged = "C:\\nobo-m-" + tag;
    ASSERT_TRUE(
        MakeTree("C:", {"nobo-root-" + tag + "=root", "nobo-w-" + tag + "\\nobo-x-" + tag + "=x",
                        "nobo-w-" + tag + "\\nobo-m-" + tag + "\\f=m", "nobo-m-" + tag + "\\g=g"}));
    RemoveTree("C:\\opened");
    Program nobo(NoboLine(Quoted(item) + " C:\\ /open " + Quoted(inner + "\\nobo-x-" + tag) + " " +
                          Quoted(inner + "\\nobo-m-" + tag)),
                 s.Path());
    // The merge's question, then (Wine-specific: its shell merges no folders)
    // the box that says the folder stayed.
    const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
    for (int answer : {IDYES, IDOK})
        if (HWND box = nobo.Next()) Press(box, answer);
    EXPECT_EQ(0, nobo.Wait());
    EXPECT_EQ("root", ReadBytes(item));
    EXPECT_EQ("x", ReadBytes(moved));
    EXPECT_EQ("m", ReadBytes((wine ? inner + "\\nobo-m-" + tag : merged) + "\\f"));
    EXPECT_TRUE(WaitFor([] { return Exists("C:\\opened"); }, 15000));
    Sleep(500);
    EXPECT_EQ("", ListTree(s.Path()));
    for (const std::string& p : {item, inner, moved, merged, std::string("C:\\opened")})
        RemoveTree(p);
}

struct MoveRow {
    const char* name;
    std::vector<std::string> tree;  // made in the scratch folder
    std::wstring args;              // '@' the scratch folder, '#' the short form of the next name
    const char* after;              // ListTree of the scratch folder afterwards
    size_t dropped;                 // arguments traced as having no exact form
    std::vector<int> answers;       // one per box expected
    std::vector<const char*> shortNames = {};  // in turn, for each '#'
    const char* readOnly = nullptr;
    const char* folder = nullptr;  // the working folder, in the scratch folder
};

// 表 is 95 5C, ソ 83 5C: trail bytes that are no separators. ア (83 41) and
// ヂ (83 61) differ only in a trail byte's ASCII case. é and ¥ have no exact
// form in code page 932, only the look-alikes e and \.
#define J10 "あいうえおかきくけこ"
#define J70 J10 J10 J10 J10 J10 J10 J10
#define WJ10 L"あいうえおかきくけこ"
#define WJ70 WJ10 WJ10 WJ10 WJ10 WJ10 WJ10 WJ10

// clang-format off
const MoveRow kMoves[] = {
    // A right-click on C:\\work\\inbox\\report.txt.
    {"a typical request", {"work\\inbox\\report.txt=r"}, L"\"@\\work\\inbox\\report.txt\"",
     "work\\ work\\inbox\\ work\\report.txt=r", 0, {}},
    {"trail bytes 5C", {"表\\ソ\\表=a", "ソ\\表\\ソ=b"}, L"\"@\\表\\ソ\\表\" \"@\\ソ\\表\\ソ\"",
     "ソ\\ ソ\\ソ=b ソ\\表\\ 表\\ 表\\ソ\\ 表\\表=a", 0, {}},
    {"8.3 short names of a file and a folder, a folder in another case", {"w\\in\\a long name.txt=a",
     "w\\in\\a long folder\\f=f", "w\\in\\Cased\\g=g"}, L"\"#\" \"#\" \"@\\W\\IN\\CASED\"",
     "w\\ w\\Cased\\ w\\Cased\\g=g w\\a long folder\\ w\\a long folder\\f=f w\\a long name.txt=a "
     "w\\in\\", 0, {}, {"w\\in\\a long name.txt", "w\\in\\a long folder"}},
    // Two camera folders: items of one folder given together, their names
    // shared with the other folder's, extensions hidden as Windows does.
    {"the items of two folders with the same names", {"p\\A\\x.txt=1", "p\\A\\y.txt=2",
     "q\\B\\x.txt=3", "q\\B\\y.txt=4"}, L"@\\p\\A\\x.txt @\\p\\A\\y.txt @\\q\\B\\x.txt @\\q\\B\\y.txt",
     "p\\ p\\A\\ p\\x.txt=1 p\\y.txt=2 q\\ q\\B\\ q\\x.txt=3 q\\y.txt=4", 0, {}},
    // Each item acted on once: one question for a clash named twice.
    {"read-only file and a clash, each twice, a missing one between", {"w\\in\\ro=r",
     "w\\in\\c=new", "w\\c=old"}, L"@\\w\\in\\ro @\\w\\in\\c @\\w\\in\\missing @\\W\\IN\\RO @\\w\\in\\c",
     "w\\ w\\c=old w\\in\\ w\\in\\c=new w\\ro=r", 0, {IDNO}, {}, "w\\in\\ro"},
    // Code page 932 has no exact form for these: its look-alikes stand beside.
    {"names beyond code page 932 beside their look-alikes", {"w\\in\\cafe=e",
     "w\\in\\caf{U+00E9}=acute", "w\\in\\x\\", "w\\in\\x{U+00A5}=yen", "w\\in\\10時{U+301C}=wave",
     "w\\in\\{U+2212}1=minus"}, L"\"@\\w\\in\\caf\u00e9\" \"@\\w\\in\\x\u00a5\" "
     L"\"@\\w\\in\\10時\u301c\" \"@\\w\\in\\\u22121\"", "w\\ w\\10時{U+301C}=wave "
     "w\\caf{U+00E9}=acute w\\in\\ w\\in\\cafe=e w\\in\\x\\ w\\x{U+00A5}=yen w\\{U+2212}1=minus", 0, {}},
    {"emoji names, a Hangul folder", {"w\\in\\{U+1F600}=f", "w\\in\\{U+1F600}d\\g=g",
     "h\\{U+D55C}{U+AE00}\\in\\k=k"}, L"\"@\\w\\in\\\U0001F600\" \"@\\w\\in\\\U0001F600d\" "
     L"\"@\\h\\\ud55c\uae00\\in\\k\"", "h\\ h\\{U+D55C}{U+AE00}\\ h\\{U+D55C}{U+AE00}\\in\\ "
     "h\\{U+D55C}{U+AE00}\\k=k w\\ w\\in\\ w\\{U+1F600}=f w\\{U+1F600}d\\ w\\{U+1F600}d\\g=g", 0, {}},
    // 141 Japanese characters: 282 bytes of code page 932, 141 UTF-16 units.
    {"141 Japanese characters", {"w\\in\\" J70 "\\" J70 "あ=j"}, L"\"@\\w\\in\\" WJ70 L"\\" WJ70 L"あ\"",
     "w\\ w\\in\\ w\\in\\" J70 "\\ w\\in\\" J70 "あ=j", 0, {}},
    {"look-alike folders", {"w\\in\\ア\\f=f", "w\\in\\ア\\g=kept", "w\\in\\ヂ\\g=named"},
     L"\"@\\w\\in\\ア\\f\" \"@\\w\\in\\ヂ\\g\"",
     "w\\ w\\in\\ w\\in\\f=f w\\in\\g=named w\\in\\ア\\ w\\in\\ア\\g=kept w\\in\\ヂ\\", 0, {}},
    // The shell would read a relative name against the desktop, which holds
    // a decoy of the same name.
    {"relative paths", {"w\\in\\nobo-decoy=a", "w\\in\\in\\b=b", "w\\in\\c=c"},
     L"nobo-decoy in\\b .\\c", "w\\ w\\c=c w\\in\\ w\\in\\b=b w\\in\\in\\ w\\nobo-decoy=a", 0,
     {}, {}, nullptr, "w\\in"},
    // Win32 would strip the dot or the space, of any name, and act on the other file.
    {"a name ending in a dot or a space", {"w\\in\\a.=dot", "w\\in\\a=a", "w\\in\\b =space",
     "w\\in\\b=b", "w\\in.\\f=dotted", "w\\in\\f=f"}, L"\"@\\w\\in\\a.\" \"@\\w\\in\\b \" @\\w\\in.\\f",
     "w\\ w\\in.\\ w\\in.\\f=dotted w\\in\\ w\\in\\a.=dot w\\in\\a=a w\\in\\b =space w\\in\\b=b "
     "w\\in\\f=f", 3, {}},
    // The folder opened is the very one: no name in it read again (%NAME% expanded).
    {"/open after an emoji name, in a folder named %USERNAME%", {"w\\{U+1F600}\\in\\a=a",
     "t\\%USERNAME%\\in\\b=b"}, L"/open \"@\\w\\\U0001F600\\in\\a\" \"@\\t\\%USERNAME%\\in\\b\"",
     "t\\ t\\%USERNAME%\\ t\\%USERNAME%\\b=b t\\%USERNAME%\\in\\ t\\%USERNAME%\\opened= "
     "w\\ w\\{U+1F600}\\ w\\{U+1F600}\\a=a w\\{U+1F600}\\in\\ w\\{U+1F600}\\opened=", 0, {}},
    // A selection named in another letter case than the folders have.
    {"/open in any case", {"w\\in\\a=a", "w\\in\\c=c", "v\\in\\b=b"},
     L"\"@\\W\\IN\\a\" /oPEN \"@\\W\\IN\\c\" \"@\\w\\in\\gone\" \"@\\v\\in\\b\"",
     "v\\ v\\b=b v\\in\\ v\\opened= w\\ w\\a=a w\\c=c w\\in\\ w\\opened=", 0, {}},
    // Wine-specific: its shell merges no folders, so v\in\X stays, a box says
    // so and v is not opened (Windows merges it into v\X and opens v).
    {"/open, a failed and a declined move",
     {"v\\in\\X\\f=x", "v\\X\\g=g", "w\\in\\a=a", "w\\a=old", "u\\in\\c=c"},
     L"/open \"@\\v\\in\\X\" \"@\\w\\in\\a\" \"@\\u\\in\\c\"",
     "u\\ u\\c=c u\\in\\ u\\opened= v\\ v\\X\\ v\\X\\g=g v\\in\\ v\\in\\X\\ v\\in\\X\\f=x "
     "w\\ w\\a=old w\\in\\ w\\in\\a=a", 0, {IDYES, IDOK, IDNO}},
    // An archive unpacked into a folder of its own name: the inner folder
    // dissolves into the outer one (opened once); a clash declined inside
    // keeps it, under its own name (not opened).
    {"folders moved up into their own parents, a clash inside declined", {"w\\f\\F\\a=a",
     "w\\f\\F\\s\\c=c", "w\\f\\F\\b=new", "w\\f\\b=old", "v\\d\\d\\d\\x=x"},
     L"@\\w\\f\\F /open @\\v\\d\\d", "v\\ v\\d\\ v\\d\\d\\ v\\d\\d\\x=x v\\opened= w\\ w\\f\\ "
     "w\\f\\F\\ w\\f\\F\\b=new w\\f\\a=a w\\f\\b=old w\\f\\s\\ w\\f\\s\\c=c", 0,
     {IDYES, IDNO, IDYES}},
};
// clang-format on

std::wstring Expand(const MoveRow& row, const std::string& root)
{
    std::wstring out;
    size_t next = 0;
    for (wchar_t c : row.args) {
        char shortPath[MAX_PATH] = "";
        if (c == L'#')
            GetShortPathNameA((root + "\\" + row.shortNames[next++]).c_str(), shortPath, MAX_PATH);
        out += c == L'@' ? Widen(root) : c == L'#' ? Widen(shortPath) : std::wstring(1, c);
    }
    return out;
}

TEST(Move, Table)
{
    OpenRecorder recorder;
    char desktop[MAX_PATH];
    ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop));
    const std::string decoy = desktop + std::string("\\nobo-decoy");
    for (const MoveRow& row : kMoves) {
        SCOPED_TRACE(row.name);
        Scratch s("move");
        ASSERT_TRUE(MakeTree(s.Path(), row.tree));
        ASSERT_TRUE(WriteBytes(decoy, "decoy"));
        if (row.readOnly) SetFileAttributesA((s / row.readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
        Program nobo(NoboLine("") + Expand(row, s.Path()), row.folder ? s / row.folder : "");
        size_t boxes = 0;
        while (HWND box = nobo.Next())
            Press(box, ++boxes <= row.answers.size() ? row.answers[boxes - 1] : IDNO);
        EXPECT_EQ(0, nobo.Wait());
        EXPECT_EQ(row.answers.size(), boxes);
        // The shell opens folders in processes of their own: wait for them,
        // and a little longer for an open too many.
        if (strstr(row.after, "opened")) {
            WaitFor([&] { return ListTree(s.Path()) == row.after; }, 15000);
            Sleep(500);
        }
        EXPECT_EQ(row.after, ListTree(s.Path()));
        EXPECT_EQ("decoy", ReadBytes(decoy));
        RemoveTree(decoy);
        const std::vector<std::string> trace = nobo.Trace();
        EXPECT_EQ("argv[ 0]=" + BesideTest("nobo.exe") + "\r\n", trace.at(0));
        EXPECT_EQ(row.dropped, std::count_if(trace.begin(), trace.end(), [](const std::string& t) {
                      return t.find(" ignored: ") != std::string::npos;
                  }));
    }
}

// Under code page 1252 the ANSI command line holds é exactly but č only as its
// look-alike c, which stands beside it; the boxes' texts must still read as
// Japanese. The code page comes from the locale the whole test process starts
// in: its own CTest entry runs this under C.UTF-8 (1252).
TEST(OtherCodePage, EveryNameMovesAndBoxesStayJapanese)
{
    if (GetACP() == 932) GTEST_SKIP() << "runs in its own CTest entry under code page 1252";
    Scratch s("cp");
    ASSERT_TRUE(MakeTree(s.Path(), {"in\\{U+00E9}\\x\\", "in\\{U+010D}=hacek", "in\\c=plain",
                                    "in\\a\\b=new", "in\\b=old"}));
    const Outcome run = RunNobo(Quoted(s / "in\\{U+00E9}\\x") + " " + Quoted(s / "in\\{U+010D}") +
                                " " + Quoted(s / "in\\a\\b"));
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_EQ("上書き確認 - [nobo]", run.boxes[0].caption);
    EXPECT_EQ(
        "以下のファイルは既に存在します。\n\n" + s / "in\\b" + "\n\n上書きしてもよろしいですか？",
        run.boxes[0].text);
    EXPECT_EQ(
        "in\\ in\\a\\ in\\a\\b=new in\\b=old in\\c=plain in\\x\\ in\\{U+00E9}\\ {U+010D}=hacek",
        ListTree(s.Path()));
}

// The limit counts UTF-16 units, as MAX_PATH does: a path of 259 units that
// ends in an emoji (a surrogate pair) moves, one of 260 stays. Explorer may
// pass 8.3 names: the shell's parse gives the long form, here past 259
// characters, which Wine cuts to 259 and still succeeds (Windows fails); a file
// named as that cut stands in the same folder, and neither moves.
TEST(Move, PathLimits)
{
    Scratch s("limit");
    const size_t k = 259 - s.Path().size() - 5;
    const std::string at = "p\\" + std::string(k, 'a') + "{U+1F600}",
                      past = "q\\" + std::string(k + 1, 'a') + "{U+1F600}",
                      in = std::string(50, 'A') + "\\" + std::string(50, 'B') + "\\" +
                           std::string(50, 'C') + "\\",
                      name(80, 'n'), cut = name.substr(0, 259 - (s / in).size());
    ASSERT_TRUE(
        MakeTree(s.Path(), {at + "=at", past + "=past", in + name + "=n", in + cut + "=c"}));
    char shortIn[MAX_PATH] = "";
    ASSERT_NE(0u, GetShortPathNameA((s / in).c_str(), shortIn, MAX_PATH));
    const Outcome run =
        RunNobo(Quoted(s / at) + " " + Quoted(s / past) + " " + Quoted(shortIn + name));
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ("at past n c", ReadBytes(s / at.substr(2)) + " " + ReadBytes(s / past) + " " +
                                 ReadBytes(s / in + name) + " " + ReadBytes(s / in + cut));
}

// 64-bit Windows shows a 32-bit program SysWOW64 where it names System32: the
// x86 build must never move the twin there. This test program is built as
// nobo.exe is and reaches the real System32 the same way, or as Sysnative.
TEST(Move, RedirectedTwinStays)
{
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    const std::string sys = wow64 ? "C:\\windows\\sysnative" : "C:\\windows\\system32",
                      twin = "C:\\windows\\syswow64",
                      tag = "\\nobo-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(MakeTree(sys, {tag.substr(1) + "\\in\\a=named"}) &&
                MakeTree(twin, {tag.substr(1) + "\\in\\a=twin"}));
    RunNobo(Quoted("C:\\windows\\system32" + tag + "\\in\\a"));
    EXPECT_EQ("twin", ReadBytes(twin + tag + "\\in\\a"));
    EXPECT_EQ(wow64 ? "named" : "<missing>", ReadBytes(sys + tag + "\\in\\a"));
    EXPECT_EQ(RemoveTree(sys + tag), RemoveTree(twin + tag));
}

}  // namespace

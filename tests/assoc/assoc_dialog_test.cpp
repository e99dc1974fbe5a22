// Setup mode of the real nobo.exe, driven from outside by the messages a
// person's clicks and keys send: what the registry holds after the dialog,
// byte for byte, and how its layout behaves (relations, never pixel values).
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>

#include "resource.h"
#include "support/explorer.h"
#include "support/files.h"
#include "support/program.h"
#include "support/registry.h"

static bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

namespace {

// A class "*" may name instead of holding the entry itself.
#define CLASS "nobo.test.class"
#define CLASS_ID "{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}"
// The three classes and nobo's COM class of the machine, then the user's own (~).
const char* const kClasses[] = {"*",          "Directory",        CLASS, "CLSID\\" CLASS_ID, "~*",
                                "~Directory", "~CLSID\\" CLASS_ID};
const char kVerb[] = "shell\\Vellanort.nobo";

struct Row {
    const char* name;
    std::vector<std::tuple<const char*, DWORD, const char*>> before;  // texts terminated;
                                                                      // "key>name": a named value
    const char* shown;     // at each opening: each kind checked (2: unknown), the files' menu text
    const char* acts;      // RO: as a standard user; NR: the files' entry unreadable; RC: the
                           // class read-only; F D: click a checkbox; f=T d=T c=T: type a menu
                           // text or the files' command (~ a space, %P this program, LONG 16,382
                           // あ); R: reset; ?: show; then OK, Cancel, Esc or Close; Drop: a file
                           // through the files' entry; Open: start it again; Yes: answer so
    const char* boxes;     // each box's caption and text (answered No, or OK)
    const char* after[7];  // what each class's verb key holds afterwards, and nobo's COM
                           // class; null: unchanged
    const wchar_t* folder = nullptr;  // run as a copy in a folder of this name
};

// clang-format off
#define OLD "\"C:\\old\\nobo.exe\" \"%1\""
#define OURS(cls) {cls "\\shell\\Vellanort.nobo", REG_SZ, "上へ(&U)"}, \
                  {cls "\\shell\\Vellanort.nobo\\command", REG_SZ, OLD}
#define SYSROOT "\"%SystemRoot%\\nobo.exe\" \"%1\""
// Set up by an administrator's script: the command expandable, an icon of its own.
#define SCRIPTED(cls) {cls "\\shell\\Vellanort.nobo", REG_SZ, "上へ(&U)"}, \
    {cls "\\shell\\Vellanort.nobo\\command", REG_EXPAND_SZ, SYSROOT}, \
    {cls "\\shell\\Vellanort.nobo>Icon", REG_SZ, "C:\\custom.ico,3"}
#define VERB "[\\shell\\Vellanort.nobo"
// An entry's values: the command's type, then the verb key's further lines.
#define VALUES(menu, type, command, rest) VERB "\\command]; " VERB "\\command]=" type ":" \
    command "\\0; " VERB "]; " VERB "]=1:" menu "\\0" rest
#define ENTRY(menu, command) VALUES(menu, "1", command, "; " VERB "]Icon=1:%P,0\\0; " \
    VERB "]MultiSelectModel=1:Player\\0")
const char kNone[] = "00 ↑へ移動";
const char kOurs[] = "10 上へ(&U)";
// The drop target of an entry, nobo's class as registered by an older copy and now.
#define DROP_TARGET(cls) {cls "\\shell\\Vellanort.nobo\\DropTarget>Clsid", REG_SZ, CLASS_ID}
#define OLD_SERVER(at) {at "CLSID\\" CLASS_ID "\\LocalServer32", REG_SZ, "\"C:\\old\\nobo.exe\""}
#define SERVER "[\\LocalServer32]; [\\LocalServer32]=1:%P\\0; []"
#define DROP VERB "\\DropTarget]; " VERB "\\DropTarget]Clsid=1:" CLASS_ID "\\0; "
#define OUR_ENTRY(menu) DROP ENTRY(menu, "%P \"%1\"")
#define REFUSED(kind) "関連づけエラー - [nobo]: 以下の関連づけを変更できませんでした。\n\n" \
    kind "\n\n管理者として nobo を起動し直しますか？"
#define TYPED "移動{U+1F600}{U+00E9}"

const Row kRows[] = {
    {"files ticked, by an administrator", {}, kNone, "F OK", "", {OUR_ENTRY("↑へ移動"), 0, 0, SERVER}},
    // The class now names this program: the files' entry runs its own per item.
    {"folders ticked, text typed", {OURS("*"), DROP_TARGET("*"), OLD_SERVER("")}, kOurs,
     "D d=下へ OK", "", {VALUES("上へ(&U)", "1", OLD, ""), OUR_ENTRY("下へ"), 0, SERVER}},
    {"the menu text changed alone, in letter case: the rest stays", {SCRIPTED("*")}, kOurs,
     "f=上へ(&u) OK", "", {VALUES("上へ(&u)", "2", SYSROOT, "; " VERB "]Icon=1:C:\\custom.ico,3\\0")}},
    {"the command changed to this program's: still expandable, our icon", {SCRIPTED("*")}, kOurs,
     "c=%P~\"%1\" OK", "",
     {DROP VALUES("上へ(&U)", "2", "%P \"%1\"", "; " VERB "]Icon=1:%P,0\\0"), 0, 0, SERVER}},
    {"ours unticked: its drop target and the class go", {OURS("*"), DROP_TARGET("*"),
     OLD_SERVER("")}, kOurs, "F OK", "", {"", 0, 0, ""}},
    {"ours unticked in the class * names; the class cannot go", {{"*", REG_SZ, CLASS}, OURS(CLASS),
     DROP_TARGET(CLASS), OLD_SERVER("")}, kOurs, "RC F OK", REFUSED("* ファイル"), {0, 0, ""}},
    {"* names a class in binary, unterminated", {{"*", REG_BINARY, CLASS},
     {CLASS "\\shell", REG_NONE, ""}}, kNone, "F OK", "", {0, 0, OUR_ENTRY("↑へ移動"), SERVER}},
    {"edits cancelled", {}, kNone, "F D f=a d=b Cancel", "", {}},
    {"edits left with Esc", {}, kNone, "F D f=a Esc", "", {}},
    {"edits left by the close box", {}, kNone, "F D Close", "", {}},
    {"edits reset", {OURS("*")}, kOurs, "F D f=a d=b R OK", "", {}},
    {"an entry it cannot read: unknown, its class kept", {OURS("*"), DROP_TARGET("*"),
     OURS("Directory"), DROP_TARGET("Directory"), OLD_SERVER("")}, "21 ↑へ移動", "NR D OK", "",
     {0, ""}},
    {"a standard user ticks both: their own", {}, "00 ↑へ移動 / 11 ↑へ移動", "RO F D OK Drop Open",
     "", {0, 0, 0, 0, OUR_ENTRY("↑へ移動"), OUR_ENTRY("↑へ移動"), SERVER}},
    {"a standard user unticks their own: gone, and their class", {OURS("~*"), DROP_TARGET("~*"),
     OURS("~Directory"), DROP_TARGET("~Directory"), OLD_SERVER("~")}, "11 上へ(&U)", "RO F D OK",
     "", {0, 0, 0, 0, "", "", ""}},
    // Code page 932 writes these only as look-alikes (Zoe, ??, ??e).
    {"ticked, run from an emoji", {}, kNone, "F OK", "", {OUR_ENTRY("↑へ移動"), 0, 0, SERVER},
     L"\U0001F600"},
    // The files' entry is the user's, without a drop target: the user's class would take
    // the machine's folders to this program.
    {"a standard user ticks files and unticks the machine's folders, Yes: this very program again",
     {OURS("Directory"), DROP_TARGET("Directory"), OLD_SERVER("")},
     "01 ↑へ移動 / 11 ↑へ移動", "RO F D OK Yes", REFUSED("ディレクトリ") "; started %P \"%1\"",
     {0, 0, 0, 0, ENTRY("↑へ移動", "%P \"%1\"")}, L"Zo\u00eb"},
    // Our command edited: the drop target goes, the class stays for the folders.
    {"typed beyond code page 932", {OURS("*"), DROP_TARGET("*"), OURS("Directory"),
     DROP_TARGET("Directory"), OLD_SERVER("")}, "11 上へ(&U)",
     "f=" TYPED " c=\"C:\\old\\nobo.exe\"~\"%1\"~/open OK", "",
     {VALUES(TYPED, "1", OLD " /open", "")}},
    // 16,384 units: the store holds 16,383, the last of them half an emoji.
    {"a menu text longer than the store holds", {}, "00 ↑へ移動 / 10 LONG{U+D83D} / 10 LONG",
     "F f=LONG{U+1F600} ? OK Open", "", {OUR_ENTRY("LONG"), 0, 0, SERVER}},
};
// clang-format on

}  // namespace

TEST(AssocDialog, EndsWithTheRegistryAsTheUserLeftIt)
{
    const std::string kLong = Narrow(std::wstring(16382, L'あ'));
    std::string exe;  // the program run, quoted, as %P; kLong as LONG
    auto replace = [](std::string all, std::vector<std::pair<std::string, std::string>> pairs) {
        for (auto [from, to] : pairs)
            for (size_t at; (at = all.find(from)) != std::string::npos;)
                all.replace(at, from.size(), to);
        return all;
    };
    auto squeeze = [&](const std::string& all) {
        return replace(all, {{exe, "%P"}, {kLong, "LONG"}});
    };
    auto shown = [&](HWND dlg) {
        static wchar_t menu[20000];
        SendDlgItemMessageW(dlg, IDC_FILE_MENU, WM_GETTEXT, 20000, reinterpret_cast<LPARAM>(menu));
        return std::to_string(IsDlgButtonChecked(dlg, IDC_FILE_ENABLE)) +
               std::to_string(IsDlgButtonChecked(dlg, IDC_DIR_ENABLE)) + " " +
               squeeze(Narrow(menu));
    };
    // Each class's tree but our verb | what its verb holds, or what a row expects there;
    // the user's class and shell keys are there exactly while our verb is.
    auto trees = [&](const Row* row) {
        std::string all;
        for (int c = 0; c < 7; ++c) {
            const bool cls = c != 3 && c != 6, user = c > 3;
            const std::string verb = row && row->after[c]
                                         ? row->after[c]
                                         : squeeze(RegDump(kClasses[c], cls ? kVerb : "", true));
            all += (!cls          ? ""
                    : row && user ? (verb.empty() ? "" : "[\\shell]; []")
                                  : RegDump(kClasses[c], kVerb)) +
                   " | " + verb + "\n";
        }
        return all;
    };
    // Wine's shell tells no other process of SHCNE_ASSOCCHANGED; it starts "winemenubuilder.exe
    // -a", which waits for this semaphore first: held, each notice stays a process.
    struct Held {
        HANDLE h;
        ~Held()
        {
            ReleaseSemaphore(h, 1, nullptr), CloseHandle(h);
        }
    } notices{CreateSemaphoreA(nullptr, 0, 1, "winemenubuilder_semaphore")};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> keys(kClasses, kClasses + 6);
        keys.push_back("~CLSID");
        RegSaved saved(keys);
        // Another program's verb beside ours must survive every change.
        for (const char* other : {"*\\shell\\edit", "Directory\\shell\\edit"})
            ASSERT_TRUE(RegPut(other, REG_SZ, std::string("編集", sizeof "編集")));
        for (const auto& [key, type, data] : row.before) {
            const std::wstring wide = Widen(data);  // a class name is read in UTF-16
            ASSERT_TRUE(RegPut(
                key, type,
                type == REG_BINARY
                    ? std::string(reinterpret_cast<const char*>(wide.data()), 2 * wide.size())
                    : std::string(data, strlen(data) + (type != REG_NONE))));
        }
        Scratch s("setup");
        std::wstring path = Widen(BesideTest("nobo.exe"));
        if (row.folder) {
            const std::wstring copy = Widen(s.Path()) + L"\\" + row.folder + L"\\nobo.exe";
            ASSERT_TRUE(CreateDirectoryW(copy.substr(0, copy.rfind(L'\\')).c_str(), nullptr));
            ASSERT_TRUE(CopyFileW(path.c_str(), copy.c_str(), TRUE));
            path = copy;
        }
        exe = Quoted(Narrow(path));
        const std::string expected = trees(&row), was = trees(nullptr);
        const size_t told = NoboProcesses(L"winemenubuilder.exe").size();
        std::optional<RegReadOnly> locked;
        const std::string lock = std::string(row.acts).substr(0, 2);
        if (lock == "RO") locked.emplace(std::vector<std::string>{"*", "Directory"});
        if (lock == "NR")
            locked.emplace(std::vector<std::string>{"*\\shell\\Vellanort.nobo"}, "D:P");
        if (lock == "RC") locked.emplace(std::vector<std::string>{"CLSID\\" CLASS_ID});
        std::optional<Program> nobo(std::in_place, L"\"" + path + L"\"");
        HWND dlg = nobo->Next("nobo の関連づけ");
        ASSERT_TRUE(dlg);
        std::string opened = shown(dlg);
        // After OK, without a box: a refusal fails the row at once.
        auto ended = [&] { return !nobo->Next() && !nobo->Wait(); };
        std::istringstream acts(row.acts);
        for (std::string act; acts >> act;) {
            const bool dir = act[0] == 'D' || act[0] == 'd';
            if (act == "F" || act == "D")
                SendDlgItemMessageW(dlg, dir ? IDC_DIR_ENABLE : IDC_FILE_ENABLE, BM_CLICK, 0, 0);
            act = replace(act, {{"~", " "}, {"%P", exe}, {"LONG", kLong}});
            // Pasted, as the edit takes it: no more than its limit.
            const int edit = act[0] == 'c' ? IDC_FILE_COMMAND : dir ? IDC_DIR_MENU : IDC_FILE_MENU;
            if (act[1] == '=') SendDlgItemMessageW(dlg, edit, EM_SETSEL, 0, -1);
            if (act[1] == '=')
                SendDlgItemMessageW(dlg, edit, EM_REPLACESEL, 0,
                                    reinterpret_cast<LPARAM>(Widen(act.substr(2)).c_str()));
            if (act == "R") SendMessageW(dlg, WM_SYSCOMMAND, IDM_RESET_SETTINGS, 0);
            if (act == "?") opened += " / " + shown(dlg);
            if (act == "OK" || act == "Cancel") Press(dlg, act == "OK" ? IDOK : IDCANCEL);
            if (act == "Esc") PostMessageW(dlg, WM_KEYDOWN, VK_ESCAPE, 0);
            if (act == "Close") PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
            if (act == "Drop") {
                // As Explorer: the entry's drop target, one nobo moving the selection.
                // Wine-specific: Windows' COM reads the user's classes first, Wine 8's the
                // machine's alone (docs/wine.md): the user's server stands in there meanwhile.
                ASSERT_TRUE(ended());
                RegSaved machine({"CLSID\\" CLASS_ID});
                ASSERT_TRUE(RegPut("CLSID\\" CLASS_ID "\\LocalServer32", REG_SZ, exe + '\0'));
                Scratch d("setup-drop");
                ASSERT_TRUE(MakeTree(d.Path(), {"in\\a=a"}));
                HANDLE drop = DropSelection("*", Widen(d / "in"), {L"a"});
                EXPECT_TRUE(WaitFor([&] { return Exists(d / "a"); }, 60000));
                EXPECT_EQ(1u, NoboProcesses().size());
                EXPECT_TRUE(!WaitForSingleObject(drop, 30000) && CloseHandle(drop));
            }
            if (act == "Open") {
                ASSERT_TRUE(ended());
                nobo.emplace(L"\"" + path + L"\"");
                opened += " / " + shown(dlg = nobo->Next("nobo の関連づけ"));
                Press(dlg, IDCANCEL);
            }
        }
        const std::string left = shown(dlg);
        std::string boxes;
        while (HWND box = nobo->Next("", 10000)) {
            WaitFor([&] { return !ItemText(box, 0xFFFF).empty(); }, 2000);
            boxes += Text(box) + ": " + ItemText(box, 0xFFFF);
            EXPECT_EQ(dlg, GetWindow(box, GW_OWNER));
            const bool yes = strstr(row.acts, "Yes");
            Press(box, yes ? IDYES : GetDlgItem(box, IDNO) ? IDNO : IDOK);
            // No (or OK) goes back to the dialog as the user left it; Yes gives way to
            // the instance it started (shown once filled), which opens with what is
            // registered now and whose command names the program it runs.
            HWND again = dlg;
            EXPECT_TRUE(WaitFor([&] {
                return !IsWindow(box) &&
                       (yes ? !IsWindow(dlg) &&
                                  IsWindowVisible(again = FindWindowW(nullptr, L"nobo の関連づけ"))
                            : IsWindowEnabled(dlg));
            }));
            if (yes) boxes += "; started " + squeeze(ItemText(again, IDC_FILE_COMMAND));
            const std::string now = shown(again);
            if (yes) opened += " / " + now;
            EXPECT_EQ(yes ? now : left, now);
            DWORD id = 0;
            GetWindowThreadProcessId(again, &id);
            const HANDLE started = OpenProcess(SYNCHRONIZE, FALSE, id);
            Press(again, IDCANCEL);
            // Its file goes with the scratch folder only once it has ended.
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(started, 60000));
            CloseHandle(started);
        }
        EXPECT_EQ(0, nobo->Wait());
        EXPECT_EQ(row.shown, opened);
        EXPECT_EQ(row.boxes, boxes);
        // Explorer is told of every change, and of nothing else.
        EXPECT_EQ(expected != was, NoboProcesses(L"winemenubuilder.exe").size() > told);
        locked.reset();
        EXPECT_EQ(expected, trees(nullptr));
    }
}

TEST(AssocDialog, DetailsMoveWhatLiesBelowAndTheDialogStaysInTheWorkArea)
{
    auto rect = [](HWND w) {
        RECT r{};
        return GetWindowRect(w, &r), r;
    };
    auto inside = [](RECT r, RECT area) { return !SubtractRect(&r, &r, &area); };
    // Each control's rectangle in the client area, and whether it is shown.
    auto layout = [&](HWND dlg) {
        std::map<int, std::pair<RECT, bool>> all;
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r = rect(c);
            MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
            all[GetDlgCtrlID(c)] = {r, IsWindowVisible(c) != FALSE};
        }
        return all;
    };
    // Shown controls that overlap where neither holds the other whole (a group box its fields).
    auto misplaced = [&](HWND dlg) {
        std::string wrong;
        RECT both;
        const auto all = layout(dlg);
        for (const auto& [id, a] : all)
            for (const auto& [other, b] : all)
                if (id < other && a.second && b.second &&
                    IntersectRect(&both, &a.first, &b.first) && !(both == a.first) &&
                    !(both == b.first))
                    wrong += std::to_string(id) + "/" + std::to_string(other) + " ";
        return wrong;
    };
    // The size the dialog takes when asked for this one.
    auto size = [&](HWND dlg, LONG cx = 0, LONG cy = 0) {
        if (cx)
            SetWindowPos(dlg, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r = rect(dlg);
        return std::make_pair(r.right - r.left, r.bottom - r.top);
    };

    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    // Opened centred on the mouse in the work area's corner: no room to grow.
    POINT mouse;
    GetCursorPos(&mouse);
    SetCursorPos(area.right - 1, area.bottom - 1);
    Program nobo(NoboLine(""));
    HWND dlg = nobo.Next("nobo の関連づけ");
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(inside(rect(dlg), area) && rect(dlg).right == area.right);
    EXPECT_EQ("", misplaced(dlg));
    const auto opened = layout(dlg);
    const auto [cx, cy] = size(dlg);
    // Collapsed, neither wider nor taller.
    EXPECT_EQ(std::make_pair(cx, cy), size(dlg, cx + 40, cy + 30));
    for (auto [details, group] :
         {std::pair(IDC_FILE_DETAILS, IDC_FILE_GROUP), {IDC_DIR_DETAILS, IDC_DIR_GROUP}}) {
        SCOPED_TRACE(details);
        const LONG bottom = opened.at(details).first.bottom;
        const LONG band = opened.at(group).first.bottom - bottom;
        SendMessageW(GetDlgItem(dlg, details), BM_CLICK, 0, 0);
        // Its band is shown in place; of the rest, what lies below moves down by it.
        const auto expanded = layout(dlg);
        for (const auto& [id, was] : opened) {
            // Its own band: hidden, numbered as its kind (11xx files, 12xx folders).
            const bool own = !was.second && id / 100 == details / 100;
            if (!was.second && !own) continue;
            EXPECT_TRUE(expanded.at(id).second) << id;
            EXPECT_EQ(was.first.top + (!own && was.first.top >= bottom ? band : 0),
                      expanded.at(id).first.top)
                << id;
        }
        EXPECT_EQ(std::make_pair(2 * cx, cy + band), size(dlg));
        EXPECT_TRUE(inside(rect(dlg), area));
        EXPECT_EQ("", misplaced(dlg));
        // Expanded: not narrower than twice the initial width, wider at will, never taller.
        EXPECT_EQ(std::make_pair(2 * cx, cy + band), size(dlg, cx, cy));
        EXPECT_EQ(std::make_pair(2 * cx + 50, cy + band), size(dlg, 2 * cx + 50, cy));
        // Minimised and restored, or reset: nothing moves.
        const auto wide = layout(dlg);
        ShowWindow(dlg, SW_MINIMIZE);
        EXPECT_TRUE(IsIconic(dlg));
        ShowWindow(dlg, SW_RESTORE);
        SetWindowTextW(GetDlgItem(dlg, IDC_FILE_MENU), L"x");
        SendMessageW(dlg, WM_SYSCOMMAND, IDM_RESET_SETTINGS, 0);
        EXPECT_TRUE(wide == layout(dlg));
        // Collapsed again: all as it opened.
        SendMessageW(GetDlgItem(dlg, details), BM_CLICK, 0, 0);
        EXPECT_TRUE(opened == layout(dlg));
        EXPECT_EQ(std::make_pair(cx, cy), size(dlg));
    }
    // The background drags the dialog; only the side edges and corners size it.
    auto hit = [&](LONG x, LONG y) { return SendMessageW(dlg, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    POINT background = {2, 2};
    EXPECT_EQ(dlg, ChildWindowFromPoint(dlg, background));
    ClientToScreen(dlg, &background);
    EXPECT_EQ(HTCAPTION, hit(background.x, background.y));
    EXPECT_EQ(HTRIGHT, hit(rect(dlg).right - 1, rect(dlg).bottom - 1));
    SetCursorPos(mouse.x, mouse.y);
    Press(dlg, IDCANCEL);
}

// Setup mode of the real nobo.exe, driven from outside as a person would by
// its messages: what is registered before, what is done in the dialog, how it
// ends, and what the registry holds afterwards, byte for byte.
#include <gtest/gtest.h>

#include <memory>

#include "resource.h"
#include "support/program.h"
#include "support/registry.h"

namespace {

// Classes "*" may name instead of holding the entry itself; one with a name
// nearly as long as a key name may be: a read that runs past its end meets
// what the buffer held before.
#define CLASS "nobo.test.class"
#define X32 "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
#define LONG_CLASS CLASS X32 X32 X32 X32 X32 X32 X32 "xxxxx"

const char kVerb[] = "shell\\Vellanort.nobo";
const char* const kClasses[] = {"*", "Directory", CLASS, LONG_CLASS};
const int kEnable[] = {IDC_FILE_ENABLE, IDC_DIR_ENABLE};
const int kMenu[] = {IDC_FILE_MENU, IDC_DIR_MENU};

struct Put {
    const char* key;
    DWORD type;
    const char* data;
    bool unterminated = false;
};

struct Row {
    const char* name;
    std::vector<Put> before;
    bool readOnly;        // a standard user's rights on the classes
    const char* shown;    // each kind at opening: checked, menu text
    unsigned toggle;      // checkboxes clicked: bit 0 files, bit 1 folders
    const char* menu[2];  // typed into each kind's menu edit (null: left alone)
    bool reset;           // the system menu's reset, after all that
    UINT endMessage;      // posted to the dialog to end it
    WPARAM endParam;
    const char* boxes;     // the error box's caption and text (each answered No)
    const char* after[4];  // each class's verb key afterwards; null: unchanged
};

#define OURS(key)                         \
    {key, REG_SZ, "上へ(&U)"},            \
    {                                     \
        key "\\command", REG_SZ, "old %1" \
    }
#define ENTRY(menu) "[]; []=1:" menu "\\x00; [command\\]; [command\\]=1:%C\\x00"
const char kNothing[] = "0 ↑へ移動|0 ↑へ移動";
const char kOursShown[] = "1 上へ(&U)|0 ↑へ移動";
const char kRefused[] =
    "関連づけエラー - [nobo]: 以下の関連づけを変更できませんでした。\n\n"
    "ディレクトリ\n\n管理者として nobo を起動し直しますか？";

const Row kRows[] = {
    {"files ticked", {}, false, kNothing, 1, {}, false, WM_COMMAND, IDOK, "", {ENTRY("↑へ移動")}},
    {"folders ticked with a menu text",
     {},
     false,
     kNothing,
     2,
     {nullptr, "下へ"},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {nullptr, ENTRY("下へ")}},
    {"our menu text edited alone",
     {OURS("*\\shell\\Vellanort.nobo")},
     false,
     kOursShown,
     0,
     {"下へ"},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {"[]; []=1:下へ\\x00; [command\\]; [command\\]=1:old %1\\x00"}},
    {"ours unticked, a foreign subkey under it",
     {OURS("*\\shell\\Vellanort.nobo"), {"*\\shell\\Vellanort.nobo\\DropTarget", REG_SZ, "x"}},
     false,
     kOursShown,
     1,
     {},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {""}},
    {"ours in the class that * names, unticked",
     {{"*", REG_SZ, CLASS}, OURS(CLASS "\\shell\\Vellanort.nobo")},
     false,
     kOursShown,
     1,
     {},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {nullptr, nullptr, ""}},
    {"* names a class in binary, unterminated",
     {{"*", REG_BINARY, LONG_CLASS, true}, {LONG_CLASS "\\shell", REG_NONE, ""}},
     false,
     kNothing,
     1,
     {},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {nullptr, nullptr, nullptr, ENTRY("↑へ移動")}},
    {"* holds a display name, no class",
     {{"*", REG_SZ, "すべてのファイル"}},
     false,
     kNothing,
     1,
     {},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {ENTRY("↑へ移動")}},
    {"values of the wrong type, unterminated",
     {{"*\\shell\\Vellanort.nobo", REG_BINARY, "上へ", true},
      {"*\\shell\\Vellanort.nobo\\command", REG_EXPAND_SZ, "old %1"}},
     false,
     "1 上へ|0 ↑へ移動",
     0,
     {},
     false,
     WM_COMMAND,
     IDOK,
     "",
     {}},
    {"edits cancelled", {}, false, kNothing, 3, {"a", "b"}, false, WM_COMMAND, IDCANCEL, "", {}},
    {"edits left with Esc", {}, false, kNothing, 3, {"a"}, false, WM_KEYDOWN, VK_ESCAPE, "", {}},
    {"edits left by the close box",
     {},
     false,
     kNothing,
     3,
     {},
     false,
     WM_SYSCOMMAND,
     SC_CLOSE,
     "",
     {}},
    {"edits reset, then OK",
     {OURS("*\\shell\\Vellanort.nobo")},
     false,
     kOursShown,
     3,
     {"a", "b"},
     true,
     WM_COMMAND,
     IDOK,
     "",
     {}},
    {"standard user: ours shown, folders refused",
     {OURS("*\\shell\\Vellanort.nobo")},
     true,
     kOursShown,
     2,
     {},
     false,
     WM_COMMAND,
     IDOK,
     kRefused,
     {}},
};

// Each %C as the default command line: this nobo.exe on the clicked item.
std::string Expand(std::string text)
{
    const std::string command = Quoted(BesideTest("nobo.exe")) + " \"%1\"";
    for (size_t at; (at = text.find("%C")) != std::string::npos;) text.replace(at, 2, command);
    return text;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

std::string Shown(HWND dlg)
{
    std::string shown;
    for (int kind : {0, 1})
        shown += (kind ? "|" : "") + std::to_string(IsDlgButtonChecked(dlg, kEnable[kind])) + " " +
                 ItemText(dlg, kMenu[kind]);
    return shown;
}

}  // namespace

TEST(AssocDialog, EndsWithTheRegistryAsTheUserLeftIt)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        RegSaved saved({kClasses[0], kClasses[1], kClasses[2], kClasses[3]});
        // Another program's verb beside ours must survive every change.
        for (const char* other : {"*\\shell\\edit", "Directory\\shell\\edit"})
            ASSERT_TRUE(RegPut(other, REG_SZ, std::string("編集", sizeof "編集")));
        for (const Put& put : row.before)
            ASSERT_TRUE(RegPut(put.key, put.type,
                               std::string(put.data, strlen(put.data) + !put.unterminated)));
        std::string rest[4], verb[4];
        for (int c = 0; c < 4; ++c) {
            rest[c] = RegDump(kClasses[c], kVerb);
            verb[c] = RegDump(std::string(kClasses[c]) + "\\" + kVerb);
        }
        std::unique_ptr<RegReadOnly> locked(
            row.readOnly ? new RegReadOnly({kClasses[0], kClasses[1]}) : nullptr);

        Program nobo(NoboLine(""));
        HWND dlg = nobo.Next("nobo の関連づけ");
        ASSERT_TRUE(dlg);
        EXPECT_EQ(row.shown, Shown(dlg));
        for (int kind : {0, 1})
            if (row.toggle & (1u << kind)) Send(GetDlgItem(dlg, kEnable[kind]), BM_CLICK, 0);
        for (int kind : {0, 1})
            if (row.menu[kind])
                Send(GetDlgItem(dlg, kMenu[kind]), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(Widen(row.menu[kind]).c_str()));
        if (row.reset) Send(dlg, WM_SYSCOMMAND, IDM_RESET_SETTINGS);
        const std::string left = Shown(dlg);
        PostMessageW(dlg, row.endMessage, row.endParam, 0);
        std::string boxes;
        while (HWND box = nobo.Next("", 10000)) {
            WaitFor([&] { return !ItemText(box, 0xFFFF).empty(); }, 2000);
            boxes += Text(box) + ": " + ItemText(box, 0xFFFF);
            EXPECT_EQ(dlg, GetWindow(box, GW_OWNER));
            Press(box, IDNO);
            // No goes back to the dialog as it was.
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(dlg); }));
            EXPECT_EQ(left, Shown(dlg));
            Press(dlg, IDCANCEL);
        }
        EXPECT_EQ(0, nobo.Wait());
        EXPECT_EQ(row.boxes, boxes);
        locked.reset();
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(rest[c], RegDump(kClasses[c], kVerb)) << kClasses[c];
            EXPECT_EQ(row.after[c] ? Expand(row.after[c]) : verb[c],
                      RegDump(std::string(kClasses[c]) + "\\" + kVerb))
                << kClasses[c];
        }
    }
}

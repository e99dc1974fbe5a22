// Templates from the builder really open as modal dialogs, with the controls
// they describe.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/about_template.h"
#include "about/dialog_template.h"
#include "base/mem.h"
#include "support/box_answerer.h"
#include "support/dialog_probe.h"

namespace {

struct ExpectedItem {
    int id;
    const char* className;
    const char* text;
    RECT units;  // dialog units, as x, y, cx, cy
};

struct SeenItem {
    bool found;
    std::string className;
    std::string text;
    LONG_PTR style;
    RECT pixels;          // x, y in the dialog's client area, cx, cy
    RECT expectedPixels;  // the same from the described dialog units
};

struct Probe {
    const ExpectedItem* expected;
    size_t count;
    bool initialised;
    std::string dialogClass;
    std::string caption;
    std::wstring face;
    std::vector<SeenItem> seen;
};

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// Everything is read while the dialog is up; the test body checks it after.
INT_PTR CALLBACK ProbeProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg != WM_INITDIALOG) {
        return FALSE;
    }
    Probe* probe = (Probe*)lParam;
    probe->initialised = true;
    probe->dialogClass = ClassOf(dlg);
    probe->caption = WindowTextA(dlg);
    HFONT font = (HFONT)SendMessageW(dlg, WM_GETFONT, 0, 0);
    LOGFONTW logFont = {};
    if (font != nullptr && GetObjectW(font, sizeof logFont, &logFont) == sizeof logFont) {
        probe->face = logFont.lfFaceName;
    }
    for (size_t i = 0; i < probe->count; ++i) {
        const ExpectedItem& want = probe->expected[i];
        HWND item = GetDlgItem(dlg, want.id);
        probe->seen.push_back({item != nullptr, ClassOf(item), WindowTextA(item),
                               GetWindowLongPtrA(item, GWL_STYLE), ItemPlacement(dlg, want.id),
                               UnitsToPixels(dlg, want.units)});
    }
    EndDialog(dlg, 42);
    return TRUE;
}

void RunAndCheck(const DialogHeaderSpec& header, const DialogItemSpec* items,
                 const ExpectedItem* expected, size_t count, const char* dialogClass,
                 const char* caption, const wchar_t* face)
{
    void* block = BuildDialogTemplate(&header, items);
    ASSERT_NE(nullptr, block);
    Probe probe = {expected, count, false, "", "", L"", {}};
    const INT_PTR result = DialogBoxIndirectParamA(
        GetModuleHandleA(nullptr), (LPCDLGTEMPLATEA)block, nullptr, ProbeProc, (LPARAM)&probe);
    MemFree(block);
    ASSERT_EQ(42, result) << "the dialog did not open, error " << GetLastError();
    ASSERT_TRUE(probe.initialised);
    EXPECT_EQ(dialogClass, probe.dialogClass);
    EXPECT_EQ(caption, probe.caption);
    EXPECT_EQ(face, probe.face);
    ASSERT_EQ(count, probe.seen.size());
    for (size_t i = 0; i < count; ++i) {
        const SeenItem& seen = probe.seen[i];
        SCOPED_TRACE(testing::Message() << "control " << expected[i].id);
        ASSERT_TRUE(seen.found);
        EXPECT_STRCASEEQ(expected[i].className, seen.className.c_str());
        EXPECT_EQ(expected[i].text, seen.text);
        EXPECT_TRUE(seen.style & WS_CHILD);
        EXPECT_EQ(seen.expectedPixels, seen.pixels) << "placed vs described";
    }
}

const uint32_t POPUP_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

}  // namespace

// The About box's own description: four statics and the OK button, in
// "ＭＳ Ｐゴシック" 9 pt, no caption.
TEST(DialogTemplateDialog, AboutDescriptionOpens)
{
    const ExpectedItem expected[] = {
        {100, "Static", "", {7, 7, 20, 21}},      {101, "Static", "", {30, 7, 1, 8}},
        {102, "Static", "", {30, 16, 1, 8}},      {103, "Static", "", {30, 25, 1, 8}},
        {IDOK, "Button", "OK", {45, 35, 45, 14}},
    };
    RunAndCheck(ABOUT_TEMPLATE_HEADER, ABOUT_TEMPLATE_ITEMS, expected, 5, "#32770", "",
                L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
}

// Class names, texts and caption as strings; an item without WS_CHILD; the
// dialog's own registered class; no font fields at all.
TEST(DialogTemplateDialog, StringClassesAndTextsOpen)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "NoboProbeDialog";
    ASSERT_TRUE(RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS);

    const DialogItemSpec items[] = {
        {(uintptr_t)u"Edit", (uintptr_t)u"\u5165\u529B", WS_VISIBLE | WS_BORDER, 0, 4, 4, 60, 12,
         300},
        {(uintptr_t)u"Button", (uintptr_t)u"Go", WS_VISIBLE, 0, 4, 20, 40, 14, 301},
        {DLG_CLASS_STATIC, 0, WS_VISIBLE, 0, 50, 20, 9, 9, 302},
    };
    const DialogHeaderSpec header = {
        POPUP_STYLE,     0, 3,       10, 10, 120, 40, (uintptr_t)u"NoboProbeDialog",
        u"Probe \u8868", 0, nullptr, 9};
    const ExpectedItem expected[] = {
        {300, "Edit", "入力", {4, 4, 60, 12}},
        {301, "Button", "Go", {4, 20, 40, 14}},
        {302, "Static", "", {50, 20, 9, 9}},
    };
    // Without DS_SETFONT the dialog uses the system font: WM_GETFONT is null.
    RunAndCheck(header, items, expected, 3, "NoboProbeDialog", "Probe 表", L"");
    UnregisterClassA("NoboProbeDialog", GetModuleHandleA(nullptr));
}

#include "about/about_template.h"

namespace {

// WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CONTEXTHELP |
// DS_MODALFRAME | DS_SETFONT | DS_SYSMODAL
const uint32_t ABOUT_STYLE = 0x90C820C2;
const uint32_t STATIC_STYLE = 0x50000000;                    // WS_CHILD | WS_VISIBLE, left aligned
const uint32_t ICON_STYLE = STATIC_STYLE | 0x03;             // SS_ICON
const uint32_t OK_STYLE = STATIC_STYLE | 0x00020000 | 0x01;  // WS_GROUP | BS_DEFPUSHBUTTON
const uint16_t ID_OK = 1;

// "ＭＳ Ｐゴシック"
const char16_t FONT_FACE[] = u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
const char16_t EMPTY[] = u"";
const char16_t OK_TEXT[] = u"OK";

}  // namespace

// 38 units: margin and icon column, one unit of static, right margin. The
// OK button's x is only a start: the box centres it once it has its width.
// clang-format off
const DialogHeaderSpec ABOUT_TEMPLATE_HEADER = {
    ABOUT_STYLE, 0, ABOUT_ITEM_COUNT, 0, 0, 38, 56, 0, EMPTY, 0, FONT_FACE, 9};
// clang-format on

const DialogItemSpec ABOUT_TEMPLATE_ITEMS[] = {
    {DLG_CLASS_STATIC, reinterpret_cast<uintptr_t>(EMPTY), ICON_STYLE, 0, 7, 7, 20, 21,
     IDC_ABOUT_ICON},
    {DLG_CLASS_STATIC, reinterpret_cast<uintptr_t>(EMPTY), STATIC_STYLE, 0, 30, 7, 1, 8,
     IDC_ABOUT_PRODUCT},
    {DLG_CLASS_STATIC, reinterpret_cast<uintptr_t>(EMPTY), STATIC_STYLE, 0, 30, 16, 1, 8,
     IDC_ABOUT_LINK},
    {DLG_CLASS_STATIC, reinterpret_cast<uintptr_t>(EMPTY), STATIC_STYLE, 0, 30, 25, 1, 8,
     IDC_ABOUT_RESOURCES},
    {DLG_CLASS_BUTTON, reinterpret_cast<uintptr_t>(OK_TEXT), OK_STYLE, 0, 45, 35, 45, 14, ID_OK},
};
static_assert(sizeof ABOUT_TEMPLATE_ITEMS / sizeof ABOUT_TEMPLATE_ITEMS[0] == ABOUT_ITEM_COUNT,
              "the header's item count is the table's");

void* BuildAboutTemplate()
{
    return BuildDialogTemplate(&ABOUT_TEMPLATE_HEADER, ABOUT_TEMPLATE_ITEMS);
}

#include "about/about_box.h"

#include <shellapi.h>

#include "about/about_layout.h"
#include "about/about_template.h"
#include "about/free_resources.h"
#include "about/tooltip.h"
#include "about/version_info.h"
#include "base/mem.h"
#include "text/format.h"
#include "ui/geometry.h"
#include "ui/link_label.h"
#include "ui/module_icon.h"

const char PROP_ABOUTDIALOGDATA[] = "PROP_ABOUTDIALOGDATA";

namespace {

// "<name> ver. <version>" and "<name> について".
const size_t ABOUT_LINE_SIZE = 260;

// At most one About box per process: a second request brings it forward.
HWND g_aboutBox = nullptr;

AboutDialogData* DialogData(HWND dialog)
{
    return static_cast<AboutDialogData*>(GetPropA(dialog, PROP_ABOUTDIALOGDATA));
}

INT_PTR OnInitDialog(HWND dialog, AboutDialogData* data)
{
    g_aboutBox = dialog;
    SetPropA(dialog, PROP_ABOUTDIALOGDATA, data);
    SetModuleIcons(dialog, GetModuleHandleA(nullptr), &data->icons);
    // Before the auto-sizing: the widened box grows to the right of this.
    WndCenterOnCursor(dialog);
    AboutSetVersionTexts(dialog, GetModuleHandleA(nullptr));
    SetFreeResourcesText(GetDlgItem(dialog, IDC_ABOUT_RESOURCES));
    // The text first: the attach gives the link the underlined font it is
    // then measured in.
    HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    SetWindowTextA(link, data->params->url);
    LinkLabelAttach(link);
    SendMessageA(GetDlgItem(dialog, IDC_ABOUT_ICON), STM_SETICON,
                 reinterpret_cast<WPARAM>(data->icons.large), 0);
    TooltipAddTool(CreateTooltipWindow(dialog, GetModuleHandleA(nullptr)), dialog, link);
    AboutAutoSize(dialog);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam)
{
    const WORD id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(dialog, id);
    }
    return TRUE;
}

// The whole background drags the box, like a caption.
INT_PTR OnHitTest(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    LRESULT hit = DefWindowProcA(dialog, WM_NCHITTEST, wParam, lParam);
    if (hit == HTCLIENT) {
        hit = HTCAPTION;
    }
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, hit);
    return TRUE;
}

// A click opens the site and closes the box; hover and leave go back to the
// link, which lights up only then. Only the link itself is answered: sending
// to any other sender (the box included) could come straight back here.
INT_PTR OnLinkNotify(HWND dialog, LPARAM lParam)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->hwndFrom != GetDlgItem(dialog, IDC_ABOUT_LINK)) {
        return TRUE;
    }
    if (header->code == LLN_CLICKED) {
        const AboutDialogData* data = DialogData(dialog);
        if (data != nullptr) {
            ShellExecuteA(dialog, nullptr, data->params->url, nullptr, nullptr, SW_SHOWNORMAL);
        }
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    const LRESULT result = SendMessageA(header->hwndFrom, WM_NOTIFY, header->idFrom, lParam);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return result;
}

}  // namespace

bool AboutSetVersionTexts(HWND dialog, HMODULE module)
{
    DWORD* translation = nullptr;
    void* block = LoadVersionBlock(module, &translation);
    if (block == nullptr) {
        return false;
    }
    char name[VERSION_TEXT_SIZE];
    char version[VERSION_TEXT_SIZE];
    QueryVersionString(name, block, translation[0], "ProductName");
    if (name[0] == '\0') {
        QueryVersionString(name, block, translation[0], "FileDescription");
    }
    QueryVersionString(version, block, translation[0], "ProductVersion");
    MemFree(block);
    char text[ABOUT_LINE_SIZE];
    StrFormatBounded(sizeof text, text, "%s ver. %s", name, version);
    SetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, text);
    StrFormatBounded(sizeof text, text, "%s について", name);
    SetWindowTextA(dialog, text);
    return true;
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog, reinterpret_cast<AboutDialogData*>(lParam));
        case WM_COMMAND:
            return OnCommand(dialog, wParam);
        case WM_NCHITTEST:
            return OnHitTest(dialog, wParam, lParam);
        case WM_NOTIFY:
            return wParam == IDC_ABOUT_LINK ? OnLinkNotify(dialog, lParam) : TRUE;
        case WM_DESTROY:
            RemovePropA(dialog, PROP_ABOUTDIALOGDATA);
            return TRUE;
        default:
            return FALSE;
    }
}

HWND GetAboutBoxWindow()
{
    return g_aboutBox;
}

INT_PTR RunAboutBox(HWND owner, const AboutBoxParams* params)
{
    if (g_aboutBox != nullptr) {
        BringWindowToTop(g_aboutBox);
        SetForegroundWindow(g_aboutBox);
        ShowWindow(g_aboutBox, SW_SHOWDEFAULT);
        return 0;
    }
    void* dialogTemplate = BuildAboutTemplate();
    if (dialogTemplate == nullptr) {
        return 0;
    }
    AboutDialogData data = {};
    data.params = params;
    const INT_PTR result = DialogBoxIndirectParamA(
        GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(dialogTemplate), owner,
        AboutDlgProc, reinterpret_cast<LPARAM>(&data));
    g_aboutBox = nullptr;
    DestroyWindowIcons(&data.icons);
    MemFree(dialogTemplate);
    return result;
}

void ShowAboutBox(HWND owner, const AboutBoxParams* params)
{
    RunAboutBox(owner, params);
}

#include "assoc/assoc_dialog.h"

#include <shellapi.h>
#include <stddef.h>

#include "about/about_box.h"
#include "app/move_op.h"
#include "assoc/assoc_layout.h"
#include "assoc/assoc_tables.h"
#include "assoc/settings_io.h"
#include "resource.h"
#include "text/path.h"
#include "text/str.h"
#include "ui/geometry.h"

namespace {

// The window icons must outlive the dialog window that shows them.
HICON g_dialogIcons[2];

const char kAssocError[] = "関連づけエラー - [nobo]";
const char kAssocNotChanged[] =
    "以下の関連づけを変更できませんでした。\n\n%s%s\n"
    "管理者として nobo を起動し直しますか？";
// Each kind as the message names it, in AssociationKindTable's order.
const char* const kKindNames[ASSOC_KIND_COUNT] = {"* ファイル\n", "ディレクトリ\n"};

// A kind's three edits and where their texts live in its block.
struct KindTextField {
    int slot;
    size_t offset;
    int size;
};

const KindTextField kTextFields[] = {
    {ASSOC_SLOT_TARGET, offsetof(AssociationKindBlock, targetText), ASSOC_TARGET_TEXT_SIZE},
    {ASSOC_SLOT_MENU, offsetof(AssociationKindBlock, menuText), ASSOC_MENU_TEXT_SIZE},
    {ASSOC_SLOT_COMMAND, offsetof(AssociationKindBlock, commandLine), ASSOC_COMMAND_LINE_SIZE},
};

char* FieldText(AssociationKindBlock* block, const KindTextField& field)
{
    return (char*)block + field.offset;
}

const char* FieldText(const AssociationKindBlock* block, const KindTextField& field)
{
    return (const char*)block + field.offset;
}

AssociationKindBlock* KindBlock(AssociationSettings* settings, const AssocControlRow& row)
{
    return &settings->kinds[row.kind - ASSOC_KIND_FILE];
}

const AssociationKindBlock* KindBlock(const AssociationSettings* settings,
                                      const AssocControlRow& row)
{
    return &settings->kinds[row.kind - ASSOC_KIND_FILE];
}

int FindMenuItemPos(HMENU menu, UINT id)
{
    const int count = GetMenuItemCount(menu);
    for (int pos = 0; pos < count; ++pos)
        if (GetMenuItemID(menu, pos) == id) return pos;
    return -1;
}

// Without a maximize item there is no place for the commands: none is added.
void AssocAddSystemMenuItems(HWND hDlg)
{
    HMENU menu = GetSystemMenu(hDlg, FALSE);
    const int pos = FindMenuItemPos(menu, SC_MAXIMIZE);
    if (pos < 0) return;
    // Last one first: each lands directly after the maximize item.
    InsertMenuA(menu, pos + 1, MF_STRING | MF_BYPOSITION, IDM_ABOUT, "About(&A)");
    InsertMenuA(menu, pos + 1, MF_STRING | MF_BYPOSITION, IDM_RESET_SETTINGS,
                "設定を初期値に戻す(&D)");
    InsertMenuA(menu, pos + 1, MF_SEPARATOR | MF_BYPOSITION, 0, nullptr);
}

// The checkbox and the details button stay enabled: an unchecked kind's
// details can still be looked at, greyed.
void AssocEnableKindControls(HWND hDlg, int kind, bool enable)
{
    const AssocControlRow* row = AssocFindRowByKind(kind);
    if (!row) return;
    for (int slot = ASSOC_FIRST_DETAIL_SLOT; slot < ASSOC_SLOT_COUNT; ++slot)
        if (IsLiveDlgItem(hDlg, row->ids[slot])) DlgItemEnable(hDlg, row->ids[slot], enable);
}

void AssocApplyExpandedMask(HWND hDlg, uint32_t mask)
{
    for (const AssocControlRow& row : AssocControlTable)
        AssocSetKindExpanded(hDlg, row.kind, (mask & row.flag) != 0);
}

void AssocFillControls(HWND hDlg, const AssociationSettings* settings)
{
    for (const AssocControlRow& row : AssocControlTable) {
        const bool on = (settings->enabledMask & row.flag) != 0;
        const int checkbox = row.ids[ASSOC_SLOT_ENABLE];
        if (IsLiveDlgItem(hDlg, checkbox)) {
            AssocEnableKindControls(hDlg, row.kind, on);
            CheckDlgButton(hDlg, checkbox, on ? BST_CHECKED : BST_UNCHECKED);
        } else {
            AssocEnableKindControls(hDlg, row.kind, false);
        }
        const AssociationKindBlock* block = KindBlock(settings, row);
        for (const KindTextField& field : kTextFields)
            if (IsLiveDlgItem(hDlg, row.ids[field.slot]))
                SetDlgItemTextA(hDlg, row.ids[field.slot], FieldText(block, field));
    }
}

// A control missing from the dialog keeps the loaded value. Texts are taken
// as they are, cut at the buffer size.
bool AssocReadControls(HWND hDlg, AssociationSettings* out)
{
    out->enabledMask = 0;
    for (const AssocControlRow& row : AssocControlTable) {
        const int checkbox = row.ids[ASSOC_SLOT_ENABLE];
        if (IsLiveDlgItem(hDlg, checkbox) && IsDlgButtonChecked(hDlg, checkbox) == BST_CHECKED)
            out->enabledMask |= row.flag;
        AssociationKindBlock* block = KindBlock(out, row);
        const AssociationKindBlock* loaded = KindBlock(&g_assocDialogState.loaded, row);
        for (const KindTextField& field : kTextFields)
            StrCopyBounded(field.size, FieldText(block, field), FieldText(loaded, field));
        for (const KindTextField& field : kTextFields)
            if (IsLiveDlgItem(hDlg, row.ids[field.slot]))
                GetDlgItemTextA(hDlg, row.ids[field.slot], FieldText(block, field), field.size);
    }
    return true;
}

// This program again, without arguments, through the shell's "runas" verb:
// Windows asks for an administrator, who can then write the entries.
bool RestartAsAdministrator(HWND hDlg)
{
    char path[PATH_BUFFER_SIZE];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return false;
    SHELLEXECUTEINFOA info;
    MemZero(&info, sizeof info);
    info.cbSize = sizeof info;
    info.hwnd = hDlg;
    info.lpVerb = "runas";
    info.lpFile = path;
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}

// Names the kinds whose change failed and offers to start again as an
// administrator; true when that instance was started.
bool AssocOfferAdministrator(HWND hDlg, uint32_t failed)
{
    const char* names[ASSOC_KIND_COUNT];
    for (const AssociationKind& kind : AssociationKindTable)
        names[kind.id - ASSOC_KIND_FILE] =
            failed & kind.flag ? kKindNames[kind.id - ASSOC_KIND_FILE] : "";
    if (ShowMessageF(hDlg, MB_ICONWARNING | MB_YESNO, kAssocError, kAssocNotChanged, names[0],
                     names[1]) != IDYES)
        return false;
    return RestartAsAdministrator(hDlg);
}

INT_PTR AssocOnInitDialog(HWND hDlg)
{
    HMODULE module = GetModuleHandleA(nullptr);
    g_dialogIcons[0] = GetModuleIcon(module, 0);
    g_dialogIcons[1] = GetModuleIcon(module, 1);
    SetWindowIcon(hDlg, ICON_BIG, g_dialogIcons[0]);
    SetWindowIcon(hDlg, ICON_SMALL, g_dialogIcons[1]);
    // Centred and measured with the template's full layout, before the
    // collapse, which keeps the top-left corner.
    WndCenterOnCursor(hDlg);
    RECT client = {0, 0, 0, 0};
    GetClientRect(hDlg, &client);
    g_assocDialogState.clientSize.cx = client.right;
    g_assocDialogState.clientSize.cy = client.bottom;
    SIZE size;
    WndGetSize(hDlg, &size);
    g_assocDialogState.initialWidth = size.cx;
    g_assocDialogState.windowHeight = size.cy;
    LoadAssociationSettings(&g_assocDialogState.loaded);
    g_assocDialogState.expandedMask = 0;
    AssocAddSystemMenuItems(hDlg);
    AssocApplyExpandedMask(hDlg, 0);
    AssocFillControls(hDlg, &g_assocDialogState.loaded);
    // No initial focus from the dialog manager.
    return FALSE;
}

INT_PTR AssocOnCommand(HWND hDlg, WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (id == IDOK) {
        AssociationSettings edited;
        AssocReadControls(hDlg, &edited);
        const uint32_t changed = DiffAssociationSettings(&edited, &g_assocDialogState.loaded);
        const uint32_t failed = ApplyAssociationSettings(&edited, changed);
        // What was made stays; after a refusal the dialog stays as it was,
        // unless an administrator's instance takes over.
        if (failed == 0) {
            EndDialog(hDlg, 1);
        } else if (AssocOfferAdministrator(hDlg, failed)) {
            EndDialog(hDlg, 2);
        }
        return TRUE;
    }
    if (id == IDCANCEL) {
        EndDialog(hDlg, 2);
        return TRUE;
    }
    const AssocControlRow* row = AssocFindRowByControl(id);
    if (!row) return FALSE;
    if (id == row->ids[ASSOC_SLOT_ENABLE]) {
        AssocEnableKindControls(hDlg, row->kind, IsDlgButtonChecked(hDlg, id) == BST_CHECKED);
        return TRUE;
    }
    if (id == row->ids[ASSOC_SLOT_DETAILS]) {
        // The mask first: the resize inside reads it for its tracking limits.
        g_assocDialogState.expandedMask ^= row->flag;
        AssocSetKindExpanded(hDlg, row->kind, (g_assocDialogState.expandedMask & row->flag) != 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR AssocOnSysCommand(HWND hDlg, WPARAM wParam)
{
    const UINT id = LOWORD(wParam);
    if (id == IDM_RESET_SETTINGS) {
        AssocFillControls(hDlg, &g_assocDialogState.loaded);
        return TRUE;
    }
    if (id == IDM_ABOUT) {
        const AboutBoxParams params = {NOBO_SUPPORT_URL};
        ShowAboutBox(hDlg, &params);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK AssocDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return AssocOnInitDialog(hDlg);
        case WM_COMMAND:
            return AssocOnCommand(hDlg, wParam);
        case WM_SYSCOMMAND:
            return AssocOnSysCommand(hDlg, wParam);
        case WM_SIZE:
            return AssocOnSize(hDlg, wParam, lParam);
        case WM_GETMINMAXINFO:
            return AssocOnGetMinMaxInfo((MINMAXINFO*)lParam);
        case WM_NCHITTEST:
            return AssocOnNcHitTest(hDlg, wParam, lParam);
        case WM_DESTROY:
            return TRUE;
    }
    return FALSE;
}

bool ShowAssociationDialog()
{
    const INT_PTR result = DialogBoxParamA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ASSOCIATION), nullptr, AssocDialogProc, 0);
    for (HICON& icon : g_dialogIcons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
    return result == 1;
}

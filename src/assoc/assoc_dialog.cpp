#include "assoc/assoc_dialog.h"

#include <windows.h>
#include <shellapi.h>
#include <stddef.h>

#include "about/about_box.h"
#include "assoc/assoc_layout.h"
#include "assoc/assoc_tables.h"
#include "assoc/default_command.h"
#include "assoc/settings_diff.h"
#include "assoc/settings_io.h"
#include "base/mem.h"
#include "base/module_path.h"
#include "resource.h"
#include "text/path.h"
#include "text/str.h"
#include "ui/geometry.h"
#include "ui/message_box.h"
#include "ui/module_icon.h"

namespace {

// Everything one open dialog keeps: lives in ShowAssociationDialog for the
// whole modal loop, reachable from the dialog through PROP_ASSOCDIALOGDATA.
struct AssocDialogData {
    WindowIcons icons;  // owned: destroyed once the dialog has ended
    AssocDialogState state;
};

const char PROP_ASSOCDIALOGDATA[] = "PROP_ASSOCDIALOGDATA";

AssocDialogData* DialogData(HWND hDlg)
{
    return static_cast<AssocDialogData*>(GetPropA(hDlg, PROP_ASSOCDIALOGDATA));
}

const char kAssocError[] = "関連づけエラー - [nobo]";
const char kAssocNotChanged[] =
    "以下の関連づけを変更できませんでした。\n\n%s%s\n"
    "管理者として nobo を起動し直しますか？";
const char kAssocNoProgramPath[] =
    "nobo.exe のパスが長すぎてコマンドラインに収まらないため、関連づけを登録できません。\n\n"
    "nobo.exe を C:\\Tools など、パスの短いフォルダに移してから起動し直してください。";
// Each kind as the message names it, at its index.
const char* const kKindNames[] = {"* ファイル\n", "ディレクトリ\n"};
static_assert(sizeof kKindNames / sizeof kKindNames[0] == ASSOC_KIND_COUNT, "one name per kind");

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

const wchar_t* FieldText(const AssociationKindBlock* block, const KindTextField& field)
{
    return reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(block) + field.offset);
}

wchar_t* FieldText(AssociationKindBlock* block, const KindTextField& field)
{
    return reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(block) + field.offset);
}

int FindMenuItemPos(HMENU menu, UINT id)
{
    const int count = GetMenuItemCount(menu);
    for (int pos = 0; pos < count; ++pos) {
        if (GetMenuItemID(menu, pos) == id) {
            return pos;
        }
    }
    return -1;
}

// Without a maximize item there is no place for the commands: none is added.
void AssocAddSystemMenuItems(HWND hDlg)
{
    HMENU menu = GetSystemMenu(hDlg, FALSE);
    const int pos = FindMenuItemPos(menu, SC_MAXIMIZE);
    if (pos < 0) {
        return;
    }
    // Last one first: each lands directly after the maximize item.
    InsertMenuA(menu, pos + 1, MF_STRING | MF_BYPOSITION, IDM_ABOUT, "About(&A)");
    InsertMenuA(menu, pos + 1, MF_STRING | MF_BYPOSITION, IDM_RESET_SETTINGS,
                "設定を初期値に戻す(&D)");
    InsertMenuA(menu, pos + 1, MF_SEPARATOR | MF_BYPOSITION, 0, nullptr);
}

// The checkbox and the details button stay enabled: an unchecked kind's
// details can still be looked at, greyed.
void AssocEnableKindControls(HWND hDlg, const AssocControlRow& row, bool enable)
{
    for (int slot = ASSOC_FIRST_DETAIL_SLOT; slot < ASSOC_SLOT_COUNT; ++slot) {
        if (IsLiveDlgItem(hDlg, row.ids[slot])) {
            DlgItemEnable(hDlg, row.ids[slot], enable);
        }
    }
}

void AssocFillControls(HWND hDlg, const AssociationSettings* settings)
{
    for (const AssocControlRow& row : AssocControlTable) {
        const bool on = (settings->enabledMask & row.flag) != 0;
        const bool unknown = (settings->unreadableMask & row.flag) != 0;
        const int checkbox = row.ids[ASSOC_SLOT_ENABLE];
        if (IsLiveDlgItem(hDlg, checkbox)) {
            AssocEnableKindControls(hDlg, row, on);
            // An entry that could not be read shows as unknown, and stays so.
            if (unknown) {
                SendDlgItemMessageW(hDlg, checkbox, BM_SETSTYLE, BS_3STATE, FALSE);
            }
            CheckDlgButton(hDlg, checkbox,
                           unknown ? BST_INDETERMINATE
                           : on    ? BST_CHECKED
                                   : BST_UNCHECKED);
            DlgItemEnable(hDlg, checkbox, !unknown);
        } else {
            AssocEnableKindControls(hDlg, row, false);
        }
        const AssociationKindBlock* block = &settings->kinds[row.kind];
        for (const KindTextField& field : kTextFields) {
            if (IsLiveDlgItem(hDlg, row.ids[field.slot])) {
                SetDlgItemTextW(hDlg, row.ids[field.slot], FieldText(block, field));
            }
        }
    }
}

// Each edit takes no more than its text's buffer holds, so that what is
// stored can be shown again whole.
void AssocLimitEdits(HWND hDlg)
{
    for (const AssocControlRow& row : AssocControlTable) {
        for (const KindTextField& field : kTextFields) {
            if (IsLiveDlgItem(hDlg, row.ids[field.slot])) {
                SendDlgItemMessageW(hDlg, row.ids[field.slot], EM_LIMITTEXT,
                                    static_cast<WPARAM>(field.size - 1), 0);
            }
        }
    }
}

// A control missing from the dialog keeps the loaded value. Texts are taken
// as they are, cut at the buffer size on a whole character (a text set from
// outside may be longer than the edit's limit).
void AssocReadControls(HWND hDlg, const AssociationSettings* loaded, AssociationSettings* out)
{
    out->enabledMask = 0;
    out->userMask = loaded->userMask;
    out->unreadableMask = loaded->unreadableMask;
    for (const AssocControlRow& row : AssocControlTable) {
        const int checkbox = row.ids[ASSOC_SLOT_ENABLE];
        if (IsLiveDlgItem(hDlg, checkbox) && IsDlgButtonChecked(hDlg, checkbox) == BST_CHECKED) {
            out->enabledMask |= row.flag;
        }
        AssociationKindBlock* block = &out->kinds[row.kind];
        *block = loaded->kinds[row.kind];
        for (const KindTextField& field : kTextFields) {
            if (IsLiveDlgItem(hDlg, row.ids[field.slot])) {
                wchar_t* text = FieldText(block, field);
                GetDlgItemTextW(hDlg, row.ids[field.slot], text, field.size);
                StrDropCutPair(text);
            }
        }
    }
}

// This program again, without arguments, through the shell's "runas" verb:
// Windows asks for an administrator, who can then write the entries.
bool RestartAsAdministrator(HWND hDlg)
{
    wchar_t path[CMDLINE_BUFFER_SIZE];
    if (!GetModulePath(nullptr, path, CMDLINE_BUFFER_SIZE)) {
        return false;
    }
    SHELLEXECUTEINFOW info;
    MemZero(&info, sizeof info);
    info.cbSize = sizeof info;
    info.hwnd = hDlg;
    info.lpVerb = L"runas";
    info.lpFile = path;
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

// Names the kinds whose change failed and offers to start again as an
// administrator; true when that instance was started.
bool AssocOfferAdministrator(HWND hDlg, uint32_t failed)
{
    const char* names[ASSOC_KIND_COUNT];
    for (const AssociationKind& kind : AssociationKindTable) {
        names[kind.index] = (failed & kind.flag) != 0 ? kKindNames[kind.index] : "";
    }
    if (ShowMessageF(hDlg, MB_ICONWARNING | MB_YESNO, kAssocError, kAssocNotChanged, names[0],
                     names[1]) != IDYES) {
        return false;
    }
    return RestartAsAdministrator(hDlg);
}

// A kind to be written with no command line while none can name this program
// (its path does not fit in one): there is nothing to register. One switched
// off is only removed and needs none.
bool AssocLacksProgramCommand(const AssociationSettings* edited, uint32_t changed)
{
    if (BuildDefaultCommandLine(nullptr) != 0) {
        return false;
    }
    for (const AssociationKind& kind : AssociationKindTable) {
        const bool written = (changed & edited->enabledMask & kind.flag) != 0;
        if (written && edited->kinds[kind.index].commandLine[0] == L'\0') {
            return true;
        }
    }
    return false;
}

INT_PTR AssocOnInitDialog(HWND hDlg, AssocDialogData* data)
{
    SetPropA(hDlg, PROP_ASSOCDIALOGDATA, data);
    AssocDialogState* state = &data->state;
    SetModuleIcons(hDlg, GetModuleHandleA(nullptr), &data->icons);
    // Centred and measured with the template's full layout, before the
    // collapse, which keeps the top-left corner.
    WndCenterOnCursor(hDlg);
    RECT client = {0, 0, 0, 0};
    GetClientRect(hDlg, &client);
    state->clientSize.cx = client.right;
    state->clientSize.cy = client.bottom;
    SIZE size;
    WndGetSize(hDlg, &size);
    state->initialWidth = size.cx;
    state->windowHeight = size.cy;
    LoadAssociationSettings(&state->loaded);
    state->expandedMask = 0;
    AssocAddSystemMenuItems(hDlg);
    AssocLimitEdits(hDlg);
    for (const AssocControlRow& row : AssocControlTable) {
        AssocSetKindExpanded(hDlg, state, row.kind, false);
    }
    AssocFillControls(hDlg, &state->loaded);
    // No initial focus from the dialog manager.
    return FALSE;
}

INT_PTR AssocOnCommand(HWND hDlg, AssocDialogState* state, WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (id == IDOK) {
        AssociationSettings edited;
        AssocReadControls(hDlg, &state->loaded, &edited);
        const uint32_t changed = DiffAssociationSettings(&edited, &state->loaded);
        // Refused before anything is written; the dialog stays for the user
        // to untick it or to cancel.
        if (AssocLacksProgramCommand(&edited, changed)) {
            ShowMessageF(hDlg, MB_ICONERROR | MB_OK, kAssocError, "%s", kAssocNoProgramPath);
            return TRUE;
        }
        const uint32_t failed = ApplyAssociationSettings(&edited, &state->loaded, changed);
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
    if (!row) {
        return FALSE;
    }
    if (id == row->ids[ASSOC_SLOT_ENABLE]) {
        AssocEnableKindControls(hDlg, *row, IsDlgButtonChecked(hDlg, id) == BST_CHECKED);
        return TRUE;
    }
    if (id == row->ids[ASSOC_SLOT_DETAILS]) {
        // The mask first: the resize inside reads it for its tracking limits.
        state->expandedMask ^= row->flag;
        AssocSetKindExpanded(hDlg, state, row->kind, (state->expandedMask & row->flag) != 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR AssocOnSysCommand(HWND hDlg, const AssocDialogState* state, WPARAM wParam)
{
    const UINT id = LOWORD(wParam);
    if (id == IDM_RESET_SETTINGS) {
        AssocFillControls(hDlg, &state->loaded);
        return TRUE;
    }
    if (id == IDM_ABOUT) {
        const AboutBoxParams params = {NOBO_SUPPORT_URL};
        ShowAboutBox(hDlg, &params);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK AssocDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        return AssocOnInitDialog(hDlg, reinterpret_cast<AssocDialogData*>(lParam));
    }
    // Nothing to act on before WM_INITDIALOG has attached the record.
    AssocDialogData* data = DialogData(hDlg);
    if (data == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_COMMAND:
            return AssocOnCommand(hDlg, &data->state, wParam);
        case WM_SYSCOMMAND:
            return AssocOnSysCommand(hDlg, &data->state, wParam);
        case WM_SIZE:
            return AssocOnSize(hDlg, &data->state, wParam, lParam);
        case WM_GETMINMAXINFO:
            return AssocOnGetMinMaxInfo(&data->state, reinterpret_cast<MINMAXINFO*>(lParam));
        case WM_NCHITTEST:
            return AssocOnNcHitTest(hDlg, wParam, lParam);
        case WM_DESTROY:
            RemovePropA(hDlg, PROP_ASSOCDIALOGDATA);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool ShowAssociationDialog()
{
    AssocDialogData data = {};
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ASSOCIATION), nullptr,
                        AssocDialogProc, reinterpret_cast<LPARAM>(&data));
    DestroyWindowIcons(&data.icons);
    return result == 1;
}

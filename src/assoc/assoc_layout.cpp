#include "assoc/assoc_layout.h"

#include "ui/geometry.h"

static_assert(ASSOC_HT_CLIENT == HTCLIENT && ASSOC_HT_CAPTION == HTCAPTION &&
                  ASSOC_HT_LEFT == HTLEFT && ASSOC_HT_RIGHT == HTRIGHT && ASSOC_HT_TOP == HTTOP &&
                  ASSOC_HT_TOPLEFT == HTTOPLEFT && ASSOC_HT_TOPRIGHT == HTTOPRIGHT &&
                  ASSOC_HT_BOTTOM == HTBOTTOM && ASSOC_HT_BOTTOMLEFT == HTBOTTOMLEFT &&
                  ASSOC_HT_BOTTOMRIGHT == HTBOTTOMRIGHT && ASSOC_HT_BORDER == HTBORDER,
              "the hit-test map uses the system's codes");

namespace {

const char DETAILS_EXPANDED_TEXT[] = "<< 詳細";
const char DETAILS_COLLAPSED_TEXT[] = "詳細 >>";

}  // namespace

void AssocSetKindExpanded(HWND hDlg, AssocDialogState* state, int kind, bool expand)
{
    const AssocControlRow* row = AssocFindRowByKind(kind);
    if (!row) {
        return;
    }
    SetDlgItemTextA(hDlg, row->ids[ASSOC_SLOT_DETAILS],
                    expand ? DETAILS_EXPANDED_TEXT : DETAILS_COLLAPSED_TEXT);
    for (int slot = ASSOC_FIRST_DETAIL_SLOT; slot < ASSOC_SLOT_COUNT; ++slot) {
        if (IsLiveDlgItem(hDlg, row->ids[slot])) {
            DlgItemShow(hDlg, row->ids[slot], expand);
        }
    }

    // The band from the details button down to the bottom of the group box.
    const int buttonBottom = DlgItemBottom(hDlg, row->ids[ASSOC_SLOT_DETAILS]);
    int delta = DlgItemBottom(hDlg, row->ids[ASSOC_SLOT_GROUP]) - buttonBottom;
    if (!expand) {
        delta = -delta;
    }

    for (const AssocControlRow& other : AssocControlTable) {
        if (&other == row) {
            continue;
        }
        if (buttonBottom >= DlgItemTop(hDlg, other.ids[ASSOC_SLOT_GROUP])) {
            continue;
        }
        for (int id : other.ids) {
            if (IsLiveDlgItem(hDlg, id)) {
                DlgItemMoveBy(hDlg, id, delta);
            }
        }
    }
    DlgItemMoveBy(hDlg, IDOK, delta);
    DlgItemMoveBy(hDlg, IDCANCEL, delta);

    // Before the resize: its tracking limits read the new height.
    state->windowHeight += delta;
    WndResizeBy(hDlg, 0, delta);
    // Grown to twice the width, it may reach past the work area's right edge.
    WndKeepInWorkArea(hDlg);
}

INT_PTR AssocOnGetMinMaxInfo(const AssocDialogState* state, MINMAXINFO* info)
{
    AssocTrackLimits limits = {info->ptMinTrackSize.x, info->ptMinTrackSize.y,
                               info->ptMaxTrackSize.x, info->ptMaxTrackSize.y};
    AssocApplyTrackLimits(state, &limits);
    info->ptMinTrackSize.x = limits.minX;
    info->ptMinTrackSize.y = limits.minY;
    info->ptMaxTrackSize.x = limits.maxX;
    info->ptMaxTrackSize.y = limits.maxY;
    return TRUE;
}

INT_PTR AssocOnSize(HWND hDlg, AssocDialogState* state, WPARAM wParam, LPARAM lParam)
{
    // Restoring then moves nothing: the stored size is still the old one.
    if (wParam == SIZE_MINIMIZED) {
        return TRUE;
    }
    HDWP batch = BeginDeferWindowPos(ASSOC_ANCHOR_COUNT);
    if (!batch) {
        return TRUE;
    }
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    const int dx = width - state->clientSize.cx;
    const int dy = height - state->clientSize.cy;
    for (const AssocAnchorRow& row : AssocAnchorTable) {
        const AssocMoveDeltas d = AssocAnchorDeltas(&row, dx, dy);
        DeferMoveResizeBy(&batch, hDlg, row.id, d.x, d.y, d.cx, d.cy);
    }
    // A batch that failed moved nothing: keep the old size, so the next
    // WM_SIZE applies the whole difference.
    if (batch && EndDeferWindowPos(batch)) {
        state->clientSize.cx = width;
        state->clientSize.cy = height;
    }
    return TRUE;
}

INT_PTR AssocOnNcHitTest(HWND hDlg, WPARAM wParam, LPARAM lParam)
{
    int replacement = 0;
    const LRESULT hit = DefWindowProcA(hDlg, WM_NCHITTEST, wParam, lParam);
    if (!AssocMapHitTest(static_cast<int>(hit), &replacement)) {
        return FALSE;
    }
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, replacement);
    return TRUE;
}

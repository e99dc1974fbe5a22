#pragma once
// The association dialog's geometry: a kind's details collapse and expand,
// the height is fixed, the width follows the expanded kinds, anchored controls
// follow the width, and the client area drags the dialog.
#include <windows.h>

#include "assoc/assoc_tables.h"

// Shows or hides the kind's details, moves what lies below them and resizes
// the dialog by their height. The expanded mask must already be up to date:
// the resize reads it.
void AssocSetKindExpanded(HWND hDlg, AssocDialogState* state, int kind, bool expand);
INT_PTR AssocOnGetMinMaxInfo(const AssocDialogState* state, MINMAXINFO* info);
INT_PTR AssocOnSize(HWND hDlg, AssocDialogState* state, WPARAM wParam, LPARAM lParam);
// TRUE with the replaced code in DWLP_MSGRESULT, or FALSE for the default.
INT_PTR AssocOnNcHitTest(HWND hDlg, WPARAM wParam, LPARAM lParam);

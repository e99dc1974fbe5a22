#pragma once
// The setup screen: switches the Explorer menu entry on or off.
#include <windows.h>

// Shows the association dialog modally; true when it ended with OK.
bool ShowAssociationDialog();
INT_PTR CALLBACK AssocDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

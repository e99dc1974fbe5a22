#pragma once
// Resource ids shared by the .rc files and the code. Plain numbers only: the
// portable tables include this without <windows.h>.

#define IDI_NOBO 121

// The association dialog and its controls: 11xx the file kind, 12xx folders.
#define IDD_ASSOCIATION 120
#define IDC_FILE_ENABLE 1100
#define IDC_FILE_GROUP 1101
#define IDC_FILE_TARGET 1102
#define IDC_FILE_MENU 1103
#define IDC_FILE_COMMAND 1104
#define IDC_FILE_DETAILS 1106
#define IDC_FILE_TARGET_LABEL 1122
#define IDC_FILE_MENU_LABEL 1123
#define IDC_FILE_COMMAND_LABEL 1124
#define IDC_DIR_ENABLE 1200
#define IDC_DIR_GROUP 1201
#define IDC_DIR_TARGET 1202
#define IDC_DIR_MENU 1203
#define IDC_DIR_COMMAND 1204
#define IDC_DIR_DETAILS 1206
#define IDC_DIR_TARGET_LABEL 1222
#define IDC_DIR_MENU_LABEL 1223
#define IDC_DIR_COMMAND_LABEL 1224
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#endif

// Commands added to the association dialog's system menu.
#define IDM_RESET_SETTINGS 40005
#define IDM_ABOUT 40006

// The question about a clash in a run of many items: its answer "keep both"
// and its box "the same answer for the rest".
#define IDC_CLASH_KEEP_BOTH 1300
#define IDC_CLASH_FOR_REST 1301

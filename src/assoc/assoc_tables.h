#pragma once
// The fixed data the association dialog and its layout share, the dialog's
// state record, and the layout arithmetic that needs no window.
#include <stdint.h>

#include "assoc/settings.h"
#include "resource.h"

// A kind's controls in the order every per-kind loop visits them. The detail
// controls are the seven slots from ASSOC_FIRST_DETAIL_SLOT on.
enum {
    ASSOC_SLOT_ENABLE,
    ASSOC_SLOT_DETAILS,
    ASSOC_SLOT_TARGET,
    ASSOC_SLOT_TARGET_LABEL,
    ASSOC_SLOT_MENU,
    ASSOC_SLOT_MENU_LABEL,
    ASSOC_SLOT_COMMAND,
    ASSOC_SLOT_COMMAND_LABEL,
    ASSOC_SLOT_GROUP,
    ASSOC_SLOT_COUNT,
    ASSOC_FIRST_DETAIL_SLOT = ASSOC_SLOT_TARGET,
};

struct AssocControlRow {
    int kind;       // ASSOC_KIND_...
    uint32_t flag;  // its bit in the expanded and enabled masks
    int ids[ASSOC_SLOT_COUNT];
};

// One row per kind, at the kind's index.
inline constexpr AssocControlRow AssocControlTable[] = {
    {ASSOC_KIND_FILE,
     ASSOC_FLAG_FILE,
     {IDC_FILE_ENABLE, IDC_FILE_DETAILS, IDC_FILE_TARGET, IDC_FILE_TARGET_LABEL, IDC_FILE_MENU,
      IDC_FILE_MENU_LABEL, IDC_FILE_COMMAND, IDC_FILE_COMMAND_LABEL, IDC_FILE_GROUP}},
    {ASSOC_KIND_DIRECTORY,
     ASSOC_FLAG_DIRECTORY,
     {IDC_DIR_ENABLE, IDC_DIR_DETAILS, IDC_DIR_TARGET, IDC_DIR_TARGET_LABEL, IDC_DIR_MENU,
      IDC_DIR_MENU_LABEL, IDC_DIR_COMMAND, IDC_DIR_COMMAND_LABEL, IDC_DIR_GROUP}},
};
static_assert(sizeof AssocControlTable / sizeof AssocControlTable[0] == ASSOC_KIND_COUNT &&
                  AssocControlTable[ASSOC_KIND_FILE].kind == ASSOC_KIND_FILE &&
                  AssocControlTable[ASSOC_KIND_DIRECTORY].kind == ASSOC_KIND_DIRECTORY,
              "one row per kind, at its index");

// Null when no row matches.
const AssocControlRow* AssocFindRowByKind(int kind);
const AssocControlRow* AssocFindRowByControl(int id);

// What a control does when the client area grows: moved or widened along.
enum {
    ANCHOR_MOVE_X = 1,
    ANCHOR_MOVE_Y = 2,
    ANCHOR_GROW_X = 4,
    ANCHOR_GROW_Y = 8,
};

struct AssocAnchorRow {
    int id;
    unsigned flags;  // ANCHOR_...
};

// The controls that follow the dialog's width: moved right or widened by
// what the client area gained. None follows the height.
inline constexpr AssocAnchorRow AssocAnchorTable[] = {
    {IDC_FILE_DETAILS, ANCHOR_MOVE_X},
    {IDC_FILE_TARGET, ANCHOR_GROW_X},
    {IDC_FILE_MENU, ANCHOR_GROW_X},
    {IDC_FILE_COMMAND, ANCHOR_GROW_X},
    {IDC_FILE_GROUP, ANCHOR_GROW_X},
    {IDC_DIR_DETAILS, ANCHOR_MOVE_X},
    {IDC_DIR_TARGET, ANCHOR_GROW_X},
    {IDC_DIR_MENU, ANCHOR_GROW_X},
    {IDC_DIR_COMMAND, ANCHOR_GROW_X},
    {IDC_DIR_GROUP, ANCHOR_GROW_X},
    {IDOK, ANCHOR_MOVE_X},
    {IDCANCEL, ANCHOR_MOVE_X},
};
const int ASSOC_ANCHOR_COUNT = sizeof AssocAnchorTable / sizeof AssocAnchorTable[0];

struct AssocMoveDeltas {
    int x;
    int y;
    int cx;
    int cy;
};

// What a client area grown by dx, dy does to the row's control.
AssocMoveDeltas AssocAnchorDeltas(const AssocAnchorRow* row, int dx, int dy);

// Hit-test codes, as WM_NCHITTEST reports them.
enum {
    ASSOC_HT_CLIENT = 1,
    ASSOC_HT_CAPTION = 2,
    ASSOC_HT_LEFT = 10,
    ASSOC_HT_RIGHT = 11,
    ASSOC_HT_TOP = 12,
    ASSOC_HT_TOPLEFT = 13,
    ASSOC_HT_TOPRIGHT = 14,
    ASSOC_HT_BOTTOM = 15,
    ASSOC_HT_BOTTOMLEFT = 16,
    ASSOC_HT_BOTTOMRIGHT = 17,
    ASSOC_HT_BORDER = 18,
};

// False, and *replacement untouched, for a code the dialog leaves alone: the
// client area drags the dialog; only the left and right edges size it.
bool AssocMapHitTest(int hit, int* replacement);

struct AssocClientSize {
    int32_t cx;
    int32_t cy;
};

// What one open association dialog keeps while it runs.
struct AssocDialogState {
    uint32_t expandedMask;       // flags of the kinds whose details show
    AssocClientSize clientSize;  // as of the last WM_SIZE applied
    int32_t initialWidth;        // outer width when the dialog opened
    int32_t windowHeight;        // outer height, following each expand or collapse
    AssociationSettings loaded;  // read once when the dialog opened
};

struct AssocTrackLimits {
    int32_t minX;
    int32_t minY;
    int32_t maxX;
    int32_t maxY;
};

// The height is fixed at the window height. The width is fixed at the initial
// width while every kind is collapsed, and at least twice that while one is
// expanded (the proposed maximum then stays).
void AssocApplyTrackLimits(const AssocDialogState* state, AssocTrackLimits* limits);

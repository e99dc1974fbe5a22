#pragma once
// The fixed data the association dialog and its layout share, the dialog's
// module-wide state, and the layout arithmetic that needs no window.
#include <stdint.h>

#include "assoc/settings.h"

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

// One row per kind, in AssociationKindTable's order.
extern const AssocControlRow AssocControlTable[ASSOC_KIND_COUNT];

// Null when no row matches.
const AssocControlRow* AssocFindRowByKind(int kind);
const AssocControlRow* AssocFindRowByControl(int id);

// The controls that follow the dialog's width: moved right or widened by
// what the client area gained. None follows the height.
struct AssocAnchorRow {
    int id;
    bool moveX;
    bool moveY;
    bool growX;
    bool growY;
};

enum { ASSOC_ANCHOR_COUNT = 12 };
extern const AssocAnchorRow AssocAnchorTable[ASSOC_ANCHOR_COUNT];

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

struct AssocHitRow {
    int hit;
    int replacement;
};

enum { ASSOC_HIT_MAP_COUNT = 7 };
// The client area drags the dialog; only the left and right edges size it.
extern const AssocHitRow AssocHitTestMap[ASSOC_HIT_MAP_COUNT];

// False, and *replacement untouched, for a code the map leaves alone.
bool AssocMapHitTest(int hit, int* replacement);

struct AssocClientSize {
    int32_t cx;
    int32_t cy;
};

// One association dialog at a time: written on its thread only.
struct AssocDialogState {
    uint32_t expandedMask;       // flags of the kinds whose details show
    AssocClientSize clientSize;  // as of the last WM_SIZE applied
    int32_t initialWidth;        // outer width when the dialog opened
    int32_t windowHeight;        // outer height, following each expand or collapse
    AssociationSettings loaded;  // read once when the dialog opened
};

extern AssocDialogState g_assocDialogState;

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

#include "assoc/assoc_tables.h"

#include "resource.h"

const AssocControlRow AssocControlTable[ASSOC_KIND_COUNT] = {
    {ASSOC_KIND_FILE,
     ASSOC_FLAG_FILE,
     {IDC_FILE_ENABLE, IDC_FILE_DETAILS, IDC_FILE_TARGET, IDC_FILE_TARGET_LABEL, IDC_FILE_MENU,
      IDC_FILE_MENU_LABEL, IDC_FILE_COMMAND, IDC_FILE_COMMAND_LABEL, IDC_FILE_GROUP}},
    {ASSOC_KIND_DIRECTORY,
     ASSOC_FLAG_DIRECTORY,
     {IDC_DIR_ENABLE, IDC_DIR_DETAILS, IDC_DIR_TARGET, IDC_DIR_TARGET_LABEL, IDC_DIR_MENU,
      IDC_DIR_MENU_LABEL, IDC_DIR_COMMAND, IDC_DIR_COMMAND_LABEL, IDC_DIR_GROUP}},
};

const AssocAnchorRow AssocAnchorTable[ASSOC_ANCHOR_COUNT] = {
    {IDC_FILE_DETAILS, true, false, false, false},
    {IDC_FILE_TARGET, false, false, true, false},
    {IDC_FILE_MENU, false, false, true, false},
    {IDC_FILE_COMMAND, false, false, true, false},
    {IDC_FILE_GROUP, false, false, true, false},
    {IDC_DIR_DETAILS, true, false, false, false},
    {IDC_DIR_TARGET, false, false, true, false},
    {IDC_DIR_MENU, false, false, true, false},
    {IDC_DIR_COMMAND, false, false, true, false},
    {IDC_DIR_GROUP, false, false, true, false},
    {IDOK, true, false, false, false},
    {IDCANCEL, true, false, false, false},
};

const AssocHitRow AssocHitTestMap[ASSOC_HIT_MAP_COUNT] = {
    {ASSOC_HT_CLIENT, ASSOC_HT_CAPTION},    {ASSOC_HT_TOP, ASSOC_HT_BORDER},
    {ASSOC_HT_BOTTOM, ASSOC_HT_BORDER},     {ASSOC_HT_TOPLEFT, ASSOC_HT_LEFT},
    {ASSOC_HT_TOPRIGHT, ASSOC_HT_RIGHT},    {ASSOC_HT_BOTTOMLEFT, ASSOC_HT_LEFT},
    {ASSOC_HT_BOTTOMRIGHT, ASSOC_HT_RIGHT},
};

AssocDialogState g_assocDialogState;

const AssocControlRow* AssocFindRowByKind(int kind)
{
    for (const AssocControlRow& row : AssocControlTable)
        if (row.kind == kind) return &row;
    return nullptr;
}

const AssocControlRow* AssocFindRowByControl(int id)
{
    for (const AssocControlRow& row : AssocControlTable)
        for (int slotId : row.ids)
            if (slotId == id) return &row;
    return nullptr;
}

AssocMoveDeltas AssocAnchorDeltas(const AssocAnchorRow* row, int dx, int dy)
{
    AssocMoveDeltas deltas = {row->moveX ? dx : 0, row->moveY ? dy : 0, row->growX ? dx : 0,
                              row->growY ? dy : 0};
    return deltas;
}

bool AssocMapHitTest(int hit, int* replacement)
{
    for (const AssocHitRow& row : AssocHitTestMap) {
        if (row.hit == hit) {
            *replacement = row.replacement;
            return true;
        }
    }
    return false;
}

void AssocApplyTrackLimits(const AssocDialogState* state, AssocTrackLimits* limits)
{
    limits->minY = state->windowHeight;
    limits->maxY = state->windowHeight;
    limits->minX = state->expandedMask ? state->initialWidth * 2 : state->initialWidth;
    if (!state->expandedMask) limits->maxX = state->initialWidth;
}

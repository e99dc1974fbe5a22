#include "assoc/assoc_tables.h"

namespace {

struct AssocHitRow {
    int hit;
    int replacement;
};

const AssocHitRow HIT_TEST_MAP[] = {
    {ASSOC_HT_CLIENT, ASSOC_HT_CAPTION},    {ASSOC_HT_TOP, ASSOC_HT_BORDER},
    {ASSOC_HT_BOTTOM, ASSOC_HT_BORDER},     {ASSOC_HT_TOPLEFT, ASSOC_HT_LEFT},
    {ASSOC_HT_TOPRIGHT, ASSOC_HT_RIGHT},    {ASSOC_HT_BOTTOMLEFT, ASSOC_HT_LEFT},
    {ASSOC_HT_BOTTOMRIGHT, ASSOC_HT_RIGHT},
};

int AnchorDelta(const AssocAnchorRow* row, unsigned flag, int delta)
{
    return (row->flags & flag) != 0 ? delta : 0;
}

}  // namespace

const AssocControlRow* AssocFindRowByKind(int kind)
{
    if (kind < 0 || kind >= ASSOC_KIND_COUNT) {
        return nullptr;
    }
    return &AssocControlTable[kind];
}

const AssocControlRow* AssocFindRowByControl(int id)
{
    for (const AssocControlRow& row : AssocControlTable) {
        for (int slotId : row.ids) {
            if (slotId == id) {
                return &row;
            }
        }
    }
    return nullptr;
}

AssocMoveDeltas AssocAnchorDeltas(const AssocAnchorRow* row, int dx, int dy)
{
    const AssocMoveDeltas deltas = {
        AnchorDelta(row, ANCHOR_MOVE_X, dx), AnchorDelta(row, ANCHOR_MOVE_Y, dy),
        AnchorDelta(row, ANCHOR_GROW_X, dx), AnchorDelta(row, ANCHOR_GROW_Y, dy)};
    return deltas;
}

bool AssocMapHitTest(int hit, int* replacement)
{
    for (const AssocHitRow& row : HIT_TEST_MAP) {
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
    if (!state->expandedMask) {
        limits->maxX = state->initialWidth;
    }
}

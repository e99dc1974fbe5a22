#include <gtest/gtest.h>

#include "assoc/assoc_tables.h"
#include "resource.h"

TEST(AssocTables, RowsFollowTheKindsAndEveryControlFindsItsRow)
{
    for (int k = 0; k < ASSOC_KIND_COUNT; ++k) {
        const AssocControlRow& row = AssocControlTable[k];
        EXPECT_EQ(AssociationKindTable[k].id, row.kind);
        EXPECT_EQ(AssociationKindTable[k].flag, row.flag);
        EXPECT_EQ(&row, AssocFindRowByKind(row.kind));
        for (int id : row.ids) EXPECT_EQ(&row, AssocFindRowByControl(id)) << id;
    }
    EXPECT_EQ(IDC_DIR_GROUP, AssocFindRowByKind(ASSOC_KIND_DIRECTORY)->ids[ASSOC_SLOT_GROUP]);
    EXPECT_EQ(IDC_FILE_DETAILS, AssocFindRowByKind(ASSOC_KIND_FILE)->ids[ASSOC_SLOT_DETAILS]);
    for (int kind : {0, 999, 1002}) EXPECT_EQ(nullptr, AssocFindRowByKind(kind)) << kind;
    for (int id : {0, IDOK, IDCANCEL, 1105, 1205, IDM_ABOUT, (int)ASSOC_KIND_FILE})
        EXPECT_EQ(nullptr, AssocFindRowByControl(id)) << id;
}

TEST(AssocTables, AnchorsFollowTheWidthOnly)
{
    const struct {
        int id;
        AssocMoveDeltas expected;  // for a client area grown by 9, 5
    } rows[] = {
        {IDC_FILE_DETAILS, {9, 0, 0, 0}}, {IDC_FILE_TARGET, {0, 0, 9, 0}},
        {IDC_FILE_MENU, {0, 0, 9, 0}},    {IDC_FILE_COMMAND, {0, 0, 9, 0}},
        {IDC_FILE_GROUP, {0, 0, 9, 0}},   {IDC_DIR_DETAILS, {9, 0, 0, 0}},
        {IDC_DIR_TARGET, {0, 0, 9, 0}},   {IDC_DIR_MENU, {0, 0, 9, 0}},
        {IDC_DIR_COMMAND, {0, 0, 9, 0}},  {IDC_DIR_GROUP, {0, 0, 9, 0}},
        {IDOK, {9, 0, 0, 0}},             {IDCANCEL, {9, 0, 0, 0}},
    };
    for (int i = 0; i < ASSOC_ANCHOR_COUNT; ++i) {
        EXPECT_EQ(rows[i].id, AssocAnchorTable[i].id) << i;
        const AssocMoveDeltas d = AssocAnchorDeltas(&AssocAnchorTable[i], 9, 5);
        const AssocMoveDeltas n = AssocAnchorDeltas(&AssocAnchorTable[i], -4, -3);
        const AssocMoveDeltas& e = rows[i].expected;
        EXPECT_TRUE(d.x == e.x && d.y == 0 && d.cx == e.cx && d.cy == 0) << rows[i].id;
        EXPECT_TRUE(n.x == (e.x ? -4 : 0) && n.y == 0 && n.cx == (e.cx ? -4 : 0) && n.cy == 0);
    }
    const AssocAnchorRow all = {0, true, true, true, true};
    const AssocMoveDeltas d = AssocAnchorDeltas(&all, 3, -2);
    EXPECT_TRUE(d.x == 3 && d.y == -2 && d.cx == 3 && d.cy == -2);
}

TEST(AssocTables, HitTestMapDragsByTheClientAndSizesOnlySideways)
{
    // code -> replacement, 0 for a code left alone
    const int expected[][2] = {{1, 2},   {12, 18}, {15, 18}, {13, 10}, {14, 11}, {16, 10},
                               {17, 11}, {0, 0},   {2, 0},   {10, 0},  {11, 0},  {18, 0},
                               {-2, 0},  {20, 0}};
    for (const auto& row : expected) {
        int replacement = -99;
        EXPECT_EQ(row[1] != 0, AssocMapHitTest(row[0], &replacement)) << row[0];
        EXPECT_EQ(row[1] ? row[1] : -99, replacement) << row[0];
    }
}

TEST(AssocTables, TrackLimitsFixTheHeightAndTheWidthByTheExpandedKinds)
{
    const struct {
        uint32_t mask;
        AssocTrackLimits expected;  // from the proposal {50, 60, 1200, 900}
    } rows[] = {
        {0, {300, 400, 300, 400}},
        {ASSOC_FLAG_FILE, {600, 400, 1200, 400}},
        {ASSOC_FLAG_DIRECTORY, {600, 400, 1200, 400}},
        {ASSOC_FLAG_FILE | ASSOC_FLAG_DIRECTORY, {600, 400, 1200, 400}},
    };
    static AssocDialogState state;
    state.initialWidth = 300;
    state.windowHeight = 400;
    for (const auto& row : rows) {
        state.expandedMask = row.mask;
        AssocTrackLimits limits = {50, 60, 1200, 900};
        AssocApplyTrackLimits(&state, &limits);
        const AssocTrackLimits& e = row.expected;
        EXPECT_TRUE(limits.minX == e.minX && limits.minY == e.minY && limits.maxX == e.maxX &&
                    limits.maxY == e.maxY)
            << row.mask << ": " << limits.minX << " " << limits.minY << " " << limits.maxX
            << " " << limits.maxY;
    }
}

#include <gtest/gtest.h>

#include <string>

#include "assoc/assoc_tables.h"
#include "resource.h"

TEST(AssocTables, RowsFollowTheKindsAndEveryControlFindsItsRow)
{
    for (int k = 0; k < ASSOC_KIND_COUNT; ++k) {
        const AssocControlRow& row = AssocControlTable[k];
        EXPECT_TRUE(row.kind == AssociationKindTable[k].index &&
                    row.flag == AssociationKindTable[k].flag);
        EXPECT_EQ(&row, AssocFindRowByKind(row.kind));
        for (int id : row.ids) EXPECT_EQ(&row, AssocFindRowByControl(id)) << id;
    }
    EXPECT_EQ(IDC_DIR_GROUP, AssocFindRowByKind(ASSOC_KIND_DIRECTORY)->ids[ASSOC_SLOT_GROUP]);
    EXPECT_EQ(IDC_FILE_DETAILS, AssocFindRowByControl(IDC_FILE_MENU)->ids[ASSOC_SLOT_DETAILS]);
    for (int kind : {-1, 2}) EXPECT_EQ(nullptr, AssocFindRowByKind(kind)) << kind;
    for (int id : {0, IDOK, IDCANCEL, 1105, 1205, IDM_ABOUT})
        EXPECT_EQ(nullptr, AssocFindRowByControl(id)) << id;
}

// Details buttons, OK and Cancel move sideways; edits and group boxes widen.
TEST(AssocTables, AnchorsFollowTheWidthOnly)
{
    std::string movers;
    for (const AssocAnchorRow& row : AssocAnchorTable) {
        const AssocMoveDeltas d = AssocAnchorDeltas(&row, -9, 5);
        EXPECT_TRUE(d.x + d.cx == -9 && d.x * d.cx == 0 && d.y == 0 && d.cy == 0) << row.id;
        if (d.x) movers += std::to_string(row.id) + " ";
    }
    EXPECT_EQ("1106 1206 1 2 ", movers);
    const AssocAnchorRow all = {0, ANCHOR_MOVE_X | ANCHOR_MOVE_Y | ANCHOR_GROW_X | ANCHOR_GROW_Y};
    const AssocMoveDeltas d = AssocAnchorDeltas(&all, 3, -2);
    EXPECT_TRUE(d.x == 3 && d.y == -2 && d.cx == 3 && d.cy == -2);
}

TEST(AssocTables, HitTestMapDragsByTheClientAndSizesOnlySideways)
{
    // code, replacement (0: left alone)
    const int rows[][2] = {{1, 2}, {12, 18}, {15, 18}, {13, 10}, {14, 11}, {16, 10}, {17, 11},
                           {0, 0}, {2, 0},   {10, 0},  {11, 0},  {18, 0},  {-2, 0},  {20, 0}};
    for (const auto& row : rows) {
        int replacement = -99;
        EXPECT_EQ(row[1] != 0, AssocMapHitTest(row[0], &replacement)) << row[0];
        EXPECT_EQ(row[1] ? row[1] : -99, replacement) << row[0];
    }
}

TEST(AssocTables, TrackLimitsFixTheHeightAndTheWidthByTheExpandedKinds)
{
    static AssocDialogState state;  // the settings record is large
    state.initialWidth = 300;
    state.windowHeight = 400;
    for (uint32_t mask : {0u, 1u, 2u, 3u}) {
        state.expandedMask = mask;
        AssocTrackLimits limits = {50, 60, 1200, 900};  // as proposed by the system
        AssocApplyTrackLimits(&state, &limits);
        EXPECT_TRUE(limits.minX == (mask ? 600 : 300) && limits.maxX == (mask ? 1200 : 300) &&
                    limits.minY == 400 && limits.maxY == 400)
            << mask << ": " << limits.minX << " " << limits.maxX << " " << limits.minY;
    }
}

#include <gtest/gtest.h>

#include "assoc/settings_diff.h"

#include <stddef.h>
#include <string.h>

#include <memory>

TEST(AssociationKinds, TableNamesFilesThenFoldersWithTheirBlocks)
{
    ASSERT_EQ(2, ASSOC_KIND_COUNT);
    EXPECT_EQ(0, AssociationKindTable[0].index);
    EXPECT_EQ(1u, AssociationKindTable[0].flag);
    EXPECT_STREQ("*", AssociationKindTable[0].className);
    EXPECT_EQ(1, AssociationKindTable[1].index);
    EXPECT_EQ(2u, AssociationKindTable[1].flag);
    EXPECT_STREQ("directory", AssociationKindTable[1].className);
}

TEST(AssociationKinds, RecordHoldsTheMaskThenTwoBlocksOfFixedSizes)
{
    EXPECT_EQ(0u, offsetof(AssociationSettings, enabledMask));
    EXPECT_EQ(4u, sizeof(AssociationSettings::enabledMask));
    EXPECT_LT(offsetof(AssociationSettings, enabledMask), offsetof(AssociationSettings, kinds));
    EXPECT_EQ(523u, sizeof(AssociationKindBlock::targetText));
    EXPECT_EQ(32768u, sizeof(AssociationKindBlock::menuText));
    EXPECT_EQ(1025u, sizeof(AssociationKindBlock::commandLine));
    EXPECT_EQ(0u, offsetof(AssociationKindBlock, targetText));
    EXPECT_EQ(523u, offsetof(AssociationKindBlock, menuText));
    EXPECT_EQ(523u + 32768u, offsetof(AssociationKindBlock, commandLine));
    EXPECT_EQ(2u, sizeof(AssociationSettings::kinds) / sizeof(AssociationKindBlock));
}

namespace {

struct Kind {
    const char* menu;
    const char* command;
};

std::unique_ptr<AssociationSettings> Record(uint32_t mask, Kind file, Kind folder)
{
    auto settings = std::make_unique<AssociationSettings>();
    settings->enabledMask = mask;
    const Kind kinds[] = {file, folder};
    for (int i = 0; i < ASSOC_KIND_COUNT; ++i) {
        strcpy(settings->kinds[i].menuText, kinds[i].menu);
        strcpy(settings->kinds[i].commandLine, kinds[i].command);
    }
    return settings;
}

}  // namespace

TEST(AssociationDiff, MarksKindsSwitchedOrEditedWhileOnAndNothingElse)
{
    const Kind a = {"\x81\xAA\x82\xD6\x88\xDA\x93\xAE", "\"C:\\nobo.exe\" \"%1\""};
    struct Row {
        const char* what;
        uint32_t editedMask;
        Kind editedFile, editedFolder;
        uint32_t loadedMask;
        Kind loadedFile, loadedFolder;
        uint32_t changed;
    };
    const Row rows[] = {
        {"nothing on, nothing edited", 0, a, a, 0, a, a, 0},
        {"both on, nothing edited", 3, a, a, 3, a, a, 0},
        {"files switched on", 1, a, a, 0, a, a, 1},
        {"folders switched off", 1, a, a, 3, a, a, 2},
        {"files on, folders off", 1, a, a, 2, a, a, 3},
        {"menu text differs in letter case",
         3,
         {"Move", a.command},
         a,
         3,
         {"move", a.command},
         a,
         1},
        {"command line differs", 3, a, {a.menu, "\"x\" \"%1\""}, 3, a, a, 2},
        {"trail byte differs", 3, a, {"\x95\x5C", a.command}, 3, a, {"\x95\x5D", a.command}, 2},
        {"one more character", 3, {"\x81\xAA\x82\xD6\x88\xDA\x93\xAE!", a.command}, a, 3, a, a, 1},
        {"both edited", 3, {"x", "y"}, {"x", "y"}, 3, a, a, 3},
        {"off in both, texts differ", 0, {"x", "y"}, {"x", "y"}, 0, a, a, 0},
        {"off in both for folders only", 1, a, {"x", "y"}, 1, a, a, 0},
        {"switched on with other texts", 2, a, {"x", "y"}, 0, a, a, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        auto edited = Record(row.editedMask, row.editedFile, row.editedFolder);
        auto loaded = Record(row.loadedMask, row.loadedFile, row.loadedFolder);
        EXPECT_EQ(row.changed, DiffAssociationSettings(edited.get(), loaded.get()));
        EXPECT_EQ(row.changed, DiffAssociationSettings(loaded.get(), edited.get()));
    }
}

TEST(AssociationDiff, LooksOnlyAtTheTextsNotAtTargetsNorBytesPastTheEnd)
{
    auto edited = Record(3, {"m", "c"}, {"m", "c"});
    auto loaded = Record(3, {"m", "c"}, {"m", "c"});
    strcpy(edited->kinds[0].targetText, "C:\\somewhere");
    for (AssociationKindBlock& block : edited->kinds) {
        memset(block.menuText + 2, 'Z', 100);
        memset(block.commandLine + 2, 'Z', 100);
    }
    EXPECT_EQ(0u, DiffAssociationSettings(edited.get(), loaded.get()));
}

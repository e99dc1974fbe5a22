#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <tuple>

#include "assoc/settings_diff.h"

TEST(DiffAssociationSettings, MarksKindsSwitchedOrEditedWhileOn)
{
    // Masks edited and loaded; in the edited record, the kind whose text is
    // changed (-1: none), menu text or command line, the new text; what changed.
    const std::tuple<uint32_t, uint32_t, int, bool, const char*, uint32_t> rows[] = {
        {3, 3, -1, false, "", 0},
        {1, 0, -1, false, "", 1},
        {1, 2, -1, false, "", 3},
        {3, 3, 0, true, "Move up", 1},   // the menu text alone, in another case
        {3, 3, 1, true, "\x95\x5D", 2},  // its trail byte
        {3, 3, 1, false, "\"C:\\x\" \"%1\"", 2},
        {1, 1, 1, true, "x", 0},  // edited while off
        {2, 0, 1, false, "x", 2},
    };
    auto loaded = std::make_unique<AssociationSettings>();
    for (AssociationKindBlock& block : loaded->kinds) {
        strcpy(block.menuText, "move up");
        strcpy(block.commandLine, "\"C:\\nobo.exe\" \"%1\"");
    }
    strcpy(loaded->kinds[1].menuText, "\x95\x5C");  // 表
    for (auto [editedMask, loadedMask, kind, menu, text, changed] : rows) {
        auto edited = std::make_unique<AssociationSettings>(*loaded);
        edited->enabledMask = editedMask;
        loaded->enabledMask = loadedMask;
        if (kind >= 0)
            strcpy(menu ? edited->kinds[kind].menuText : edited->kinds[kind].commandLine, text);
        EXPECT_EQ(changed, DiffAssociationSettings(edited.get(), loaded.get())) << text;
        EXPECT_EQ(changed, DiffAssociationSettings(loaded.get(), edited.get())) << text;
    }
}

#include <gtest/gtest.h>
#include <windows.h>

#include "assoc/guarded_buffer.h"
#include "assoc/default_command.h"
#include "assoc/settings.h"
#include "assoc/settings_diff.h"
#include "assoc/settings_io.h"
#include "support/registry.h"

#include <string.h>

#include <memory>
#include <string>

namespace {

const char* const kClasses[ASSOC_KIND_COUNT] = {"*", "directory"};

std::string VerbPath(const std::string& cls)
{
    return cls + "\\shell\\Vellanort.nobo";
}

std::string CommandPath(const std::string& cls)
{
    return VerbPath(cls) + "\\command";
}

// "<this test program>" "%1", worked out here on its own.
std::string ExpectedDefaultCommandLine()
{
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string("\"") + path + "\" \"%1\"";
}

std::unique_ptr<AssociationSettings> NewRecord()
{
    return std::make_unique<AssociationSettings>();  // zero-filled, as the dialog's
}

std::unique_ptr<AssociationSettings> Copy(const AssociationSettings& settings)
{
    auto copy = NewRecord();
    memcpy(copy.get(), &settings, sizeof settings);
    return copy;
}

void SetTexts(AssociationSettings* settings, int index, const char* menu, const char* command)
{
    strcpy(settings->kinds[index].menuText, menu);
    strcpy(settings->kinds[index].commandLine, command);
}

class RealKinds : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < ASSOC_KIND_COUNT; ++i) {
            target_[i] = kinds_.Target(i);
            ASSERT_FALSE(target_[i].empty()) << "the test prefix lacks " << kClasses[i];
        }
    }
    void Register(int index, const std::string& menu, const std::string& command)
    {
        ASSERT_TRUE(RegTestSetString(VerbPath(target_[index]), nullptr, menu));
        ASSERT_TRUE(RegTestSetString(CommandPath(target_[index]), nullptr, command));
    }
    std::string Dump(int index) const
    {
        return RegTestDump(target_[index]);
    }

    RealKindClasses kinds_;  // without the entry at the start, put back at the end
    std::string target_[ASSOC_KIND_COUNT];
};

}  // namespace

TEST(AssociationDefaults, MenuTextIsUpArrowAndMoveInShiftJis)
{
    EXPECT_STREQ("\x81\xAA\x82\xD6\x88\xDA\x93\xAE", ASSOC_DEFAULT_MENU_TEXT);
}

TEST(AssociationDefaults, CommandLineQuotesThisProgramAndTheItem)
{
    const size_t measured = BuildDefaultCommandLine(nullptr);
    GuardedBuffer line(ASSOC_COMMAND_LINE_SIZE, "");
    const size_t written = BuildDefaultCommandLine(line.data());
    EXPECT_EQ(measured, written);
    EXPECT_EQ(ExpectedDefaultCommandLine(), line.Text());
    EXPECT_EQ(line.Text().size() + 1, written);
    EXPECT_TRUE(line.GuardIntact());
}

// What a kind has registered is loaded; a kind without a full entry gets the
// defaults; nothing the record held before survives.
TEST_F(RealKinds, LoadsWhatIsRegisteredAndDefaultsForTheRest)
{
    enum How { NOTHING, FOLDERS, FILES_WITHOUT_VALUES, FILES_WITHOUT_COMMAND_KEY };
    const char* const folderMenu = "フォルダを上へ(&U)";
    const char* const folderCommand = "\"D:\\表\\nobo.exe\" \"%1\" /open";
    const struct {
        How how;
        uint32_t mask;
        int kind;  // the one loaded from the registry
        const char* menu;
        const char* command;
    } rows[] = {
        {NOTHING, 0, -1, "", ""},
        {FOLDERS, ASSOC_FLAG_DIRECTORY, 1, folderMenu, folderCommand},
        {FILES_WITHOUT_VALUES, ASSOC_FLAG_FILE, 0, "", ""},
        {FILES_WITHOUT_COMMAND_KEY, 0, -1, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        RegTestDeleteTree(VerbPath(target_[0])), RegTestDeleteTree(VerbPath(target_[1]));
        if (row.how == FOLDERS) Register(1, folderMenu, folderCommand);
        if (row.how == FILES_WITHOUT_VALUES) {
            ASSERT_TRUE(RegTestCreateKey(CommandPath(target_[0])));
        }
        if (row.how == FILES_WITHOUT_COMMAND_KEY) {
            ASSERT_TRUE(RegTestSetString(VerbPath(target_[0]), nullptr, "half an entry"));
        }
        auto loaded = NewRecord();
        memset(loaded.get(), 'Z', sizeof *loaded);
        LoadAssociationSettings(loaded.get());
        EXPECT_EQ(row.mask, loaded->enabledMask);
        for (int k = 0; k < ASSOC_KIND_COUNT; ++k) {
            const bool own = k == row.kind;
            EXPECT_STREQ("", loaded->kinds[k].targetText) << k;
            EXPECT_STREQ(own ? row.menu : ASSOC_DEFAULT_MENU_TEXT, loaded->kinds[k].menuText) << k;
            EXPECT_EQ(own ? row.command : ExpectedDefaultCommandLine(),
                      loaded->kinds[k].commandLine)
                << k;
        }
        EXPECT_EQ(0u, DiffAssociationSettings(Copy(*loaded).get(), loaded.get()));
    }
}

TEST_F(RealKinds, SwitchingFilesOnAndFoldersOffWritesOneAndRemovesTheOther)
{
    Register(1, "M", "C");
    auto loaded = NewRecord();
    LoadAssociationSettings(loaded.get());
    auto edited = Copy(*loaded);
    edited->enabledMask = ASSOC_FLAG_FILE;
    SetTexts(edited.get(), 0, "ファイルを上へ", "\"C:\\nobo.exe\" \"%1\"");

    const uint32_t changed = DiffAssociationSettings(edited.get(), loaded.get());
    EXPECT_EQ(3u, changed);
    EXPECT_EQ(0u, ApplyAssociationSettings(edited.get(), changed));
    EXPECT_EQ("ファイルを上へ", RegTestGetString(VerbPath(target_[0])));
    EXPECT_EQ("\"C:\\nobo.exe\" \"%1\"", RegTestGetString(CommandPath(target_[0])));
    EXPECT_FALSE(RegTestKeyExists(VerbPath(target_[1])));
    EXPECT_TRUE(RegTestKeyExists(target_[1] + "\\shell"));

    auto reloaded = NewRecord();
    LoadAssociationSettings(reloaded.get());
    EXPECT_EQ(static_cast<uint32_t>(ASSOC_FLAG_FILE), reloaded->enabledMask);
    EXPECT_EQ(0u, DiffAssociationSettings(edited.get(), reloaded.get()));
}

TEST_F(RealKinds, LetterCaseOnlyChangeIsWrittenAndTheOtherKindIsNotTouched)
{
    Register(0, "Move Up", "C");
    Register(1, "Move Up", "C");
    auto loaded = NewRecord();
    LoadAssociationSettings(loaded.get());
    auto edited = Copy(*loaded);
    SetTexts(edited.get(), 0, "move up", "C");

    const uint32_t changed = DiffAssociationSettings(edited.get(), loaded.get());
    EXPECT_EQ(static_cast<uint32_t>(ASSOC_FLAG_FILE), changed);
    // Changed behind the loaded record's back: a rewrite of folders would undo it.
    ASSERT_TRUE(RegTestSetString(VerbPath(target_[1]), nullptr, "changed elsewhere"));
    ApplyAssociationSettings(edited.get(), changed);
    EXPECT_EQ("move up", RegTestGetString(VerbPath(target_[0])));
    EXPECT_EQ("changed elsewhere", RegTestGetString(VerbPath(target_[1])));
}

TEST_F(RealKinds, KindsOffInBothWithOtherTextsAreNotTouched)
{
    auto loaded = NewRecord();
    LoadAssociationSettings(loaded.get());
    auto edited = Copy(*loaded);
    SetTexts(edited.get(), 0, "other", "other");
    SetTexts(edited.get(), 1, "other", "other");
    const std::string before[] = {Dump(0), Dump(1)};

    const uint32_t changed = DiffAssociationSettings(edited.get(), loaded.get());
    EXPECT_EQ(0u, changed);
    ApplyAssociationSettings(edited.get(), changed);
    EXPECT_EQ(before[0], Dump(0));
    EXPECT_EQ(before[1], Dump(1));
}

TEST_F(RealKinds, ChangeMaskZeroLeavesTheRegistryByteForByte)
{
    struct Row {
        const char* what;
        bool registered;
        uint32_t editedMask;
    };
    const Row rows[] = {
        {"both registered, both switched off", true, 0},
        {"both registered, texts edited", true, ASSOC_FLAG_FILE | ASSOC_FLAG_DIRECTORY},
        {"none registered, both switched on", false, ASSOC_FLAG_FILE | ASSOC_FLAG_DIRECTORY},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.registered) {
            Register(0, "M0", "C0");
            Register(1, "M1", "C1");
            ASSERT_TRUE(RegTestSetString(VerbPath(target_[1]), "Extra", "kept"));
        } else {
            RegTestDeleteTree(VerbPath(target_[0]));
            RegTestDeleteTree(VerbPath(target_[1]));
        }
        auto edited = NewRecord();
        LoadAssociationSettings(edited.get());
        edited->enabledMask = row.editedMask;
        SetTexts(edited.get(), 0, "E0", "D0");
        SetTexts(edited.get(), 1, "E1", "D1");
        const std::string before[] = {Dump(0), Dump(1)};
        EXPECT_EQ(0u, ApplyAssociationSettings(edited.get(), 0));
        EXPECT_EQ(before[0], Dump(0));
        EXPECT_EQ(before[1], Dump(1));
    }
}

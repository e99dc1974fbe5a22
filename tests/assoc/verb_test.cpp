#include <gtest/gtest.h>
#include <windows.h>

#include "assoc/guarded_buffer.h"
#include "assoc/registry.h"
#include "assoc/settings.h"
#include "assoc/verb.h"
#include "support/process.h"
#include "support/registry.h"

#include <memory>
#include <string>

namespace {

std::string VerbPath(const std::string& cls)
{
    return cls + "\\shell\\Vellanort.nobo";
}

std::string CommandPath(const std::string& cls)
{
    return VerbPath(cls) + "\\command";
}

void PutEntry(const std::string& cls, const std::string& menu, const std::string& command)
{
    ASSERT_TRUE(RegTestSetString(VerbPath(cls), nullptr, menu));
    ASSERT_TRUE(RegTestSetString(CommandPath(cls), nullptr, command));
}

// What ReadVerb fills, with what the buffers held before.
struct Texts {
    GuardedBuffer menu{ASSOC_MENU_TEXT_SIZE, "menu before"};
    GuardedBuffer command{ASSOC_COMMAND_LINE_SIZE, "command before"};

    bool Read(const std::string& cls)
    {
        return ReadVerb(cls.c_str(), menu.data(), command.data());
    }
    bool Sound() const
    {
        return menu.Terminated() && command.Terminated() && menu.GuardIntact() &&
               command.GuardIntact();
    }
};

// Writes, reads back and removes the entry through argument; all must land on key.
void ExpectRoundTrip(const std::string& argument, const std::string& key)
{
    ASSERT_TRUE(WriteVerb(argument.c_str(), "M", "C"));
    EXPECT_EQ("M", RegTestGetString(VerbPath(key)));
    EXPECT_EQ("C", RegTestGetString(CommandPath(key)));
    Texts texts;
    EXPECT_TRUE(texts.Read(argument));
    EXPECT_EQ("M", texts.menu.Text());
    EXPECT_TRUE(RemoveVerb(argument.c_str()));
    EXPECT_FALSE(RegTestKeyExists(VerbPath(key)));
}

// The class an operation should land on, worked out without the program's code.
std::string ResolvedByHand(const std::string& cls)
{
    const std::string value = RegTestGetString(cls);
    if (value != "<missing>" && !value.empty() && RegTestKeyExists(value)) return value;
    return cls;
}

// scratch\AAAA…\BBBB… with exactly length bytes (200 A's, then B's).
std::string LongKeyPath(const ScratchClass& scratch, size_t length)
{
    std::string path = scratch / std::string(200, 'A') + "\\";
    path += std::string(length - path.size(), 'B');
    return path;
}

}  // namespace

// Missing pieces leave their buffers as they were; every read terminates.
TEST(VerbRead, WhatIsThereIsReadAndNothingElse)
{
    typedef void (*Setup)(const std::string& cls);
    struct Row {
        const char* what;
        bool classKey;
        Setup setup;
        bool registered;
        const char* menu;  // null: not checked
        const char* command;
    };
    const Row rows[] = {
        {"registered", true,
         [](const std::string& c) { PutEntry(c, "↑へ移動", "\"C:\\ソフト\\nobo.exe\" \"%1\""); },
         true, "↑へ移動", "\"C:\\ソフト\\nobo.exe\" \"%1\""},
        {"verb without command key", true,
         [](const std::string& c) { RegTestSetString(VerbPath(c), nullptr, "M"); }, false, nullptr,
         "command before"},
        {"no menu value", true,
         [](const std::string& c) {
             RegTestCreateKey(VerbPath(c));
             RegTestSetString(CommandPath(c), nullptr, "C");
         },
         true, "menu before", "C"},
        {"no values", true, [](const std::string& c) { RegTestCreateKey(CommandPath(c)); }, true,
         "menu before", "command before"},
        {"no class key", false, [](const std::string&) {}, false, "menu before", "command before"},
        {"no shell", true, [](const std::string&) {}, false, "menu before", "command before"},
        {"no verb", true,
         [](const std::string& c) { RegTestSetString(c + "\\shell\\open\\command", nullptr, "x"); },
         false, "menu before", "command before"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchClass scratch("c", row.classKey);
        row.setup(scratch.Name());
        Texts texts;
        EXPECT_EQ(row.registered, texts.Read(scratch.Name()));
        if (row.menu != nullptr) {
            EXPECT_EQ(row.menu, texts.menu.Text());
        }
        EXPECT_EQ(row.command, texts.command.Text());
        EXPECT_TRUE(texts.Sound());
        EXPECT_EQ(row.classKey, RegTestKeyExists(scratch.Name()));
    }
}

TEST(VerbWrite, ClassWithoutShellGetsShellVerbAndCommandWithTerminatedStrings)
{
    ScratchClass scratch, noKey("nokey", false);
    EXPECT_FALSE(WriteVerb(noKey.c_str(), "M", "C"));  // no class key: refused, nothing made
    EXPECT_FALSE(RegTestKeyExists(noKey.Name()));
    ASSERT_TRUE(WriteVerb(scratch.c_str(), "↑へ移動", "\"C:\\表\\nobo.exe\" \"%1\""));
    EXPECT_EQ("shell", RegTestSubkeys(scratch.Name()));
    EXPECT_EQ("Vellanort.nobo", RegTestSubkeys(scratch / "shell"));
    EXPECT_EQ("command", RegTestSubkeys(VerbPath(scratch.Name())));
    EXPECT_EQ("", RegTestSubkeys(CommandPath(scratch.Name())));
    const RegValue menu = RegTestGetValue(VerbPath(scratch.Name()));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), menu.type);
    EXPECT_EQ(std::string("↑へ移動") + '\0', menu.data);
    const RegValue command = RegTestGetValue(CommandPath(scratch.Name()));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), command.type);
    EXPECT_EQ(std::string("\"C:\\表\\nobo.exe\" \"%1\"") + '\0', command.data);
    // The class key's own default value is not touched.
    EXPECT_EQ("<missing>", RegTestGetString(scratch.Name()));
}

TEST(VerbWrite, RewritingReplacesBothTextsAndKeepsEverythingElse)
{
    ScratchClass scratch;
    PutEntry(scratch.Name(), "a long old menu text", "a long old command line");
    ASSERT_TRUE(RegTestSetString(VerbPath(scratch.Name()), "Icon", "shell32.dll,1"));
    ASSERT_TRUE(RegTestSetString(CommandPath(scratch.Name()), "DelegateExecute", "{0}"));
    ASSERT_TRUE(RegTestCreateKey(VerbPath(scratch.Name()) + "\\other"));
    ASSERT_TRUE(RegTestSetString(scratch / "shell\\open\\command", nullptr, "open"));
    const std::string openBefore = RegTestDump(scratch / "shell\\open");

    ASSERT_TRUE(WriteVerb(scratch.c_str(), "new", "C2"));
    EXPECT_EQ(std::string("new", 4), RegTestGetValue(VerbPath(scratch.Name())).data);
    EXPECT_EQ(std::string("C2", 3), RegTestGetValue(CommandPath(scratch.Name())).data);
    EXPECT_EQ(std::string("shell32.dll,1", 14),
              RegTestGetValue(VerbPath(scratch.Name()), "Icon").data);
    EXPECT_EQ(std::string("{0}", 4),
              RegTestGetValue(CommandPath(scratch.Name()), "DelegateExecute").data);
    EXPECT_EQ("command,other", RegTestSubkeys(VerbPath(scratch.Name())));
    EXPECT_EQ(openBefore, RegTestDump(scratch / "shell\\open"));
}

// Only the entry goes; an emptied shell key stays. Without an entry (no
// verb, no shell, no class key) there is nothing to do: true, nothing changes.
TEST(VerbRemove, OnlyTheEntryGoes)
{
    ScratchClass entry, noEntry, noShell, noKey("nokey", false);
    ASSERT_TRUE(WriteVerb(entry.c_str(), "M", "C"));
    ASSERT_TRUE(RegTestSetString(noEntry / "shell\\open\\command", nullptr, "open"));
    for (const ScratchClass* cls : {&noEntry, &noShell, &noKey}) {
        SCOPED_TRACE(cls->Name());
        const std::string before = RegTestDump(cls->Name());
        EXPECT_TRUE(RemoveVerb(cls->c_str()));
        EXPECT_EQ(before, RegTestDump(cls->Name()));
    }
    EXPECT_TRUE(RemoveVerb(entry.c_str()));
    EXPECT_EQ("shell", RegTestSubkeys(entry.Name()));
    EXPECT_EQ("", RegTestSubkeys(entry / "shell"));
    Texts texts;
    EXPECT_FALSE(texts.Read(entry.Name()));
}

// A (default value names B) -> B (names C) -> C: every operation works on B.
TEST(VerbIndirection, AllThreeOperationsFollowOneLevelOnly)
{
    ScratchClass a("a"), b("b"), c("c");
    ASSERT_TRUE(RegTestSetString(a.Name(), nullptr, b.Name()));
    ASSERT_TRUE(RegTestSetString(b.Name(), nullptr, c.Name()));
    PutEntry(a.Name(), "menu of A", "command of A");
    PutEntry(c.Name(), "menu of C", "command of C");
    const std::string aBefore = RegTestDump(a.Name());
    const std::string cBefore = RegTestDump(c.Name());

    Texts none;
    EXPECT_FALSE(none.Read(a.Name()));  // B has no entry: neither A's nor C's is read

    ASSERT_TRUE(WriteVerb(a.c_str(), "menu of B", "command of B"));
    EXPECT_EQ("menu of B", RegTestGetString(VerbPath(b.Name())));
    EXPECT_EQ("command of B", RegTestGetString(CommandPath(b.Name())));

    Texts texts;
    EXPECT_TRUE(texts.Read(a.Name()));
    EXPECT_EQ("menu of B", texts.menu.Text());
    EXPECT_EQ("command of B", texts.command.Text());

    EXPECT_TRUE(RemoveVerb(a.c_str()));
    EXPECT_FALSE(RegTestKeyExists(VerbPath(b.Name())));
    EXPECT_TRUE(RegTestKeyExists(b / "shell"));
    EXPECT_EQ(aBefore, RegTestDump(a.Name()));
    EXPECT_EQ(cBefore, RegTestDump(c.Name()));

    char resolved[CLASS_NAME_SIZE];
    ResolveClassName(resolved, a.c_str());
    EXPECT_EQ(b.Name(), resolved);
    ResolveClassName(resolved, b.c_str());
    EXPECT_EQ(c.Name(), resolved);
}

// A default value naming no key leaves the class. Subkey "" of
// HKEY_CLASSES_ROOT is HKEY_CLASSES_ROOT itself: a default value that reads as
// empty must not send the entry to HKEY_CLASSES_ROOT\shell.
TEST(VerbIndirection, DefaultValueNamingNoClassLeavesTheClass)
{
    struct Row {
        DWORD type;
        std::string data;
    };
    const Row rows[] = {{REG_SZ, std::string("Text Document", 14)},
                        {REG_SZ, std::string("テキスト ドキュメント") + '\0'},
                        {REG_SZ, std::string("nobo.test.no.such.class", 24)},
                        {REG_SZ, std::string(1, '\0')},
                        {REG_SZ, ""},
                        {REG_DWORD, std::string(4, '\0')}};
    RegKeyBackup rootShell("shell");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.data + " type " + std::to_string(row.type));
        ScratchClass scratch;
        ASSERT_TRUE(RegTestSetValue(scratch.Name(), nullptr, row.type, row.data));
        char resolved[CLASS_NAME_SIZE];
        ResolveClassName(resolved, scratch.c_str());
        EXPECT_EQ(scratch.Name(), resolved);
        ExpectRoundTrip(scratch.Name(), scratch.Name());
        EXPECT_FALSE(RegTestKeyExists(VerbPath("")));
    }
}

// 260 bytes and the terminator fit the class name buffer; a longer value is
// no class, and is never cut into the name of another key.
TEST(VerbIndirection, DefaultValueOfUpTo260BytesIsFollowed)
{
    ScratchClass scratch, target;
    const std::string fits = LongKeyPath(target, 260);
    const std::string tooLong = fits + "B";
    ASSERT_TRUE(RegTestCreateKey(fits));
    ASSERT_TRUE(RegTestCreateKey(tooLong));
    char resolved[CLASS_NAME_SIZE];

    ASSERT_TRUE(RegTestSetString(scratch.Name(), nullptr, fits));
    ResolveClassName(resolved, scratch.c_str());
    EXPECT_EQ(fits, resolved);
    ASSERT_TRUE(WriteVerb(scratch.c_str(), "M", "C"));
    EXPECT_EQ("M", RegTestGetString(VerbPath(fits)));

    ASSERT_TRUE(RegTestSetString(scratch.Name(), nullptr, tooLong));
    ResolveClassName(resolved, scratch.c_str());
    EXPECT_EQ(scratch.Name(), resolved);
}

TEST(VerbClassName, LongNameIsCutTo260BytesNeverInsideADoubleByteCharacter)
{
    struct Row {
        const char* what;
        size_t keyLength;    // the cut name
        std::string beyond;  // what follows it in the argument
    };
    const Row rows[] = {
        {"single-byte", 260, "CDE"},
        {"double-byte across the cut", 259, "表F"},  // 0x95 at byte 259, 0x5C at 260
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchClass scratch;
        const std::string key = LongKeyPath(scratch, row.keyLength);
        const std::string argument = key + row.beyond;
        ASSERT_TRUE(RegTestCreateKey(key));
        GuardedBuffer resolved(CLASS_NAME_SIZE, "");
        ResolveClassName(resolved.data(), argument.c_str());
        EXPECT_EQ(key, resolved.Text());
        EXPECT_TRUE(resolved.GuardIntact());
        ExpectRoundTrip(argument, key);
    }
}

// Values no writer of this program makes: every read stays inside its buffer
// and leaves a terminated text; a text that does not fit reads as empty.
TEST(VerbBadValues, EveryReadStaysInItsBufferAndTerminates)
{
    struct Value {
        DWORD type;
        std::string data;
    };
    struct Row {
        const char* what;
        Value menu;
        Value command;
        std::string menuText;
        std::string commandText;
    };
    const Value m = {REG_SZ, std::string("m", 2)};
    const Value c = {REG_SZ, std::string("c", 2)};
    const std::string x32767(32767, 'x');
    // clang-format off
    const Row rows[] = {
        {"menu text of 32767 bytes", {REG_SZ, x32767 + '\0'}, c, x32767, "c"},
        {"menu text of 32768 bytes", {REG_SZ, x32767 + "x" + '\0'}, c, "", "c"},
        {"menu text of 40000 bytes", {REG_SZ, std::string(40000, 'x') + '\0'}, c, "", "c"},
        {"32768 bytes without terminator", {REG_SZ, x32767 + "x"}, c, "", "c"},
        {"command line of 1024 bytes", m, {REG_SZ, x32767.substr(0, 1024) + '\0'}, "m",
         x32767.substr(0, 1024)},
        {"command line of 1025 bytes", m, {REG_SZ, x32767.substr(0, 1025) + '\0'}, "m", ""},
        {"REG_DWORD values", {REG_DWORD, "abcd"}, {REG_DWORD, std::string(4, '\0')}, "abcd", ""},
        {"REG_BINARY values", {REG_BINARY, "\x01\x02"}, {REG_BINARY, std::string(2000, '\x7F')},
         "\x01\x02", ""},
        {"REG_BINARY menu text too long", {REG_BINARY, std::string(40000, '\x7F')}, c, "", "c"},
        {"strings without terminator", {REG_SZ, "↑へ移動"}, {REG_SZ, "\"x\" \"%1\""}, "↑へ移動",
         "\"x\" \"%1\""},
        {"empty values", {REG_SZ, ""}, {REG_SZ, ""}, "", ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchClass scratch;
        ASSERT_TRUE(
            RegTestSetValue(VerbPath(scratch.Name()), nullptr, row.menu.type, row.menu.data));
        ASSERT_TRUE(RegTestSetValue(CommandPath(scratch.Name()), nullptr, row.command.type,
                                    row.command.data));
        auto texts = std::make_unique<Texts>();
        EXPECT_TRUE(texts->Read(scratch.Name()));
        ASSERT_TRUE(texts->Sound());
        EXPECT_EQ(row.menuText, texts->menu.Text());
        EXPECT_EQ(row.commandText, texts->command.Text());
    }
}

// The real kinds of the test prefix, left as they were found.
TEST(VerbRealKinds, AllFilesAndFoldersTakeTheEntryAndGiveItBack)
{
    for (const char* cls : {"*", "directory"}) {
        SCOPED_TRACE(cls);
        const std::string target = ResolvedByHand(cls);
        ASSERT_TRUE(RegTestKeyExists(target)) << "the test prefix lacks this class";
        RegKeyBackup backup(target + "\\shell");
        RegTestDeleteTree(VerbPath(target));

        ExpectRoundTrip(cls, target);
        EXPECT_TRUE(RegTestKeyExists(target + "\\shell"));
    }
}

// Every operation, on every path through it, closes what it opened.
TEST(VerbHandles, EveryOperationClosesWhatItOpens)
{
    ScratchClass registered, noCommand, noShell, noKey("nokey", false), pointer;
    PutEntry(registered.Name(), "M", "C");
    ASSERT_TRUE(RegTestCreateKey(VerbPath(noCommand.Name())));
    ASSERT_TRUE(RegTestSetString(pointer.Name(), nullptr, registered.Name()));
    auto texts = std::make_unique<Texts>();
    texts->Read(registered.Name());  // opens the cached root key once
    if (ProcessHandleCount() == 0) GTEST_SKIP() << "no process handle count on this system";
    for (const ScratchClass* cls : {&registered, &noCommand, &noShell, &noKey, &pointer}) {
        SCOPED_TRACE(cls->Name());
        const DWORD before = ProcessHandleCount();
        texts->Read(cls->Name());
        EXPECT_EQ(before, ProcessHandleCount()) << "ReadVerb";
        HKEY key;
        for (auto open : {OpenClassKey, OpenShellKey, OpenVerbKey}) {
            if (open(cls->c_str(), &key)) {
                EXPECT_EQ(before + 1, ProcessHandleCount());
                RegKeyClose(key);
            }
            EXPECT_EQ(before, ProcessHandleCount());
        }
        WriteVerb(cls->c_str(), "M2", "C2");
        EXPECT_EQ(before, ProcessHandleCount()) << "WriteVerb";
        RemoveVerb(cls->c_str());
        EXPECT_EQ(before, ProcessHandleCount()) << "RemoveVerb";
        RemoveVerb(cls->c_str());
        EXPECT_EQ(before, ProcessHandleCount()) << "RemoveVerb without entry";
    }
}

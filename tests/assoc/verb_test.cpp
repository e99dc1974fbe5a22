#include <gtest/gtest.h>
#include <windows.h>

#include "assoc/guarded_buffer.h"
#include "assoc/registry.h"
#include "assoc/settings.h"
#include "assoc/verb.h"
#include "support/registry.h"

#include <memory>
#include <string>
#include <vector>

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

// Handles this process holds. Wine's GetProcessHandleCount answers 0; the
// system handle list is counted there instead.
DWORD HandleCount()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return count;
    struct Entry {
        USHORT process;
        USHORT backTrace;
        UCHAR type;
        UCHAR attributes;
        USHORT handle;
        PVOID object;
        ULONG access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    typedef LONG(WINAPI * QueryFn)(ULONG, PVOID, ULONG, PULONG);
    const QueryFn query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    const ULONG kSystemHandleInformation = 16;
    std::vector<char> buffer(1 << 20);
    while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                 nullptr) == static_cast<LONG>(0xC0000004)) {  // info length mismatch
        buffer.resize(buffer.size() * 2);
    }
    const List* list = reinterpret_cast<const List*>(buffer.data());
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    for (ULONG i = 0; i < list->count; ++i)
        if (list->entries[i].process == self) ++count;
    return count;
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

TEST(VerbRead, RegisteredEntryGivesBothTextsExactly)
{
    ScratchClass scratch;
    PutEntry(scratch.Name(), "↑へ移動", "\"C:\\ソフト\\nobo.exe\" \"%1\"");
    Texts texts;
    EXPECT_TRUE(texts.Read(scratch.Name()));
    EXPECT_EQ("↑へ移動", texts.menu.Text());
    EXPECT_EQ("\"C:\\ソフト\\nobo.exe\" \"%1\"", texts.command.Text());
    EXPECT_TRUE(texts.Sound());
}

TEST(VerbRead, VerbKeyWithoutCommandKeyIsNotRegistered)
{
    ScratchClass scratch;
    ASSERT_TRUE(RegTestSetString(VerbPath(scratch.Name()), nullptr, "M"));
    Texts texts;
    EXPECT_FALSE(texts.Read(scratch.Name()));
    EXPECT_EQ("command before", texts.command.Text());
    EXPECT_TRUE(texts.Sound());
}

TEST(VerbRead, MissingValuesLeaveTheirBuffers)
{
    ScratchClass scratch;
    ASSERT_TRUE(RegTestCreateKey(VerbPath(scratch.Name())));
    ASSERT_TRUE(RegTestSetString(CommandPath(scratch.Name()), nullptr, "C"));
    Texts texts;
    EXPECT_TRUE(texts.Read(scratch.Name()));
    EXPECT_EQ("menu before", texts.menu.Text());
    EXPECT_EQ("C", texts.command.Text());

    ASSERT_TRUE(RegTestDeleteTree(CommandPath(scratch.Name())));
    ASSERT_TRUE(RegTestCreateKey(CommandPath(scratch.Name())));
    Texts bare;
    EXPECT_TRUE(bare.Read(scratch.Name()));
    EXPECT_EQ("menu before", bare.menu.Text());
    EXPECT_EQ("command before", bare.command.Text());
}

TEST(VerbRead, NoEntryMeansNotRegistered)
{
    ScratchClass noKey("nokey", false);
    ScratchClass noShell;
    ScratchClass noVerb;
    ASSERT_TRUE(RegTestSetString(noVerb / "shell\\open\\command", nullptr, "x"));
    for (const ScratchClass* cls : {&noKey, &noShell, &noVerb}) {
        SCOPED_TRACE(cls->Name());
        Texts texts;
        EXPECT_FALSE(texts.Read(cls->Name()));
        EXPECT_EQ("menu before", texts.menu.Text());
        EXPECT_EQ("command before", texts.command.Text());
    }
    EXPECT_FALSE(RegTestKeyExists(noKey.Name()));
}

TEST(VerbWrite, ClassWithoutKeyIsRefusedAndNothingIsCreated)
{
    ScratchClass noKey("nokey", false);
    EXPECT_FALSE(WriteVerb(noKey.c_str(), "M", "C"));
    EXPECT_FALSE(RegTestKeyExists(noKey.Name()));
}

TEST(VerbWrite, ClassWithoutShellGetsShellVerbAndCommandWithTerminatedStrings)
{
    ScratchClass scratch;
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
    EXPECT_EQ(std::string("new") + '\0', RegTestGetValue(VerbPath(scratch.Name())).data);
    EXPECT_EQ(std::string("C2") + '\0', RegTestGetValue(CommandPath(scratch.Name())).data);
    EXPECT_EQ(std::string("shell32.dll,1") + '\0',
              RegTestGetValue(VerbPath(scratch.Name()), "Icon").data);
    EXPECT_EQ(std::string("{0}") + '\0',
              RegTestGetValue(CommandPath(scratch.Name()), "DelegateExecute").data);
    EXPECT_EQ("command,other", RegTestSubkeys(VerbPath(scratch.Name())));
    EXPECT_EQ(openBefore, RegTestDump(scratch / "shell\\open"));
}

TEST(VerbRemove, EntryGoesAndShellStaysEvenWhenEmpty)
{
    ScratchClass scratch;
    ASSERT_TRUE(WriteVerb(scratch.c_str(), "M", "C"));
    EXPECT_TRUE(RemoveVerb(scratch.c_str()));
    EXPECT_FALSE(RegTestKeyExists(VerbPath(scratch.Name())));
    EXPECT_TRUE(RegTestKeyExists(scratch / "shell"));
    EXPECT_EQ("", RegTestSubkeys(scratch / "shell"));
    Texts texts;
    EXPECT_FALSE(texts.Read(scratch.Name()));
}

TEST(VerbRemove, MissingEntryIsTrueAndChangesNothing)
{
    ScratchClass scratch;
    ASSERT_TRUE(RegTestSetString(scratch / "shell\\open\\command", nullptr, "open"));
    const std::string before = RegTestDump(scratch.Name());
    EXPECT_TRUE(RemoveVerb(scratch.c_str()));
    EXPECT_EQ(before, RegTestDump(scratch.Name()));
}

TEST(VerbRemove, ClassWithoutShellOrWithoutKeyIsFalseAndNothingIsCreated)
{
    ScratchClass noShell;
    ScratchClass noKey("nokey", false);
    EXPECT_FALSE(RemoveVerb(noShell.c_str()));
    EXPECT_EQ("", RegTestSubkeys(noShell.Name()));
    EXPECT_FALSE(RemoveVerb(noKey.c_str()));
    EXPECT_FALSE(RegTestKeyExists(noKey.Name()));
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
    EXPECT_TRUE(ResolveClassName(resolved, a.c_str()));
    EXPECT_EQ(b.Name(), resolved);
    EXPECT_TRUE(ResolveClassName(resolved, b.c_str()));
    EXPECT_EQ(c.Name(), resolved);
}

TEST(VerbIndirection, DefaultValueNamingNoKeyLeavesTheClass)
{
    const char* values[] = {"Text Document", "テキスト ドキュメント", "nobo.test.no.such.class"};
    for (const char* value : values) {
        SCOPED_TRACE(value);
        ScratchClass scratch;
        ASSERT_TRUE(RegTestSetString(scratch.Name(), nullptr, value));
        char resolved[CLASS_NAME_SIZE];
        EXPECT_TRUE(ResolveClassName(resolved, scratch.c_str()));
        EXPECT_EQ(scratch.Name(), resolved);
        ASSERT_TRUE(WriteVerb(scratch.c_str(), "M", "C"));
        EXPECT_EQ("M", RegTestGetString(VerbPath(scratch.Name())));
        Texts texts;
        EXPECT_TRUE(texts.Read(scratch.Name()));
        EXPECT_TRUE(RemoveVerb(scratch.c_str()));
        EXPECT_FALSE(RegTestKeyExists(VerbPath(scratch.Name())));
    }
}

// Subkey "" of HKEY_CLASSES_ROOT is HKEY_CLASSES_ROOT itself: a default value
// that reads as empty must not send the entry to HKEY_CLASSES_ROOT\shell.
TEST(VerbIndirection, EmptyDefaultValueNamesNoClass)
{
    struct Row {
        const char* what;
        DWORD type;
        std::string data;
    };
    const Row rows[] = {
        {"empty string", REG_SZ, std::string(1, '\0')},
        {"empty value", REG_SZ, ""},
        {"REG_DWORD 0", REG_DWORD, std::string(4, '\0')},
    };
    RegKeyBackup rootShell("shell");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchClass scratch;
        ASSERT_TRUE(RegTestSetValue(scratch.Name(), nullptr, row.type, row.data));
        char resolved[CLASS_NAME_SIZE];
        EXPECT_TRUE(ResolveClassName(resolved, scratch.c_str()));
        EXPECT_EQ(scratch.Name(), resolved);

        ASSERT_TRUE(WriteVerb(scratch.c_str(), "M", "C"));
        EXPECT_EQ("M", RegTestGetString(VerbPath(scratch.Name())));
        EXPECT_FALSE(RegTestKeyExists(VerbPath("")));
        Texts texts;
        EXPECT_TRUE(texts.Read(scratch.Name()));
        EXPECT_EQ("M", texts.menu.Text());
        EXPECT_TRUE(RemoveVerb(scratch.c_str()));
        EXPECT_FALSE(RegTestKeyExists(VerbPath(scratch.Name())));
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
    EXPECT_TRUE(ResolveClassName(resolved, scratch.c_str()));
    EXPECT_EQ(fits, resolved);
    ASSERT_TRUE(WriteVerb(scratch.c_str(), "M", "C"));
    EXPECT_EQ("M", RegTestGetString(VerbPath(fits)));

    ASSERT_TRUE(RegTestSetString(scratch.Name(), nullptr, tooLong));
    EXPECT_TRUE(ResolveClassName(resolved, scratch.c_str()));
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
        EXPECT_TRUE(ResolveClassName(resolved.data(), argument.c_str()));
        EXPECT_EQ(key, resolved.Text());
        EXPECT_TRUE(resolved.GuardIntact());

        ASSERT_TRUE(WriteVerb(argument.c_str(), "M", "C"));
        EXPECT_EQ("M", RegTestGetString(VerbPath(key)));
        Texts texts;
        EXPECT_TRUE(texts.Read(argument));
        EXPECT_TRUE(RemoveVerb(argument.c_str()));
        EXPECT_FALSE(RegTestKeyExists(VerbPath(key)));
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

        ASSERT_TRUE(WriteVerb(cls, "↑へ移動", "\"C:\\nobo.exe\" \"%1\""));
        EXPECT_EQ("↑へ移動", RegTestGetString(VerbPath(target)));
        EXPECT_EQ("\"C:\\nobo.exe\" \"%1\"", RegTestGetString(CommandPath(target)));
        Texts texts;
        EXPECT_TRUE(texts.Read(cls));
        EXPECT_EQ("↑へ移動", texts.menu.Text());
        EXPECT_TRUE(RemoveVerb(cls));
        EXPECT_FALSE(RegTestKeyExists(VerbPath(target)));
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
    auto count = HandleCount;
    auto texts = std::make_unique<Texts>();
    texts->Read(registered.Name());  // opens the cached root key once
    if (count() == 0) GTEST_SKIP() << "no process handle count on this system";
    for (const ScratchClass* cls : {&registered, &noCommand, &noShell, &noKey, &pointer}) {
        SCOPED_TRACE(cls->Name());
        const DWORD before = count();
        texts->Read(cls->Name());
        EXPECT_EQ(before, count()) << "ReadVerb";
        HKEY key;
        for (auto open : {OpenClassKey, OpenShellKey, OpenVerbKey}) {
            if (open(cls->c_str(), &key)) {
                EXPECT_EQ(before + 1, count());
                RegKeyClose(key);
            }
            EXPECT_EQ(before, count());
        }
        WriteVerb(cls->c_str(), "M2", "C2");
        EXPECT_EQ(before, count()) << "WriteVerb";
        RemoveVerb(cls->c_str());
        EXPECT_EQ(before, count()) << "RemoveVerb";
        RemoveVerb(cls->c_str());
        EXPECT_EQ(before, count()) << "RemoveVerb without entry";
    }
}

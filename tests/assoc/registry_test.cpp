#include <gtest/gtest.h>
#include <windows.h>

#include "assoc/guarded_buffer.h"
#include "assoc/registry.h"
#include "support/registry.h"

#include <string>

namespace {

std::string Dword(DWORD v)
{
    return std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

}  // namespace

TEST(RegistryKeys, CreateMakesAKeyWithEmptyClassAndOpensAnExistingOne)
{
    ScratchClass scratch;
    HKEY key;
    ASSERT_TRUE(RegKeyCreate(HKEY_CLASSES_ROOT, (scratch / "shell").c_str(), &key));
    char keyClass[16] = "x";
    DWORD classLength = sizeof keyClass;
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryInfoKeyA(key, keyClass, &classLength, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(0u, classLength);
    EXPECT_TRUE(RegKeyClose(key));
    ASSERT_TRUE(RegTestSetString(scratch / "shell", "keep", "me"));

    // A second create opens the same key and leaves what it holds.
    ASSERT_TRUE(RegKeyCreate(HKEY_CLASSES_ROOT, (scratch / "shell").c_str(), &key));
    EXPECT_TRUE(RegKeyClose(key));
    EXPECT_EQ(std::string("me", 3), RegTestGetValue(scratch / "shell", "keep").data);
    EXPECT_EQ("shell", RegTestSubkeys(scratch.Name()));
}

TEST(RegistryKeys, OpenToWriteGivesFullAccessAndFailsOnAMissingKey)
{
    ScratchClass scratch;
    HKEY key;
    ASSERT_TRUE(RegKeyOpenToWrite(HKEY_CLASSES_ROOT, scratch.c_str(), &key));
    // Writable through the handle: opened for writing, not only for reading.
    EXPECT_TRUE(RegSetDefaultString(key, "w"));
    HKEY sub;
    EXPECT_TRUE(RegKeyCreate(key, "sub", &sub));
    RegKeyClose(sub);
    RegKeyClose(key);
    EXPECT_EQ("w", RegTestGetString(scratch.Name()));

    EXPECT_FALSE(RegKeyOpen(HKEY_CLASSES_ROOT, (scratch / "missing").c_str(), &key));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, (scratch / "sub").c_str()));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, (scratch / "missing").c_str()));
}

// Whatever the stored value is, the read stays inside the buffer and leaves a
// terminated string: the earlier text when there was nothing to read, the data
// when it fits with a terminator, else the empty string and false.
TEST(RegistryValues, DefaultValueReadAlwaysLeavesATerminatedStringInsideTheBuffer)
{
    const size_t size = 8;
    struct Row {
        const char* what;
        bool set;
        DWORD type;
        std::string data;
        bool result;
        std::string text;
    };
    const Row rows[] = {
        {"missing value", false, REG_NONE, "", false, "earlier"},
        {"string", true, REG_SZ, std::string("abc", 4), true, "abc"},
        {"string without terminator", true, REG_SZ, "abc", true, "abc"},
        {"empty string", true, REG_SZ, std::string(1, '\0'), true, ""},
        {"empty value", true, REG_SZ, "", true, ""},
        {"Shift-JIS string", true, REG_SZ, std::string("\x95\x5C\x8E\xA6", 5), true,
         "\x95\x5C\x8E\xA6"},
        {"7 bytes and terminator", true, REG_SZ, std::string("1234567", 8), true, "1234567"},
        {"8 bytes without terminator", true, REG_SZ, "12345678", false, ""},
        {"8 bytes and terminator", true, REG_SZ, std::string("12345678", 9), false, ""},
        {"long string", true, REG_SZ, std::string(40, 'x') + '\0', false, ""},
        {"long Shift-JIS string", true, REG_SZ, "\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C", false,
         ""},
        {"REG_DWORD with a zero byte", true, REG_DWORD, Dword(0x00636261), true, "abc"},
        {"REG_DWORD without a zero byte", true, REG_DWORD, Dword(0x64636261), true, "abcd"},
        {"REG_DWORD zero", true, REG_DWORD, Dword(0), true, ""},
        {"REG_BINARY", true, REG_BINARY, "\x01\x02\x03", true, "\x01\x02\x03"},
        {"REG_BINARY empty", true, REG_BINARY, "", true, ""},
        {"REG_BINARY that fills the buffer", true, REG_BINARY, "\x01\x02\x03\x04\x05\x06\x07\x08",
         false, ""},
        {"REG_BINARY longer than the buffer", true, REG_BINARY, std::string(300, '\x7F'), false,
         ""},
        {"REG_MULTI_SZ", true, REG_MULTI_SZ, std::string("a\0b\0", 5), true, "a"},
        {"REG_EXPAND_SZ", true, REG_EXPAND_SZ, std::string("%TMP%", 6), true, "%TMP%"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchClass scratch;
        if (row.set) {
            ASSERT_TRUE(RegTestSetValue(scratch.Name(), nullptr, row.type, row.data));
        }
        GuardedBuffer buffer(size, "earlier");
        HKEY key;
        ASSERT_TRUE(RegKeyOpen(HKEY_CLASSES_ROOT, scratch.c_str(), &key));
        EXPECT_EQ(row.result, RegGetDefaultValue(key, buffer.data(), size));
        RegKeyClose(key);
        ASSERT_TRUE(buffer.Terminated());
        EXPECT_TRUE(buffer.GuardIntact());
        EXPECT_EQ(row.text, buffer.Text());
    }
}

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <functional>
#include <vector>

#include "about/dialog_template.h"
#include "base/mem.h"

namespace {

const uint8_t CANARY = 0xCD;
const size_t CANARY_BYTES = 8;

uintptr_t Str(const char16_t* text)
{
    return (uintptr_t)text;
}

std::vector<uint16_t> WordsOf(const uint8_t* bytes, size_t size)
{
    std::vector<uint16_t> words;
    for (size_t i = 0; i + 1 < size; i += 2) {
        words.push_back((uint16_t)(bytes[i] | bytes[i + 1] << 8));
    }
    return words;
}

// A row's name as a test name: spaces become underscores.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    std::string name = info.param.name;
    for (char& ch : name) {
        ch = ch == ' ' ? '_' : ch;
    }
    return name;
}

// A buffer of size bytes followed by canary bytes that no pass may touch.
struct Guarded {
    explicit Guarded(size_t size, uint8_t fill = 0xEE)
        : size(size), bytes(size + CANARY_BYTES, fill)
    {
        memset(bytes.data() + size, CANARY, CANARY_BYTES);
    }
    bool CanaryIntact() const
    {
        for (size_t i = 0; i < CANARY_BYTES; ++i) {
            if (bytes[size + i] != CANARY) {
                return false;
            }
        }
        return true;
    }
    size_t size;
    std::vector<uint8_t> bytes;
};

// The About box: icon, three text lines and an OK button, all texts empty
// but the button's, in "ＭＳ Ｐゴシック" 9 pt.
const char16_t ABOUT_FACE[] = u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
const DialogItemSpec ABOUT_ITEMS[] = {
    {DLG_CLASS_STATIC, Str(u""), 0x50000003, 0, 7, 7, 20, 21, 100},
    {DLG_CLASS_STATIC, Str(u""), 0x50000000, 0, 30, 7, 1, 8, 101},
    {DLG_CLASS_STATIC, Str(u""), 0x50000000, 0, 30, 16, 1, 8, 102},
    {DLG_CLASS_STATIC, Str(u""), 0x50000000, 0, 30, 25, 1, 8, 103},
    {DLG_CLASS_BUTTON, Str(u"OK"), 0x50020001, 0, 45, 35, 45, 14, 1},
};
const DialogHeaderSpec ABOUT_HEADER = {0x90C820C2, 0, 5, 0, 0, 38, 56, 0, u"", 0, ABOUT_FACE, 9};

// Ordinals everywhere (menu 0x81, class 0x82); the first item lacks WS_CHILD
// and has class 0, the second has text 0.
const DialogItemSpec ORDINAL_ITEMS[] = {
    {0, 5, 0x10000000, 0x00020200, -5, 3, 40, 12, 7},
    {DLG_CLASS_BUTTON, 0, 0x40000001, 0, 1, 2, 3, 4, 0xFFFF},
};
const DialogHeaderSpec ORDINAL_HEADER = {0x80C00000, 0x10,   2,    -1,     2,       100,
                                         50,         0x0082, u"T", 0x0081, nullptr, 12};

// Strings everywhere; no font although a point size is set.
const DialogItemSpec STRING_ITEMS[] = {
    {Str(u"Edit"), Str(u"Go"), 0x40000001, 0, 0, 0, 10, 10, 300},
};
const DialogHeaderSpec STRING_HEADER = {
    0x80000000, 0, 1, 0, 0, 10, 10, Str(u"Cls"), nullptr, Str(u"MENU"), nullptr, 12};

const DialogHeaderSpec EMPTY_HEADER = {0x80C80000, 0, 0, 0, 0, 0, 0, 0, nullptr, 0, nullptr, 9};

struct TemplateCase {
    const char* name;
    const DialogHeaderSpec* header;
    const DialogItemSpec* items;
    std::vector<uint16_t> words;      // the whole template
    std::vector<size_t> itemOffsets;  // bytes
};

const TemplateCase CASES[] = {
    {"about box",
     &ABOUT_HEADER,
     ABOUT_ITEMS,
     {0x20C2, 0x90C8, 0,      0,      5,      0,      0,      38, 56, 0,      0, 0, 9,  0xFF2D,
      0xFF33, 0x0020, 0xFF30, 0x30B4, 0x30B7, 0x30C3, 0x30AF, 0,  3,  0x5000, 0, 0, 7,  7,
      20,     21,     100,    0xFFFF, 0x0082, 0,      0,      0,  0,  0x5000, 0, 0, 30, 7,
      1,      8,      101,    0xFFFF, 0x0082, 0,      0,      0,  0,  0x5000, 0, 0, 30, 16,
      1,      8,      102,    0xFFFF, 0x0082, 0,      0,      0,  0,  0x5000, 0, 0, 30, 25,
      1,      8,      103,    0xFFFF, 0x0082, 0,      0,      0,  1,  0x5002, 0, 0, 45, 35,
      45,     14,     1,      0xFFFF, 0x0080, 'O',    'K',    0,  0,  0},
     {44, 72, 100, 128, 156}},
    {"empty dialog", &EMPTY_HEADER, nullptr, {0, 0x80C8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
    // Header of 15 units gets a padding unit; the 14-unit item gets none.
    {"ordinals",
     &ORDINAL_HEADER,
     ORDINAL_ITEMS,
     {0,      0x80C0, 0x10, 0,      2, 0xFFFF, 2,      100,    50,     0xFFFF, 0x0081,
      0xFFFF, 0x0082, 'T',  0,      0, 0,      0x5000, 0x0200, 0x0002, 0xFFFB, 3,
      40,     12,     7,    0xFFFF, 0, 0xFFFF, 5,      0,      1,      0x4000, 0,
      0,      1,      2,    3,      4, 0xFFFF, 0xFFFF, 0x0080, 0,      0,      0},
     {32, 60}},
    {"strings",
     &STRING_HEADER,
     STRING_ITEMS,
     {0, 0x8000, 0,      0, 1, 0, 0, 10, 10, 'M', 'E', 'N', 'U', 0,   'C', 'l', 's', 0, 0,
      0, 1,      0x4000, 0, 0, 0, 0, 10, 10, 300, 'E', 'd', 'i', 't', 0,   'G', 'o', 0, 0},
     {40}},
};

void PrintTo(const TemplateCase& c, std::ostream* os)
{
    *os << c.name;
}

class TemplateLayout : public testing::TestWithParam<TemplateCase> {};

TEST_P(TemplateLayout, MeasuresWhatItWrites)
{
    const TemplateCase& c = GetParam();
    const size_t size = WriteDialogTemplate(c.header, c.items, nullptr, 0);
    EXPECT_EQ(2 * c.words.size(), size);
    EXPECT_EQ(0u, size % 4);
    // Measuring never looks at the size.
    EXPECT_EQ(size, WriteDialogTemplate(c.header, c.items, nullptr, 3));
    EXPECT_EQ(size, WriteDialogTemplate(c.header, c.items, nullptr, SIZE_MAX));

    Guarded exact(size);
    EXPECT_EQ(size, WriteDialogTemplate(c.header, c.items, exact.bytes.data(), size));
    EXPECT_TRUE(exact.CanaryIntact());
    EXPECT_EQ(c.words, WordsOf(exact.bytes.data(), size));
    for (size_t i = 0; i < c.itemOffsets.size(); ++i) {
        // Each item starts on a 4-byte boundary with its own fixed part.
        const size_t at = c.itemOffsets[i];
        EXPECT_EQ(0u, at % 4);
        EXPECT_EQ(c.items[i].id, exact.bytes[at + 16] | exact.bytes[at + 17] << 8) << "item " << i;
    }
}

TEST_P(TemplateLayout, BuildsTheSameBytesInAHeapBlock)
{
    const TemplateCase& c = GetParam();
    uint8_t* block = (uint8_t*)BuildDialogTemplate(c.header, c.items);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(0u, (uintptr_t)block % 4);
    EXPECT_EQ(c.words, WordsOf(block, 2 * c.words.size()));
    MemFree(block);
}

TEST_P(TemplateLayout, ShortBufferIsNeverOverrun)
{
    const TemplateCase& c = GetParam();
    const size_t full = 2 * c.words.size();
    for (size_t size = 0; size < full; ++size) {
        Guarded shortBuffer(size);
        const size_t written =
            WriteDialogTemplate(c.header, c.items, shortBuffer.bytes.data(), size);
        EXPECT_TRUE(shortBuffer.CanaryIntact()) << "buffer of " << size;
        EXPECT_LE(written, size);
        EXPECT_LT(written, full);
        // Nothing past what the pass counted was touched.
        for (size_t i = written; i < size; ++i) {
            ASSERT_EQ(0xEE, shortBuffer.bytes[i]) << "buffer of " << size << ", byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateLayout, testing::ValuesIn(CASES),
                         CaseName<TemplateCase>);

// The fit rule of each unit writer at the edge of the buffer.
struct WriterCase {
    const char* name;
    std::function<size_t(uint8_t*, size_t)> put;
    size_t units;                 // counted when measuring
    size_t fitsIn;                // smallest buffer it fits in, bytes
    std::vector<uint16_t> words;  // the buffer's units after writing there
    size_t shortSize;             // a buffer it does not fit in
    size_t shortUnits;            // what it counts there
};

const uint16_t UNTOUCHED = 0xEEEE;
const DialogItemSpec PLAIN_ITEM = {DLG_CLASS_STATIC, 0, 0, 0, 1, 2, 3, 4, 9};

// clang-format off
const WriterCase WRITERS[] = {
    {"word at 3", [](uint8_t* b, size_t s) { return PutWord(3, b, s, 0x1234); },
     1, 8, {UNTOUCHED, UNTOUCHED, UNTOUCHED, 0x1234}, 7, 0},
    {"string at 1", [](uint8_t* b, size_t s) { return PutString(1, b, s, u"abc"); },
     4, 10, {UNTOUCHED, 'a', 'b', 'c', 0}, 9, 0},
    {"null string", [](uint8_t* b, size_t s) { return PutString(0, b, s, nullptr); },
     1, 2, {0}, 1, 0},
    // The marker fits before the value does.
    {"ordinal", [](uint8_t* b, size_t s) { return PutOrdinal(0, b, s, 0x0082); },
     2, 4, {0xFFFF, 0x0082}, 3, 1},
    {"zero name", [](uint8_t* b, size_t s) { return PutNameOrOrdinal(0, b, s, 0); },
     1, 2, {0}, 1, 0},
    {"ordinal name", [](uint8_t* b, size_t s) { return PutNameOrOrdinal(0, b, s, 0xFFFF); },
     2, 4, {0xFFFF, 0xFFFF}, 2, 1},
    {"string name", [](uint8_t* b, size_t s) { return PutNameOrOrdinal(0, b, s, Str(u"x")); },
     2, 4, {'x', 0}, 3, 0},
    {"empty string name", [](uint8_t* b, size_t s) { return PutNameOrOrdinal(0, b, s, Str(u"")); },
     1, 2, {0}, 1, 0},
    {"pad at odd", [](uint8_t* b, size_t s) { return PadToDword(1, b, s); },
     1, 4, {UNTOUCHED, 0}, 3, 0},
    {"pad at even", [](uint8_t* b, size_t s) { return PadToDword(2, b, s); },
     0, 8, {UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED}, 0, 0},
    {"header", [](uint8_t* b, size_t s) { return PutDialogHeader(0, b, s, &EMPTY_HEADER); },
     9, 18, {0, 0x80C8, 0, 0, 0, 0, 0, 0, 0}, 17, 0},
    {"item", [](uint8_t* b, size_t s) { return PutDialogItem(0, b, s, &PLAIN_ITEM); },
     13, 26, {0, 0x4000, 0, 0, 1, 2, 3, 4, 9, 0xFFFF, 0x0082, 0, 0}, 25, 12},
    // Without room for the fixed part, class, text and creation data still
    // fit and are counted: the result is no template, but stays in bounds.
    {"item without fixed part", [](uint8_t* b, size_t s) { return PutDialogItem(0, b, s, &PLAIN_ITEM); },
     13, 26, {0, 0x4000, 0, 0, 1, 2, 3, 4, 9, 0xFFFF, 0x0082, 0, 0}, 17, 4},
};
// clang-format on

void PrintTo(const WriterCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnitWriter : public testing::TestWithParam<WriterCase> {};

TEST_P(UnitWriter, WritesOnlyWhatFits)
{
    const WriterCase& c = GetParam();
    EXPECT_EQ(c.units, c.put(nullptr, 0));
    EXPECT_EQ(c.units, c.put(nullptr, c.shortSize));

    Guarded fits(c.fitsIn);
    EXPECT_EQ(c.units, c.put(fits.bytes.data(), c.fitsIn));
    EXPECT_TRUE(fits.CanaryIntact());
    EXPECT_EQ(c.words, WordsOf(fits.bytes.data(), c.fitsIn));

    Guarded tight(c.shortSize);
    EXPECT_EQ(c.shortUnits, c.put(tight.bytes.data(), c.shortSize));
    EXPECT_TRUE(tight.CanaryIntact());
    for (size_t i = 2 * c.shortUnits; i < c.shortSize; ++i) {
        EXPECT_EQ(0xEE, tight.bytes[i]) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, UnitWriter, testing::ValuesIn(WRITERS), CaseName<WriterCase>);

}  // namespace

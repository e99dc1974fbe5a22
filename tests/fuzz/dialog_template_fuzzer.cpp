// Random dialog descriptions and buffer sizes: the writing pass stays inside
// its buffer, and with the measured size it writes exactly what was measured.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdlib.h>
#include <string.h>

#include "about/dialog_template.h"
#include "base/mem.h"

namespace {

const size_t MAX_ITEMS = 12;
const size_t MAX_STRING = 24;
// Header: class, title, menu, face; each item: class and text.
const size_t MAX_STRINGS = 4 + 2 * MAX_ITEMS;

struct StringPool {
    char16_t text[MAX_STRINGS][MAX_STRING + 1];
    size_t used;
};

void Check(bool holds)
{
    if (!holds) {
        abort();
    }
}

// Any units, zeros included: a zero just ends the string early.
const char16_t* TakeString(FuzzedDataProvider& data, StringPool& pool)
{
    char16_t* text = pool.text[pool.used++];
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, MAX_STRING);
    for (size_t i = 0; i < length; ++i) {
        text[i] = data.ConsumeIntegral<char16_t>();
    }
    text[length] = 0;
    return text;
}

uintptr_t TakeNameOrOrdinal(FuzzedDataProvider& data, StringPool& pool)
{
    switch (data.ConsumeIntegralInRange(0, 2)) {
        case 0:
            return 0;
        case 1:
            return data.ConsumeIntegralInRange<uintptr_t>(1, DLG_ORDINAL_MAX);
        default:
            return (uintptr_t)TakeString(data, pool);
    }
}

const char16_t* TakeOptionalString(FuzzedDataProvider& data, StringPool& pool)
{
    return data.ConsumeBool() ? TakeString(data, pool) : nullptr;
}

void TakeHeader(FuzzedDataProvider& data, StringPool& pool, DialogHeaderSpec* header)
{
    header->style = data.ConsumeIntegral<uint32_t>();
    header->exStyle = data.ConsumeIntegral<uint32_t>();
    header->itemCount = data.ConsumeIntegralInRange<uint16_t>(0, MAX_ITEMS);
    header->x = data.ConsumeIntegral<int16_t>();
    header->y = data.ConsumeIntegral<int16_t>();
    header->cx = data.ConsumeIntegral<int16_t>();
    header->cy = data.ConsumeIntegral<int16_t>();
    header->windowClass = TakeNameOrOrdinal(data, pool);
    header->title = TakeOptionalString(data, pool);
    header->menu = TakeNameOrOrdinal(data, pool);
    header->fontFace = TakeOptionalString(data, pool);
    header->fontPointSize = data.ConsumeIntegral<uint16_t>();
}

void TakeItem(FuzzedDataProvider& data, StringPool& pool, DialogItemSpec* item)
{
    item->windowClass = TakeNameOrOrdinal(data, pool);
    item->text = TakeNameOrOrdinal(data, pool);
    item->style = data.ConsumeIntegral<uint32_t>();
    item->exStyle = data.ConsumeIntegral<uint32_t>();
    item->x = data.ConsumeIntegral<int16_t>();
    item->y = data.ConsumeIntegral<int16_t>();
    item->cx = data.ConsumeIntegral<int16_t>();
    item->cy = data.ConsumeIntegral<int16_t>();
    item->id = data.ConsumeIntegral<uint16_t>();
}

// True when every byte from `from` up to size still holds the fill.
bool UntouchedFrom(const uint8_t* bytes, size_t from, size_t size, uint8_t fill)
{
    for (size_t i = from; i < size; ++i) {
        if (bytes[i] != fill) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t count)
{
    FuzzedDataProvider data(bytes, count);
    StringPool pool;
    pool.used = 0;
    DialogHeaderSpec header;
    TakeHeader(data, pool, &header);
    DialogItemSpec items[MAX_ITEMS];
    for (size_t i = 0; i < header.itemCount; ++i) {
        TakeItem(data, pool, &items[i]);
    }

    const size_t measured = WriteDialogTemplate(&header, items, nullptr, 0);
    Check(measured >= 24 && measured % 4 == 0);
    Check(measured == WriteDialogTemplate(&header, items, nullptr, data.ConsumeIntegral<size_t>()));

    // Exact size: written in full, every byte, whatever the block held before.
    uint8_t* first = (uint8_t*)malloc(measured);
    uint8_t* second = (uint8_t*)malloc(measured);
    Check(first != nullptr && second != nullptr);
    memset(first, 0xA5, measured);
    memset(second, 0x5A, measured);
    Check(WriteDialogTemplate(&header, items, first, measured) == measured);
    Check(WriteDialogTemplate(&header, items, second, measured) == measured);
    Check(memcmp(first, second, measured) == 0);
    uint8_t* built = (uint8_t*)BuildDialogTemplate(&header, items);
    Check(built != nullptr && memcmp(built, first, measured) == 0);
    MemFree(built);
    MemFree(second);
    MemFree(first);

    // Any size: the block is exactly that big, so AddressSanitizer sees any
    // write at or past its end; nothing past the counted size is touched.
    const size_t size = data.ConsumeIntegralInRange<size_t>(0, measured + 8);
    uint8_t* block = (uint8_t*)malloc(size == 0 ? 1 : size);
    Check(block != nullptr);
    memset(block, 0xA5, size);
    const size_t written = WriteDialogTemplate(&header, items, block, size);
    Check(written <= size && written <= measured);
    Check(size < measured || written == measured);
    Check(UntouchedFrom(block, written, size, 0xA5));
    MemFree(block);
    return 0;
}

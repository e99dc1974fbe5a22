#include "about/dialog_template.h"

#include <stdlib.h>

namespace {

const size_t FIXED_UNITS = 9;  // the fixed part of DLGTEMPLATE and DLGITEMTEMPLATE

// True when count units starting at unit pos lie inside size bytes. Written
// without sums, so no position or length can wrap it into a false yes.
bool UnitsFit(size_t pos, size_t count, size_t size)
{
    const size_t room = size / 2;
    return pos <= room && count <= room - pos;
}

void StoreWord(uint8_t* buffer, size_t pos, uint16_t value)
{
    // Templates are little-endian whatever the host is.
    buffer[2 * pos] = static_cast<uint8_t>(value & 0xFF);
    buffer[2 * pos + 1] = static_cast<uint8_t>(value >> 8);
}

size_t StringUnits(const char16_t* text)
{
    size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

// The fixed part of a header or an item: all nine words, or nothing.
size_t PutFixedPart(size_t pos, uint8_t* buffer, size_t size, const uint16_t (&words)[FIXED_UNITS])
{
    if (buffer == nullptr) {
        return FIXED_UNITS;
    }
    if (!UnitsFit(pos, FIXED_UNITS, size)) {
        return 0;
    }
    for (size_t i = 0; i < FIXED_UNITS; ++i) {
        StoreWord(buffer, pos + i, words[i]);
    }
    return FIXED_UNITS;
}

uint16_t LowWord(uint32_t value)
{
    return static_cast<uint16_t>(value & 0xFFFF);
}

uint16_t HighWord(uint32_t value)
{
    return static_cast<uint16_t>(value >> 16);
}

}  // namespace

size_t PutWord(size_t pos, uint8_t* buffer, size_t size, uint16_t value)
{
    if (buffer == nullptr) {
        return 1;
    }
    if (!UnitsFit(pos, 1, size)) {
        return 0;
    }
    StoreWord(buffer, pos, value);
    return 1;
}

size_t PutOrdinal(size_t pos, uint8_t* buffer, size_t size, uint16_t value)
{
    const size_t marker = PutWord(pos, buffer, size, 0xFFFF);
    return marker + PutWord(pos + marker, buffer, size, value);
}

size_t PutString(size_t pos, uint8_t* buffer, size_t size, const char16_t* text)
{
    if (text == nullptr) {
        text = u"";
    }
    const size_t length = StringUnits(text);
    if (buffer == nullptr) {
        return length + 1;
    }
    if (length >= SIZE_MAX / 2 || !UnitsFit(pos, length + 1, size)) {
        return 0;
    }
    for (size_t i = 0; i <= length; ++i) {
        StoreWord(buffer, pos + i, static_cast<uint16_t>(text[i]));
    }
    return length + 1;
}

size_t PutNameOrOrdinal(size_t pos, uint8_t* buffer, size_t size, uintptr_t value)
{
    if (value == 0) {
        return PutWord(pos, buffer, size, 0);
    }
    if (value <= DLG_ORDINAL_MAX) {
        return PutOrdinal(pos, buffer, size, static_cast<uint16_t>(value));
    }
    return PutString(pos, buffer, size, reinterpret_cast<const char16_t*>(value));
}

size_t PadToDword(size_t pos, uint8_t* buffer, size_t size)
{
    if (pos % 2 == 0) {
        return 0;
    }
    return PutWord(pos, buffer, size, 0);
}

size_t PutDialogHeader(size_t pos, uint8_t* buffer, size_t size, const DialogHeaderSpec* header)
{
    const uint16_t words[FIXED_UNITS] = {
        LowWord(header->style),
        HighWord(header->style),
        LowWord(header->exStyle),
        HighWord(header->exStyle),
        header->itemCount,
        static_cast<uint16_t>(header->x),
        static_cast<uint16_t>(header->y),
        static_cast<uint16_t>(header->cx),
        static_cast<uint16_t>(header->cy),
    };
    return PutFixedPart(pos, buffer, size, words);
}

size_t PutDialogItem(size_t pos, uint8_t* buffer, size_t size, const DialogItemSpec* item)
{
    const uint32_t style = item->style | DLG_WS_CHILD;
    const uint16_t words[FIXED_UNITS] = {
        LowWord(style),
        HighWord(style),
        LowWord(item->exStyle),
        HighWord(item->exStyle),
        static_cast<uint16_t>(item->x),
        static_cast<uint16_t>(item->y),
        static_cast<uint16_t>(item->cx),
        static_cast<uint16_t>(item->cy),
        item->id,
    };
    size_t n = pos;
    n += PutFixedPart(n, buffer, size, words);
    // Unlike the header's, an item's class is never the single zero unit.
    if (item->windowClass > DLG_ORDINAL_MAX) {
        n += PutString(n, buffer, size, reinterpret_cast<const char16_t*>(item->windowClass));
    } else {
        n += PutOrdinal(n, buffer, size, static_cast<uint16_t>(item->windowClass));
    }
    n += PutNameOrOrdinal(n, buffer, size, item->text);
    n += PutWord(n, buffer, size, 0);  // no creation data
    return n - pos;
}

size_t WriteDialogTemplate(const DialogHeaderSpec* header, const DialogItemSpec* items,
                           uint8_t* buffer, size_t size)
{
    size_t n = 0;
    n += PutDialogHeader(n, buffer, size, header);
    n += PutNameOrOrdinal(n, buffer, size, header->menu);
    n += PutNameOrOrdinal(n, buffer, size, header->windowClass);
    n += PutString(n, buffer, size, header->title);
    if (header->fontFace != nullptr) {
        n += PutWord(n, buffer, size, header->fontPointSize);
        n += PutString(n, buffer, size, header->fontFace);
    }
    n += PadToDword(n, buffer, size);
    for (uint16_t i = 0; i < header->itemCount; ++i) {
        n += PutDialogItem(n, buffer, size, &items[i]);
        n += PadToDword(n, buffer, size);
    }
    return 2 * n;
}

void* BuildDialogTemplate(const DialogHeaderSpec* header, const DialogItemSpec* items)
{
    const size_t size = WriteDialogTemplate(header, items, nullptr, 0);
    uint8_t* block = static_cast<uint8_t*>(malloc(size));
    if (block == nullptr) {
        return nullptr;
    }
    WriteDialogTemplate(header, items, block, size);
    return block;
}

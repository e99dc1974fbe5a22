#pragma once
// Dialog templates built in memory (the classic DLGTEMPLATE layout), so a
// dialog can run through DialogBoxIndirectParamA without a resource.
// Pure code: no Win32 headers, so it is built and tested natively too.
#include <stddef.h>
#include <stdint.h>

// Class, menu and text values at or below 0xFFFF are ordinals (the
// MAKEINTRESOURCE convention); larger values are addresses of NUL-terminated
// UTF-16 strings, copied by the builder.
const uintptr_t DLG_ORDINAL_MAX = 0xFFFF;

const uint32_t DLG_WS_CHILD = 0x40000000;

// Predefined control class ordinals.
const uintptr_t DLG_CLASS_BUTTON = 0x0080;
const uintptr_t DLG_CLASS_EDIT = 0x0081;
const uintptr_t DLG_CLASS_STATIC = 0x0082;

struct DialogHeaderSpec {
    uint32_t style;  // copied unchanged; DS_SETFONT is the caller's job
    uint32_t exStyle;
    uint16_t itemCount;
    int16_t x, y, cx, cy;      // dialog units
    uintptr_t windowClass;     // 0: the system dialog class
    const char16_t* title;     // null: empty caption
    uintptr_t menu;            // 0: no menu
    const char16_t* fontFace;  // null: no font fields at all
    uint16_t fontPointSize;
};

struct DialogItemSpec {
    uintptr_t windowClass;  // ordinal (0 included) or class name
    uintptr_t text;         // 0: no text; ordinal (e.g. an icon id) or text
    uint32_t style;         // WS_CHILD is always added
    uint32_t exStyle;
    int16_t x, y, cx, cy;  // dialog units
    uint16_t id;
};

// The template in one malloc block of exactly the measured size, or null when
// memory runs out. Free it with MemFree once the dialog has ended.
void* BuildDialogTemplate(const DialogHeaderSpec* header, const DialogItemSpec* items);

// One pass over the description: with a null buffer it measures (size is not
// looked at), otherwise it writes, never at or past size bytes. Returns twice
// the units counted; less than the measured size means the buffer was short.
size_t WriteDialogTemplate(const DialogHeaderSpec* header, const DialogItemSpec* items,
                           uint8_t* buffer, size_t size);

// The unit writers the pass is made of. pos counts 16-bit units from the block
// start; each returns the units it takes: all of them when measuring (null
// buffer), else all of them when they fit in size bytes and 0 when they do not.
size_t PutWord(size_t pos, uint8_t* buffer, size_t size, uint16_t value);
size_t PutOrdinal(size_t pos, uint8_t* buffer, size_t size, uint16_t value);
size_t PutString(size_t pos, uint8_t* buffer, size_t size, const char16_t* text);
size_t PutNameOrOrdinal(size_t pos, uint8_t* buffer, size_t size, uintptr_t value);
size_t PadToDword(size_t pos, uint8_t* buffer, size_t size);
size_t PutDialogHeader(size_t pos, uint8_t* buffer, size_t size, const DialogHeaderSpec* header);
size_t PutDialogItem(size_t pos, uint8_t* buffer, size_t size, const DialogItemSpec* item);

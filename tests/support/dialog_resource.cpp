#include "support/dialog_resource.h"

#include <stdio.h>
#include <string.h>

#include "support/process.h"

namespace {

struct Reader {
    const BYTE* p;
    template <class T>
    T Take()
    {
        T v;
        memcpy(&v, p, sizeof v);
        p += sizeof v;
        return v;
    }
    std::string String()
    {
        std::wstring s;
        for (WCHAR c; (c = Take<WCHAR>()) != 0;) s += c;
        return Narrow(s);
    }
    // An ordinal or a string, as the template stores names.
    std::string NameOrOrdinal()
    {
        WORD first;
        memcpy(&first, p, sizeof first);
        if (first != 0xFFFF) return String();
        p += 2;
        const WORD ordinal = Take<WORD>();
        static const char* const names[] = {"BUTTON",  "EDIT",      "STATIC",
                                            "LISTBOX", "SCROLLBAR", "COMBOBOX"};
        if (ordinal >= 0x80 && ordinal <= 0x85) return names[ordinal - 0x80];
        return "#" + std::to_string(ordinal);
    }
    RECT Units()
    {
        RECT r;
        r.left = Take<SHORT>();
        r.top = Take<SHORT>();
        r.right = Take<SHORT>();
        r.bottom = Take<SHORT>();
        return r;
    }
    void Align(const BYTE* base)
    {
        while ((p - base) % 4) ++p;
    }
};

BOOL CALLBACK FirstLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR out)
{
    *reinterpret_cast<WORD*>(out) = language;
    return FALSE;
}

}  // namespace

DialogResource ReadDialogResource(HMODULE module, int id, WORD language)
{
    DialogResource d = {};
    if (language == 0)
        EnumResourceLanguagesA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id), FirstLanguage,
                               reinterpret_cast<LONG_PTR>(&language));
    HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id), language);
    const BYTE* base =
        found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
    if (!base) return d;
    Reader r = {base};
    if (r.Take<WORD>() != 1 || r.Take<WORD>() != 0xFFFF) return d;  // not DIALOGEX
    d.found = true;
    d.language = language;
    r.Take<DWORD>();  // help id
    d.exStyle = r.Take<DWORD>();
    d.style = r.Take<DWORD>();
    const WORD count = r.Take<WORD>();
    d.units = r.Units();
    d.menu = r.NameOrOrdinal();
    d.className = r.NameOrOrdinal();
    d.caption = r.String();
    if (d.style & DS_SETFONT) {
        d.pointSize = r.Take<WORD>();
        d.weight = r.Take<WORD>();
        d.italic = r.Take<BYTE>();
        d.charset = r.Take<BYTE>();
        d.face = r.String();
    }
    for (WORD i = 0; i < count; ++i) {
        r.Align(base);
        DialogResourceItem item;
        item.helpId = r.Take<DWORD>();
        item.exStyle = r.Take<DWORD>();
        item.style = r.Take<DWORD>();
        item.units = r.Units();
        item.id = r.Take<DWORD>();
        item.className = r.NameOrOrdinal();
        item.text = r.NameOrOrdinal();
        r.p += r.Take<WORD>();  // creation data
        d.items.push_back(item);
    }
    return d;
}

const DialogResourceItem* FindDialogItem(const DialogResource& dialog, DWORD id)
{
    for (const DialogResourceItem& item : dialog.items)
        if (item.id == id) return &item;
    return nullptr;
}

static std::string Units(const RECT& r)
{
    char text[64];
    snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string DescribeDialog(const DialogResource& d)
{
    char head[96];
    snprintf(head, sizeof head, "%08lX %lX %s %04X ", d.style, d.exStyle, Units(d.units).c_str(),
             d.language);
    char font[48];
    snprintf(font, sizeof font, "%u %u %u %u ", d.pointSize, d.weight, d.italic, d.charset);
    return head + d.menu + "|" + d.className + "|" + d.caption + "|" + font + d.face;
}

std::string DescribeDialogItem(const DialogResourceItem& item)
{
    char head[96];
    snprintf(head, sizeof head, "%lu %s %08lX %lX %lu %s ", item.id, item.className.c_str(),
             item.style, item.exStyle, item.helpId, Units(item.units).c_str());
    return head + item.text;
}

#include "ui/message_box.h"

#include "text/format.h"

namespace {

// The program's texts are Shift-JIS whatever the system's ANSI code page.
const UINT CODE_PAGE_SHIFT_JIS = 932;

void FromShiftJis(const char* text, WCHAR* out, int size)
{
    if (!MultiByteToWideChar(CODE_PAGE_SHIFT_JIS, 0, text, -1, out, size)) {
        out[0] = L'\0';
    }
}

}  // namespace

int ShowMessageF(HWND owner, UINT type, const char* caption, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    StrFormatBoundedV(sizeof text, text, format, args);
    va_end(args);
    return MessageBoxA(owner, text, caption, type);
}

int ShowPathMessage(HWND owner, UINT type, const char* caption, const char* format,
                    const wchar_t* first, const wchar_t* second)
{
    WCHAR wideCaption[128];
    WCHAR wideFormat[512];
    WCHAR text[1024];
    FromShiftJis(caption, wideCaption, sizeof wideCaption / sizeof wideCaption[0]);
    FromShiftJis(format, wideFormat, sizeof wideFormat / sizeof wideFormat[0]);
    const wchar_t* const paths[] = {first, second};
    StrFillBounded(sizeof text / sizeof text[0], text, wideFormat, paths, second ? 2 : 1);
    return MessageBoxW(owner, text, wideCaption, type);
}

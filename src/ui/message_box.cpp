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

void FormatPathMessage(const char* caption, const char* format, const wchar_t* first,
                       const wchar_t* second, PathMessage* out)
{
    WCHAR wideFormat[512];
    FromShiftJis(caption, out->caption, sizeof out->caption / sizeof out->caption[0]);
    FromShiftJis(format, wideFormat, sizeof wideFormat / sizeof wideFormat[0]);
    const wchar_t* const paths[] = {first, second};
    StrFillBounded(sizeof out->text / sizeof out->text[0], out->text, wideFormat, paths,
                   second ? 2 : 1);
}

int ShowPathMessage(HWND owner, UINT type, const char* caption, const char* format,
                    const wchar_t* first, const wchar_t* second)
{
    PathMessage message;
    FormatPathMessage(caption, format, first, second, &message);
    return MessageBoxW(owner, message.text, message.caption, type);
}

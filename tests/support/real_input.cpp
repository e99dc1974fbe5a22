#include "support/real_input.h"

#include "support/scratch.h"

namespace {

typedef char*(CDECL* UnixFileNameFn)(LPCWSTR);

// The Unix path of a Windows path, through Wine's own export.
std::string UnixPath(const std::string& windows)
{
    static const UnixFileNameFn convert = reinterpret_cast<UnixFileNameFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return "";
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, windows.c_str(), -1, wide, MAX_PATH);
    char* unix = convert(wide);
    if (!unix) return "";
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

std::string Point(POINT p)
{
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

}  // namespace

bool XdoTool(const std::string& arguments, std::string* output)
{
    static ScratchDir dir("xdo");
    static unsigned count;
    const std::string out = dir / ("out" + std::to_string(++count)), done = out + ".rc";
    std::string line = "/bin/sh -c \"xdotool " + arguments + " > '" + UnixPath(out) +
                       "' ; echo $? > '" + UnixPath(done) + "'\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    // For a Unix program Wine fills pi with stray values, not handles: closing
    // them could close some handle of this process.
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    std::string code;
    WaitUntil([&] { return (code = ReadFileBytes(done)) != "<missing>" && !code.empty(); });
    if (output) *output = ReadFileBytes(out);
    return code == "0\n";
}

std::string KeyboardFocusCaption()
{
    std::string utf8;
    if (!XdoTool("getwindowfocus getwindowname", &utf8) || utf8.empty()) return "";
    utf8.pop_back();  // the line feed
    wchar_t wide[256] = L"";
    char caption[512] = "";
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide, 256);
    WideCharToMultiByte(CP_ACP, 0, wide, -1, caption, sizeof caption, nullptr, nullptr);
    return caption;
}

bool MouseMove(POINT to)
{
    return XdoTool("mousemove " + Point(to));
}

bool MouseClick(POINT at)
{
    return XdoTool("mousemove " + Point(at) + " click 1");
}

bool MouseDrag(POINT from, POINT to)
{
    return XdoTool("mousemove " + Point(from) + " mousedown 1 mousemove " + Point(to) +
                   " mouseup 1");
}

bool PressKeys(const std::string& keys)
{
    return XdoTool("key " + keys);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
}

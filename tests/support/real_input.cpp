#include "support/real_input.h"

#include <stdlib.h>
#include <string.h>

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

bool RunUnix(const std::string& command, std::string* output)
{
    static ScratchDir dir("xdo");
    static unsigned count;
    const std::string out = dir / ("out" + std::to_string(++count)), done = out + ".rc";
    std::string line = "/bin/sh -c \"" + command + " > '" + UnixPath(out) + "' ; echo $? > '" +
                       UnixPath(done) + "'\"";
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

bool XdoTool(const std::string& arguments, std::string* output)
{
    return RunUnix("xdotool " + arguments, output);
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

RECT KeyboardFocusRect()
{
    // Not xdotool's getwindowgeometry: it counts a child window's offset twice.
    std::string info;
    RECT r = {};
    if (!RunUnix("xwininfo -id $(xdotool getwindowfocus)", &info)) return r;
    const char* const fields[] = {
        "Absolute upper-left X:", "Absolute upper-left Y:", "Width:", "Height:"};
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        const size_t at = info.find(fields[i]);
        if (at == std::string::npos) return r;
        v[i] = atoi(info.c_str() + at + strlen(fields[i]));
    }
    return {v[0], v[1], v[0] + v[2], v[1] + v[3]};
}

bool MouseMove(POINT to)
{
    return XdoTool("mousemove " + Point(to));
}

bool MouseClick(POINT at)
{
    return XdoTool("mousemove " + Point(at) + " click 1");
}

bool MousePressAndMove(POINT from, POINT to)
{
    return XdoTool("mousemove " + Point(from) + " mousedown 1 mousemove " + Point(to));
}

bool MouseRelease()
{
    return XdoTool("mouseup 1");
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

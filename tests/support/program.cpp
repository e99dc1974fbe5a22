#include "support/program.h"

#include <algorithm>

#include "resource.h"
#include "support/explorer.h"
#include "support/registry.h"

struct Program::State {
    std::wstring line;
    std::wstring folder;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    HANDLE process = nullptr;
    DWORD id = 0;
    int exitCode = -1;
    bool killed = false;
    CRITICAL_SECTION lock;
    std::vector<std::string> trace;
};

namespace {

std::string DebugText(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info)
{
    std::string bytes(info.nDebugStringLength * (info.fUnicode ? 2 : 1), '\0');
    SIZE_T got = 0;
    ReadProcessMemory(process, info.lpDebugStringData, &bytes[0], bytes.size(), &got);
    bytes.resize(got);
    if (info.fUnicode)
        return Narrow(
            std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), got / 2).c_str());
    return bytes.c_str();
}

// The debugger must be the thread that started the process.
DWORD WINAPI Debug(void* param)
{
    Program::State* s = static_cast<Program::State*>(param);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::wstring line = s->line;
    const bool started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                       s->folder.empty() ? nullptr : s->folder.c_str(), &si, &pi);
    if (started) {
        CloseHandle(pi.hThread);
        s->process = pi.hProcess;
        s->id = pi.dwProcessId;
    }
    SetEvent(s->ready);
    for (bool ended = !started; !ended;) {
        DEBUG_EVENT ev;
        if (!WaitForDebugEvent(&ev, INFINITE)) break;
        DWORD status = DBG_CONTINUE;
        switch (ev.dwDebugEventCode) {
            case CREATE_PROCESS_DEBUG_EVENT:
                if (ev.u.CreateProcessInfo.hFile) CloseHandle(ev.u.CreateProcessInfo.hFile);
                break;
            case LOAD_DLL_DEBUG_EVENT:
                if (ev.u.LoadDll.hFile) CloseHandle(ev.u.LoadDll.hFile);
                break;
            case OUTPUT_DEBUG_STRING_EVENT: {
                const std::string text = DebugText(s->process, ev.u.DebugString);
                EnterCriticalSection(&s->lock);
                s->trace.push_back(text);
                LeaveCriticalSection(&s->lock);
                break;
            }
            case EXCEPTION_DEBUG_EVENT:
                // The loader's breakpoint is ours; a real fault goes to the program.
                if (ev.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                    status = DBG_EXCEPTION_NOT_HANDLED;
                break;
            case EXIT_PROCESS_DEBUG_EVENT:
                s->exitCode = s->killed ? -2 : static_cast<int>(ev.u.ExitProcess.dwExitCode);
                ended = true;
                break;
        }
        ContinueDebugEvent(ev.dwProcessId, ev.dwThreadId, status);
    }
    return 0;
}

struct Search {
    DWORD id;
    const std::string* caption;
    const std::vector<HWND>* seen;
    HWND found;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM param)
{
    Search* s = reinterpret_cast<Search*>(param);
    DWORD id = 0;
    GetWindowThreadProcessId(hwnd, &id);
    if (id != s->id || !IsWindowVisible(hwnd)) return TRUE;
    if (std::find(s->seen->begin(), s->seen->end(), hwnd) != s->seen->end()) return TRUE;
    if (!s->caption->empty() && Text(hwnd) != *s->caption) return TRUE;
    s->found = hwnd;
    return FALSE;
}

}  // namespace

Program::Program(const std::wstring& commandLine, const std::string& folder) : state_(new State)
{
    InitializeCriticalSection(&state_->lock);
    state_->line = commandLine;
    state_->folder = Widen(folder);
    state_->thread = CreateThread(nullptr, 0, Debug, state_, 0, nullptr);
    WaitForSingleObject(state_->ready, INFINITE);
}

Program::~Program()
{
    Wait(0);
    CloseHandle(state_->thread);
    CloseHandle(state_->ready);
    if (state_->process) CloseHandle(state_->process);
    DeleteCriticalSection(&state_->lock);
    delete state_;
}

HWND Program::Next(const std::string& caption, unsigned timeoutMs)
{
    Search search = {state_->id, &caption, &seen_, nullptr};
    WaitFor(
        [&] {
            EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
            return search.found || WaitForSingleObject(state_->thread, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    if (search.found) seen_.push_back(search.found);
    return search.found;
}

int Program::Wait(unsigned timeoutMs)
{
    if (WaitForSingleObject(state_->thread, timeoutMs) == WAIT_TIMEOUT) {
        state_->killed = true;
        TerminateProcess(state_->process, 99);
        WaitForSingleObject(state_->thread, INFINITE);
    }
    return state_->exitCode;
}

std::vector<std::string> Program::Trace() const
{
    EnterCriticalSection(&state_->lock);
    std::vector<std::string> copy = state_->trace;
    LeaveCriticalSection(&state_->lock);
    return copy;
}

std::string BesideTest(const char* name)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::wstring NoboLine(const std::string& arguments)
{
    return Widen(Quoted(BesideTest("nobo.exe")) + " " + arguments);
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// "{U+XXXX}" stands for a character code page 932 cannot hold.
std::wstring Widen(const std::string& ansi)
{
    std::wstring wide;
    for (size_t i = 0; i < ansi.size();) {
        unsigned cp = 0;
        int used = 0, n = IsDBCSLeadByteEx(932, ansi[i]) ? 2 : 1;
        wchar_t w[2];
        if (sscanf(ansi.c_str() + i, "{U+%x}%n", &cp, &used) == 1 && used > 0) {
            n = used;
            if (cp >= 0x10000) wide += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            wide += static_cast<wchar_t>(cp >= 0x10000 ? 0xDC00 + (cp & 0x3FF) : cp);
        } else {
            wide.append(w, MultiByteToWideChar(932, 0, &ansi[i], n, w, 2));
        }
        i += n;
    }
    return wide;
}

std::string Narrow(const std::wstring& wide)
{
    std::string ansi;
    for (size_t i = 0, n; i < wide.size(); i += n) {
        n = IS_SURROGATE_PAIR(wide[i], i + 1 < wide.size() ? wide[i + 1] : 0) ? 2 : 1;
        char b[16];
        BOOL lossy = FALSE;
        const int got = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide[i],
                                            static_cast<int>(n), b, sizeof b, nullptr, &lossy);
        if (got <= 0 || lossy)
            snprintf(
                b, sizeof b, "{U+%04X}",
                n == 2 ? 0x10000 + ((wide[i] & 0x3FF) << 10) + (wide[i + 1] & 0x3FF) : wide[i]);
        ansi += got <= 0 || lossy ? std::string(b) : std::string(b, got);
    }
    return ansi;
}

std::string Text(HWND window)
{
    wchar_t text[4096] = L"";
    DWORD_PTR got = 0;
    // Answered as soon as the program runs again: the time-out only stops a hang.
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        30000, &got);
    return Narrow(text);
}

std::string ItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? Text(item) : "<no item>";
}

void Press(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

namespace {

BOOL CALLBACK AddButton(HWND child, LPARAM buttons)
{
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    std::string& all = *reinterpret_cast<std::string*>(buttons);
    if (!lstrcmpiA(name, "Button") && IsWindowVisible(child))
        all += (all.empty() ? "" : "|") + Text(child);
    return TRUE;
}

// Reads the box once it has its message, lets before run, and answers it.
void Answer(HWND box, const std::vector<int>& answers, void (*before)(size_t, void*), void* context,
            Outcome* out)
{
    WaitFor([&] { return !ItemText(box, 0xFFFF).empty() || !GetDlgItem(box, 0xFFFF); }, 30000);
    Box seen = {Text(box), ItemText(box, 0xFFFF), "", GetDlgItem(box, IDYES) != nullptr, 0};
    EnumChildWindows(box, AddButton, reinterpret_cast<LPARAM>(&seen.buttons));
    const size_t i = out->boxes.size();
    seen.answer = i < answers.size() ? answers[i] : seen.question ? IDNO : IDOK;
    if (before) before(i, context);
    out->boxes.push_back(seen);
    if (seen.answer & kForRest) {
        DWORD_PTR done = 0;
        SendMessageTimeoutW(GetDlgItem(box, IDC_CLASH_FOR_REST), BM_SETCHECK, BST_CHECKED, 0,
                            SMTO_ABORTIFHUNG, 30000, &done);
    }
    if (!(seen.answer & kKey)) return Press(box, seen.answer & ~kForRest);
    // As typed: the dialog's own loop reads the key from its focus.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    WaitFor([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &gui) && gui.hwndFocus;
    });
    const WPARAM key = seen.answer & 0xFF;
    PostMessageW(gui.hwndFocus, key >= 'A' ? WM_CHAR : WM_KEYDOWN, key >= 'A' ? key | 0x20 : key,
                 0);
}

// A visible window of a running nobo.exe not seen before, or null.
HWND NewNoboWindow(const std::vector<HWND>& seen)
{
    const std::vector<DWORD> nobo = NoboProcesses();
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, nullptr));) {
        DWORD id = 0;
        GetWindowThreadProcessId(w, &id);
        if (IsWindowVisible(w) && std::count(nobo.begin(), nobo.end(), id) &&
            !std::count(seen.begin(), seen.end(), w))
            return w;
    }
    return nullptr;
}

}  // namespace

namespace {

const std::string kClsid = "{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}",
                  kVerb = "\\shell\\Vellanort.nobo";

bool PutDropTarget(const std::string& kind)
{
    return !RegSetKeyValueA(HKEY_CLASSES_ROOT, (kind + kVerb + "\\DropTarget").c_str(), "Clsid",
                            REG_SZ, kClsid.c_str(), static_cast<DWORD>(kClsid.size() + 1));
}

}  // namespace

DropEntries::DropEntries()
    : saved({"*" + kVerb, "Directory" + kVerb, "CLSID\\" + kClsid}),
      put(PutDropTarget("*") && PutDropTarget("Directory") &&
          RegPut("CLSID\\" + kClsid + "\\LocalServer32", REG_SZ,
                 Quoted(BesideTest("nobo.exe")) + '\0'))
{
}

Outcome RunNobo(const std::string& arguments, const std::vector<int>& answers,
                void (*before)(size_t i, void* context), void* context)
{
    Outcome out = {-1, {}, {}};
    Program nobo(NoboLine(arguments));
    while (HWND box = nobo.Next()) Answer(box, answers, before, context, &out);
    out.exitCode = nobo.Wait();
    out.trace = nobo.Trace();
    return out;
}

Outcome DropNobo(const char* kind, const std::string& folder, const std::vector<std::string>& names,
                 const std::vector<int>& answers, void (*before)(size_t i, void* context),
                 void* context)
{
    DropEntries entries;
    Outcome out = {-1, {}, {}};
    std::vector<std::wstring> wide;
    for (const std::string& name : names) wide.push_back(Widen(name));
    HANDLE drop = DropSelection(kind, Widen(folder), wide);
    // Until the drop has returned and the server has left (it lingers).
    std::vector<HWND> seen;
    for (HWND box; WaitFor(
                       [&] {
                           box = NewNoboWindow(seen);
                           return box || (!WaitForSingleObject(drop, 0) && NoboProcesses().empty());
                       },
                       300000) &&
                   box;) {
        seen.push_back(box);
        Answer(box, answers, before, context, &out);
    }
    DWORD code = 0;
    GetExitCodeThread(drop, &code);
    CloseHandle(drop);
    out.exitCode = static_cast<int>(code);
    return out;
}

#include "support/outside_driver.h"

#include <windows.h>

#include <algorithm>

#include "support/process.h"

namespace {

struct BoxSearch {
    DWORD pid;
    std::vector<HWND> found;
};

// Message boxes and the shell's own questions alike; a box is taken once it
// is shown, its text is set before that.
BOOL CALLBACK CollectBox(HWND hwnd, LPARAM param)
{
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsDialogClassWindow(hwnd) && IsWindowVisible(hwnd))
        search->found.push_back(hwnd);
    return TRUE;
}

// The box's thread answers WM_GETTEXT only while it runs: with a time-out, a
// box whose process stopped on a debug event meanwhile is read on the next poll.
bool ReadBox(HWND box, SeenBox* seen)
{
    wchar_t caption[256] = {}, text[2048] = {};
    DWORD_PTR got = 0;
    GetWindowTextW(box, caption, 256);
    const HWND message = GetDlgItem(box, 0xFFFF);
    if (message && !SendMessageTimeoutW(message, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                                        SMTO_ABORTIFHUNG, 200, &got))
        return false;
    seen->caption = Narrow(caption);
    seen->text = Narrow(text);
    seen->buttons = GetDlgItem(box, IDYES) ? MB_YESNO : MB_OK;
    return true;
}

void AnswerBoxes(DWORD pid, const BoxPolicy& policy, std::vector<HWND>* answered,
                 std::vector<SeenBox>* boxes)
{
    answered->erase(
        std::remove_if(answered->begin(), answered->end(), [](HWND h) { return !IsWindow(h); }),
        answered->end());
    BoxSearch search = {pid, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.found) {
        if (std::find(answered->begin(), answered->end(), box) != answered->end()) continue;
        SeenBox seen;
        if (!ReadBox(box, &seen)) continue;
        seen.answer = policy(seen, boxes->size());
        boxes->push_back(seen);
        answered->push_back(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.answer, BN_CLICKED), 0);
    }
}

std::string ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info)
{
    const size_t units = info.nDebugStringLength;
    const size_t unit = info.fUnicode ? 2 : 1;
    std::string bytes(units * unit, '\0');
    SIZE_T got = 0;
    ReadProcessMemory(process, info.lpDebugStringData, &bytes[0], bytes.size(), &got);
    bytes.resize(got);
    if (info.fUnicode) {
        std::wstring wide(reinterpret_cast<const wchar_t*>(bytes.data()), got / 2);
        return Narrow(wide.c_str());
    }
    return bytes.c_str();
}

}  // namespace

BoxPolicy AnswerInOrder(std::vector<int> answers)
{
    return [answers](const SeenBox& box, size_t index) {
        if (index < answers.size()) return answers[index];
        return box.buttons == MB_YESNO ? IDNO : IDOK;
    };
}

OutsideRun RunOutside(const std::wstring& commandLine, const BoxPolicy& policy,
                      const std::vector<std::wstring>& environment, unsigned timeoutMs)
{
    OutsideRun run = {-1, {}, {}};
    HANDLE process = StartProgram(commandLine, environment, DEBUG_ONLY_THIS_PROCESS);
    if (!process) return run;
    const DWORD processId = GetProcessId(process);
    const DWORD start = GetTickCount();
    std::vector<HWND> answered;
    bool killed = false;
    for (bool exited = false; !exited;) {
        DEBUG_EVENT ev;
        if (!WaitForDebugEvent(&ev, 20)) {
            AnswerBoxes(processId, policy, &answered, &run.boxes);
            if (!killed && GetTickCount() - start > timeoutMs)
                killed = TerminateProcess(process, 99) != 0;
            continue;
        }
        DWORD status = DBG_CONTINUE;
        switch (ev.dwDebugEventCode) {
            case CREATE_PROCESS_DEBUG_EVENT:
                if (ev.u.CreateProcessInfo.hFile) CloseHandle(ev.u.CreateProcessInfo.hFile);
                break;
            case LOAD_DLL_DEBUG_EVENT:
                if (ev.u.LoadDll.hFile) CloseHandle(ev.u.LoadDll.hFile);
                break;
            case OUTPUT_DEBUG_STRING_EVENT:
                run.trace.push_back(ReadDebugString(process, ev.u.DebugString));
                break;
            case EXCEPTION_DEBUG_EVENT:
                // The loader's breakpoint is ours to pass; real faults go to the program.
                if (ev.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                    status = DBG_EXCEPTION_NOT_HANDLED;
                break;
            case EXIT_PROCESS_DEBUG_EVENT:
                run.exitCode = killed ? -2 : static_cast<int>(ev.u.ExitProcess.dwExitCode);
                exited = true;
                break;
        }
        ContinueDebugEvent(ev.dwProcessId, ev.dwThreadId, status);
    }
    CloseHandle(process);
    return run;
}

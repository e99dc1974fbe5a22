#pragma once
// A real program started as Explorer starts it (an exact UTF-16 command line,
// a working folder) and watched only from outside: its windows are found among
// the top-level windows of its process, its debugger output is read by acting
// as its debugger (on a thread of ours), and its end is waited for.
#include <windows.h>

#include <string>
#include <vector>

#include "support/registry.h"

class Program {
public:
    // folder "": this process's current folder.
    explicit Program(const std::wstring& commandLine, const std::string& folder = "");
    ~Program();  // ends it if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The next visible top-level window of the process not returned before
    // (caption "": any), waited for as long as the process runs: a busy
    // machine may start it slowly. Null when it ended first, or when it still
    // ran after timeoutMs, which only stops a program that hangs.
    HWND Next(const std::string& caption = "", unsigned timeoutMs = 300000);
    // Its exit code; -2 when it did not end in time (it is then killed).
    int Wait(unsigned timeoutMs = 300000);
    // Each debugger output text so far, bytes exact.
    std::vector<std::string> Trace() const;

    struct State;

private:
    State* state_;
    std::vector<HWND> seen_;
};

// The nobo.exe built beside the tests, quoted, then the arguments.
std::wstring NoboLine(const std::string& arguments);
// The full path of a program built beside the running test.
std::string BesideTest(const char* name);
// "path", for a command line.
std::string Quoted(const std::string& path);
// Code page 932 to UTF-16 and back; "{U+XXXX}" stands for a character that
// code page 932 cannot hold exactly.
std::wstring Widen(const std::string& ansi);
std::string Narrow(const std::wstring& wide);

// A window's text and a dialog item's, read with a time-out (WM_GETTEXT).
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
// A button pressed as a click on it would: BN_CLICKED posted to its dialog.
void Press(HWND dialog, int id);
// Waits up to timeoutMs for the condition; its last value.
template <typename F>
bool WaitFor(F condition, unsigned timeoutMs = 5000)
{
    for (DWORD start = GetTickCount(); !condition(); Sleep(20))
        if (GetTickCount() - start > timeoutMs) return condition();
    return true;
}

// One message box or shell question as the user saw it, and the answer given.
struct Box {
    std::string caption;
    std::string text;     // its message (static 0xFFFF)
    std::string buttons;  // each visible button's text in order, "|"-separated
    bool question;        // it has a Yes button
    int answer;
};
struct Outcome {
    int exitCode;  // a drop's: Drop's result
    std::vector<Box> boxes;
    std::vector<std::string> trace;
};
// An answer with this added ticks "the same answer for the rest" first.
const int kForRest = 0x10000;
// An answer with this added is a key typed where the box has its focus:
// VK_RETURN, VK_ESCAPE, or the letter of an access key ('K').
const int kKey = 0x20000;
// Runs nobo.exe with these arguments to its end, answering each box in turn
// with the next of answers (then No to a question, OK otherwise). before, if
// given, runs while box i waits for its answer (e.g. to change files).
Outcome RunNobo(const std::string& arguments, const std::vector<int>& answers = {},
                void (*before)(size_t i, void* context) = nullptr, void* context = nullptr);
// The entries setup writes for nobo.exe beside the test (its default command),
// with their drop target and nobo's class, for the object's lifetime.
struct DropEntries {
    DropEntries();
    RegSaved saved;
    bool put;
};
// The same for the names in folder dropped as Explorer drops a selection on
// the entry kind ("*" or "Directory"), registered for the call's time: the
// boxes of the nobo.exe that serves it answered in turn until it has left.
Outcome DropNobo(const char* kind, const std::string& folder, const std::vector<std::string>& names,
                 const std::vector<int>& answers = {},
                 void (*before)(size_t i, void* context) = nullptr, void* context = nullptr);

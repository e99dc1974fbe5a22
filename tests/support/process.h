#pragma once
// Starting real programs from tests, as Explorer would.
#include <string>
#include <vector>

// The full path of a program built beside the running test (bin/NAME).
std::string BesideTest(const char* name);
// Starts a process with this exact Unicode command line, waits up to
// timeoutMs, and returns its exit code (or -1 when it could not start,
// -2 on time-out, after which it is killed). environment: NAME=VALUE entries
// that replace or add to this process's environment for the child.
int RunAndWait(const std::wstring& commandLine, unsigned timeoutMs = 30000,
               const std::vector<std::wstring>& environment = {});
// Starts a process with this exact command line and returns its handle
// (nullptr when it could not start), for FinishProgram. flags: further
// CreateProcessW creation flags (e.g. to debug it).
void* StartProgram(const std::wstring& commandLine,
                   const std::vector<std::wstring>& environment = {}, unsigned long flags = 0);
// Waits up to timeoutMs for the process and closes its handle: its exit code,
// -1 for no process, -2 on time-out (it is then killed).
int FinishProgram(void* process, unsigned timeoutMs = 30000);
// This process's environment with NAME=VALUE entries replaced or added, as
// a block for CreateProcessW with CREATE_UNICODE_ENVIRONMENT.
std::vector<wchar_t> EnvironmentBlock(const std::vector<std::wstring>& overrides);
// "path" for a command line.
std::wstring Quoted(const std::string& path);
// code page 932 bytes to UTF-16 and back.
std::wstring Widen(const std::string& ansi);
std::string Narrow(const std::wstring& wide);
// Handles this process holds; 0 when the system cannot tell.
unsigned long ProcessHandleCount();

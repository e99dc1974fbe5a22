#pragma once
// The file system redirection 64-bit Windows applies to 32-bit programs: such
// a program that names %windir%\System32\... reaches %windir%\SysWOW64\...,
// another file that may well exist (a twin).

// True when this process runs redirected and the path (a full path) lies
// where the redirection applies: acting on it would act on its twin.
bool PathIsRedirected(const wchar_t* path);

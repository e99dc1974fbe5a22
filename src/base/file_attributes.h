#pragma once
// Existence tests through GetFileAttributesW. Anything that exists and is not
// a directory counts as a file.

bool PathExists(const wchar_t* path);
bool PathIsFolder(const wchar_t* path);
bool PathIsFile(const wchar_t* path);

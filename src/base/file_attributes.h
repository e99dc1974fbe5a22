#pragma once
// Existence tests through GetFileAttributesA. Anything that exists and is not
// a directory counts as a file.

bool PathExists(const char* path);
bool PathIsFolder(const char* path);
bool PathIsFile(const char* path);

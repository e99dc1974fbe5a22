#pragma once
// The program's one heap: every block a routine hands back comes from malloc
// and is released here, so portable code and Win32 code share one allocator.
bool MemFree(void* block);

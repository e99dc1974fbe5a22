#pragma once
// The program's one heap: every block a routine hands back comes from malloc
// and is released here, so portable code and Win32 code share one allocator.
#include <stddef.h>

void MemFree(void* block);
// Zeroes size bytes.
void MemZero(void* block, size_t size);

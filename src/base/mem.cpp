#include "base/mem.h"

#include <stdlib.h>
#include <string.h>

void MemFree(void* block)
{
    free(block);
}

void MemZero(void* block, size_t size)
{
    memset(block, 0, size);
}

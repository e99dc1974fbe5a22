#include "app/mem.h"

#include <stdlib.h>

bool MemFree(void* block)
{
    free(block);
    return true;
}

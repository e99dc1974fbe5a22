#pragma once
// A failed property ends the run the way a sanitizer finding does, with the
// place it failed, so libFuzzer saves the input.
#include <stdio.h>
#include <stdlib.h>

#define FUZZ_CHECK(cond)                                                                \
    do {                                                                                \
        if (!(cond)) {                                                                  \
            fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond); \
            abort();                                                                    \
        }                                                                               \
    } while (0)

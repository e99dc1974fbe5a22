#pragma once
// What the fuzzers share. A failed property aborts, and libFuzzer keeps the
// input with the stack. Texts are handed over in heap blocks of exactly their
// size (strdup), so AddressSanitizer sees any read past a terminator.
#include <stdlib.h>
#include <string.h>

#define FUZZ_CHECK(cond) ((cond) ? (void)0 : abort())

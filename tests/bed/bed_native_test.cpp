#include <gtest/gtest.h>

#include <string.h>

// The native suite exists to run portable code under AddressSanitizer: a build
// that silently lost the sanitizer would pass tests that prove nothing.
TEST(NativeBed, RunsUnderAddressSanitizer)
{
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
    SUCCEED();
#else
    FAIL() << "native tests are built without AddressSanitizer";
#endif
#else
    FAIL() << "native tests need clang";
#endif
}

// Clang only knows UTF-8 as execution charset: Shift-JIS test data must be
// written as hex escapes. A Japanese literal would turn into UTF-8 bytes.
TEST(NativeBed, ShiftJisIsWrittenAsHexEscapes)
{
    const char hyo[] = "\x95\x5C";  // 表 in code page 932
    EXPECT_EQ(2u, strlen(hyo));
    EXPECT_EQ(3u, strlen("表"));  // UTF-8 here, which is why we never write it so
}

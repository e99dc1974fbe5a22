#include <gtest/gtest.h>

#include <vector>

#include "about/dialog_template.h"

// Every buffer size up to a little past the template: a short buffer fails, and
// nothing is written at or past its end. Strings, ordinals, a font, odd lengths.
TEST(WriteDialogTemplate, FitsExactlyOrWritesNothingPastTheEnd)
{
    const DialogItemSpec items[] = {
        {DLG_CLASS_STATIC, 0x64, 0x3, 0, 7, 7, 20, 21, 100},
        {reinterpret_cast<uintptr_t>(u"Edit"), reinterpret_cast<uintptr_t>(u"\u8868"), 0, 0, 1, 2,
         3, 4, 101},
    };
    const DialogHeaderSpec headers[] = {
        {0x80C800C0, 0, 2, 0, 0, 90, 56, 0, u"About", 0, u"\uFF2D\uFF33 UI Gothic", 9},
        {0x80C00000, 0, 1, 0, 0, 90, 56, reinterpret_cast<uintptr_t>(u"Cls"), nullptr, 0x81,
         nullptr, 0},
    };
    const size_t GUARD = 8;
    for (const DialogHeaderSpec& header : headers) {
        const size_t measured = WriteDialogTemplate(&header, items, nullptr, 0);
        for (size_t size = 0; size <= measured + 2; ++size) {
            std::vector<uint8_t> buffer(size + GUARD, 0xEE);
            const size_t written = WriteDialogTemplate(&header, items, buffer.data(), size);
            EXPECT_EQ(size >= measured, written == measured) << size << " of " << measured;
            EXPECT_EQ(std::vector<uint8_t>(GUARD, 0xEE),
                      std::vector<uint8_t>(buffer.begin() + size, buffer.end()))
                << size << " of " << measured;
        }
    }
}

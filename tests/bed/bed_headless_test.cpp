#include <gtest/gtest.h>
#include <windows.h>

#include "support/box_answerer.h"

TEST(HeadlessBed, AnsiCodePageIs932)
{
    EXPECT_EQ(932u, GetACP());
    EXPECT_EQ(932u, GetOEMCP());
    EXPECT_TRUE(IsDBCSLeadByte(0x95));  // lead byte of 表
}

// A real MessageBoxA runs (no screen is not an excuse: -1 would be a failure),
// shows its Japanese texts as code page 932 bytes, and is answered by the hook.
TEST(HeadlessBed, MessageBoxIsReadAndAnsweredByHook)
{
    struct Row {
        UINT type;
        int answer;
        int expected;
    };
    const Row rows[] = {
        {MB_YESNO, IDYES, IDYES},
        {MB_YESNO, IDNO, IDNO},
        {MB_OK, IDOK, IDOK},
    };
    for (const Row& row : rows) {
        BoxAnswerer answerer({row.answer});
        int result = MessageBoxA(nullptr, "以下のファイルは既に存在します。", "上書き確認 - [nobo]",
                                 row.type);
        ASSERT_NE(-1, result) << "no usable display driver in the headless prefix";
        EXPECT_EQ(row.expected, result);
        ASSERT_EQ(1u, answerer.Boxes().size());
        EXPECT_EQ("上書き確認 - [nobo]", answerer.Boxes()[0].caption);
        EXPECT_EQ("以下のファイルは既に存在します。", answerer.Boxes()[0].text);
        EXPECT_EQ(row.type, answerer.Boxes()[0].buttons);
        // The caption really is Shift-JIS: 上 is 0x8F 0xE3.
        EXPECT_EQ('\x8F', answerer.Boxes()[0].caption[0]);
    }
}

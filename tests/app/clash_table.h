#pragma once
// The clash rules of a move one level up, as rows: what stands at the item
// and at its destination, the answer, the box that must appear and the
// folders afterwards. Shared by the in-process and the whole-program tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/scratch.h"

namespace {

enum Kind { NONE, FILE_, FOLDER };

inline void Make(const std::string& path, Kind kind, const std::string& bytes)
{
    if (kind == FILE_) {
        ASSERT_TRUE(WriteFileBytes(path, bytes));
    } else if (kind == FOLDER) {
        ASSERT_TRUE(MakeFolder(path));
        ASSERT_TRUE(WriteFileBytes(path + "\\inner.txt", bytes));
    }
}

inline std::string Format(const char* format, const std::string& a, const std::string& b = "")
{
    char text[1024];
    wsprintfA(text, format, a.c_str(), b.c_str());
    return text;
}

const char kErrorCaption[] = "上書きエラー - [nobo]";
const char kQuestionCaption[] = "上書き確認 - [nobo]";

struct ClashRow {
    const char* name;
    Kind item;
    Kind atDestination;
    int answer;           // 0: no box expected
    const char* caption;  // of the expected box
    const char* text;     // printf format of the expected box text
    bool textNamesItem;   // the text names the item first, then the destination
    UINT type;
    const char* after;  // listing of w and w\in afterwards, "w | in"
};

const ClashRow kClashes[] = {
    {"free destination, file", FILE_, NONE, 0, nullptr, nullptr, false, 0, "X in\\ | "},
    {"free destination, folder", FOLDER, NONE, 0, nullptr, nullptr, false, 0, "X\\ in\\ | "},
    {"file onto folder", FILE_, FOLDER, IDOK, kErrorCaption,
     "ファイルの移動に失敗しました。\n%s\n\n移動先に同名のフォルダが存在します。\n\n%s", true,
     MB_OK, "X\\ in\\ | X"},
    {"folder onto file", FOLDER, FILE_, IDOK, kErrorCaption,
     "フォルダの移動に失敗しました。\n%s\n\n移動先に同名のファイルが存在します。\n%s", true, MB_OK,
     "X in\\ | X\\"},
    {"two folders, No", FOLDER, FOLDER, IDNO, kQuestionCaption,
     "以下のフォルダは既に存在します。\n\n%s\n\n上書きしてもよろしいですか？", false, MB_YESNO,
     "X\\ in\\ | X\\"},
    {"two files, No", FILE_, FILE_, IDNO, kQuestionCaption,
     "以下のファイルは既に存在します。\n\n%s\n\n上書きしてもよろしいですか？", false, MB_YESNO,
     "X in\\ | X"},
    {"two files, Yes", FILE_, FILE_, IDYES, kQuestionCaption,
     "以下のファイルは既に存在します。\n\n%s\n\n上書きしてもよろしいですか？", false, MB_YESNO,
     "X in\\ | "},
};

// Makes w, w\in, the item w\in\X and what stands at w\X.
inline void MakeClash(const std::string& w, const ClashRow& row)
{
    ASSERT_TRUE(MakeFolder(w));
    ASSERT_TRUE(MakeFolder(w + "\\in"));
    Make(w + "\\in\\X", row.item, "item bytes");
    Make(w + "\\X", row.atDestination, "old bytes");
}

inline std::string ExpectedText(const ClashRow& row, const std::string& item,
                                const std::string& destination)
{
    return row.textNamesItem ? Format(row.text, item, destination) : Format(row.text, destination);
}

}  // namespace

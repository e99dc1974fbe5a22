#pragma once
// An extended dialog template (DIALOGEX) read back from a module's resources.
#include <windows.h>

#include <string>
#include <vector>

struct DialogResourceItem {
    DWORD helpId, exStyle, style;
    RECT units;  // x, y, cx, cy in dialog units
    DWORD id;
    std::string className;  // ordinals as their names: "BUTTON", "EDIT", "STATIC", ...
    std::string text;       // code page 932
};

struct DialogResource {
    bool found;
    WORD language;
    DWORD style, exStyle;
    RECT units;
    std::string menu, className, caption, face;  // caption and face in code page 932
    WORD pointSize, weight;
    BYTE italic, charset;
    std::vector<DialogResourceItem> items;
};

// language 0: whichever language the resource has.
DialogResource ReadDialogResource(HMODULE module, int id, WORD language = 0);
// One line each, for comparing and reading: "<style hex> <exstyle hex> x,y,cx,cy
// <language hex> menu|class|caption|points weight italic charset face" and
// "<id> <class> <style hex> <exstyle hex> <help id> x,y,cx,cy <text>".
std::string DescribeDialog(const DialogResource& dialog);
std::string DescribeDialogItem(const DialogResourceItem& item);
// The item with that control id, or null.
const DialogResourceItem* FindDialogItem(const DialogResource& dialog, DWORD id);

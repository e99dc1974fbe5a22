// Renders the README's pictures: runs the real nobo.exe on the screen bed,
// brings it to each state a reader should see, and saves each window as it
// is on the screen, as a BMP file in the folder given as the argument.
#include <windows.h>

#include <string>

#include "resource.h"
#include "support/files.h"
#include "support/program.h"
#include "support/registry.h"

namespace {

std::string g_folder;

// The window's screen rectangle, once two captures in a row agree.
bool Shoot(HWND window, const char* name)
{
    if (!window) return false;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(window, &r);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = r.right - r.left;
    info.biHeight = r.bottom - r.top;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string rows, last;
    for (int tries = 0; tries < 40 && (rows.empty() || rows != last); ++tries) {
        Sleep(100);
        last = rows;
        HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, info.biWidth, info.biHeight, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        rows.assign(static_cast<const char*>(bits), ((info.biWidth * 3 + 3) & ~3) * info.biHeight);
        SelectObject(memory, old);
        DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    BITMAPFILEHEADER head = {};
    head.bfType = 0x4D42;
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = static_cast<DWORD>(head.bfOffBits + rows.size());
    const std::string file = std::string(reinterpret_cast<const char*>(&head), sizeof head) +
                             std::string(reinterpret_cast<const char*>(&info), sizeof info) + rows;
    return WriteBytes(g_folder + "\\" + name + ".bmp", file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    g_folder = argv[1];
    bool ok = true;
    // Installed where the README puts it, so the command line shown is a likely one.
    const std::string exe = "C:\\Tools\\nobo.exe";
    CreateDirectoryA("C:\\Tools", nullptr);
    CopyFileA(BesideTest("nobo.exe").c_str(), exe.c_str(), FALSE);
    {
        Program setup(Widen(Quoted(exe)));
        HWND dialog = setup.Next("nobo の関連づけ");
        ok &= Shoot(dialog, "setup-collapsed");
        RECT collapsed;
        GetWindowRect(dialog, &collapsed);
        SendMessageW(GetDlgItem(dialog, IDC_FILE_ENABLE), BM_CLICK, 0, 0);
        Press(dialog, IDC_FILE_DETAILS);
        RECT r;
        WaitFor([&] {
            GetWindowRect(dialog, &r);
            return r.bottom - r.top > collapsed.bottom - collapsed.top;
        });
        // Wide enough for the whole command line.
        SetWindowPos(dialog, nullptr, 0, 0, 2 * (collapsed.right - collapsed.left),
                     r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
        ok &= Shoot(dialog, "setup-file-expanded");
        PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
        ok &= Shoot(setup.Next(), "about");
    }
    {
        // The folders' entry for every user, which a standard user may not remove.
        const std::string verb = "Directory\\shell\\Vellanort.nobo";
        RegSaved saved({verb});
        RegPut(verb, REG_SZ, std::string("↑へ移動", sizeof "↑へ移動"));
        RegPut(verb + "\\command", REG_SZ, Quoted(exe) + " \"%1\"" + '\0');
        RegReadOnly locked({"*", "Directory"});
        Program setup(Widen(Quoted(exe)));
        HWND dialog = setup.Next("nobo の関連づけ");
        SendMessageW(GetDlgItem(dialog, IDC_DIR_ENABLE), BM_CLICK, 0, 0);
        Press(dialog, IDOK);
        HWND refusal = setup.Next("関連づけエラー - [nobo]");
        ok &= Shoot(refusal, "setup-needs-admin");
        Press(refusal, IDNO);
        Press(dialog, IDCANCEL);
        setup.Wait();
    }
    // The README's own example.
    MakeTree("C:", {"work\\inbox\\report.txt=new", "work\\report.txt=old"});
    Program clash(NoboLine(Quoted("C:\\work\\inbox\\report.txt")));
    HWND box = clash.Next();
    ok &= Shoot(box, "clash-question");
    Press(box, IDNO);
    clash.Wait();
    // A selection of many: the dialog that can answer for the rest.
    MakeTree("C:", {"work\\inbox\\写真.jpg=new", "work\\写真.jpg=old"});
    Program many(NoboLine(Quoted("C:\\work\\inbox\\report.txt") + " " +
                          Quoted("C:\\work\\inbox\\写真.jpg")));
    HWND dialog = many.Next();
    ok &= Shoot(dialog, "clash-dialog");
    SendMessageW(GetDlgItem(dialog, IDC_CLASH_FOR_REST), BM_SETCHECK, BST_CHECKED, 0);
    Press(dialog, IDNO);
    many.Wait();
    RemoveTree("C:\\work");
    RemoveTree("C:\\Tools");
    return ok ? 0 : 1;
}

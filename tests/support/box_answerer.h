#pragma once
// Answers the message boxes this thread shows, through a WH_CBT hook, and
// records what each box said. Captions and texts are the ANSI (code page 932)
// bytes read back from the real box.
#include <windows.h>

#include <string>
#include <vector>

struct SeenBox {
    std::string caption;
    std::string text;  // the static with id 0xFFFF
    UINT buttons;      // MB_OK or MB_YESNO, from which buttons the box has
    int answer = 0;    // the button pressed
};

class BoxAnswerer {
public:
    // answers: the button ids to press, one per box in order; when they run
    // out, boxes are answered with fallback (0: No for a question, else OK).
    explicit BoxAnswerer(std::vector<int> answers = {}, int fallback = 0);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const std::vector<SeenBox>& Boxes() const
    {
        return seen_;
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND box);

    HHOOK hook_;
    std::vector<int> answers_;
    int fallback_;
    std::vector<SeenBox> seen_;
};

// True if hwnd is a dialog-class (#32770) window.
bool IsDialogClassWindow(HWND hwnd);
// The ANSI text of a window and of a dialog item.
std::string WindowTextA(HWND hwnd);

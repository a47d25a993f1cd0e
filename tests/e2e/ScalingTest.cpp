// Screen scaling on the real program: the setup dialog grows with the screen's font size,
// the main window keeps its pixels.
#include "Scenarios.h"

#include <algorithm>

using namespace drv;
using namespace e2e;

namespace {

// Wine's screen resolution for the programs started while this lives.
class ScreenResolution {
public:
    explicit ScreenResolution(DWORD pixelsPerInch) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &FKey,
                        nullptr);
        DWORD size = sizeof FPrevious;
        FHadValue = RegQueryValueExA(FKey, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&FPrevious), &size) ==
                    ERROR_SUCCESS;
        RegSetValueExA(FKey, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pixelsPerInch), sizeof pixelsPerInch);
    }
    ~ScreenResolution() {
        if (FHadValue)
            RegSetValueExA(FKey, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&FPrevious), sizeof FPrevious);
        else
            RegDeleteValueA(FKey, "LogPixels");
        RegCloseKey(FKey);
    }
    ScreenResolution(const ScreenResolution&) = delete;
    ScreenResolution& operator=(const ScreenResolution&) = delete;

private:
    HKEY FKey = nullptr;
    DWORD FPrevious = 0;
    bool FHadValue = false;
};

struct Measured {
    SIZE main, dialog, ok, port;
    int headingInk, footerInk; // rows of text ink in the "Admin password" heading and the footer
};

SIZE ClientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return {r.right, r.bottom};
}

SIZE WindowSize(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

int InkRows(HWND wnd, COLORREF ink) {
    const Shot shot = Capture(wnd);
    int rows = 0;
    for (int y = 0; y < shot.Height; ++y)
        for (int x = 0; x < shot.Width; ++x)
            if (shot.At(x, y) == ink) {
                ++rows;
                break;
            }
    return rows;
}

Measured Measure() {
    Measured m{};
    Launcher app;
    HWND main = app.MainWindow();
    EXPECT_NE(main, nullptr);
    if (!main) return m;
    m.main = ClientSize(main);
    m.footerInk = InkRows(ChildWithText(main, "vemko.example"), RGB(0, 0, 255));
    HWND dialog = OpenSetup(app, main);
    if (!dialog) return m;
    m.dialog = ClientSize(dialog);
    m.ok = WindowSize(FindChild(dialog, "Button"));
    for (HWND e : Children(dialog, "Edit"))
        if (ClassName(GetParent(e)) != "SysIPAddress32" && SendMessageA(e, EM_GETPASSWORDCHAR, 0, 0) == 0)
            m.port = WindowSize(e);
    m.headingInk = InkRows(ChildWithText(dialog, "Admin password"), GetSysColor(COLOR_BTNTEXT));
    Key(VK_RETURN);
    return m;
}

void ExpectNear(SIZE actual, int width, int height, const char* what) {
    EXPECT_NEAR(actual.cx, width, 1) << what;
    EXPECT_NEAR(actual.cy, height, 1) << what;
}

class Scaling : public Clean {
protected:
    void SetUp() override {
        Clean::SetUp();
        StoreText("exe", GamePath);
    }
};

TEST_F(Scaling, At120PixelsPerInchTheDialogGrowsByTheTextHeightAndTheMainWindowKeepsItsPixels) {
    const Measured designed = Measure();
    ExpectNear(designed.main, 269, 127, "main window at 96");
    ExpectNear(designed.dialog, 280, 140, "dialog at 96");
    ExpectNear(designed.ok, 75, 25, "OK at 96");
    ExpectNear(designed.port, 57, 21, "port at 96");

    Measured large{};
    {
        ScreenResolution dpi(120);
        large = Measure();
    }
    // "MS Sans Serif" resized to 120 pixels per inch is 16 pixels high against the designed 13.
    ExpectNear(large.main, 269, 127, "the main window is not scaled");
    // Its font keeps its 11-pixel character height; Wine's face for 120 pixels per inch may
    // draw it a row taller.
    EXPECT_NEAR(large.footerInk, designed.footerInk, 1) << "nor is its font";
    ExpectNear(large.dialog, 345, 172, "dialog at 120");
    ExpectNear(large.ok, 92, 31, "OK at 120");
    ExpectNear(large.port, 70, 26, "port at 120");
    EXPECT_GE(large.headingInk, designed.headingInk + 2) << "the dialog's font grows too: " << designed.headingInk
                                                         << " rows at 96, " << large.headingInk << " at 120";
}

} // namespace

// The aligned and validated edit controls as real EDIT windows: the character filter,
// the setters, focus tracking, and the own painting checked in pixels.
#include "WineTest.h"
#include "edit/umEdit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Host : public TForm {
public:
    Host() : TForm({"Edit host", 320, 120, TFormBorderStyle::bsSingle, true}) {}
};

bool Differs(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) > 60 || std::abs(GetGValue(a) - GetGValue(b)) > 60 ||
           std::abs(GetBValue(a) - GetBValue(b)) > 60;
}

// The first and last columns, inside the frame, with a pixel unlike the background.
std::pair<int, int> InkColumns(const wt::Shot& s, COLORREF background, int inset) {
    int first = -1, last = -1;
    for (int x = inset; x < s.Width - inset; ++x)
        for (int y = inset; y < s.Height - inset; ++y)
            if (Differs(s.At(x, y), background)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

class EditControls : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<Host>();
        host->Show();
        SetForegroundWindow(host->Handle());
        wt::Pump();
    }
    template <class Edit>
    std::unique_ptr<Edit> Make(const TEditLayout& layout) {
        auto edit = std::make_unique<Edit>(host.get(), layout);
        wt::Pump();
        return edit;
    }
    static void Chars(HWND wnd, const std::string& chars) {
        for (unsigned char c : chars) SendMessageA(wnd, WM_CHAR, c, 1);
    }
    int TextWidth(const std::string& text) {
        WindowDC dc(host->Handle());
        SelectGuard font(dc.Get(), host->Font());
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    std::unique_ptr<Host> host;
};

TEST_F(EditControls, FilterPassesOnlyListedTypedCharactersAndBackspace) {
    struct Case {
        const char* what;
        bool validate;
        std::string valid, start, typed, result;
    };
    const Case cases[] = {
        {"digits", true, "1234567890", "", "12a3 x4", "1234"},
        {"empty list passes only backspace", true, "", "xy", "ab1\b", "x"},
        {"filter off passes everything", false, "", "", "ab 1", "ab 1"},
        {"listed twice, inserted once", true, "aab", "", "abc", "ab"},
        {"backspace not listed", true, "1", "11", "\b\b", ""},
        {"Ctrl+C, Ctrl+X, Ctrl+Z are dropped", true, "1234567890", "12", "\x03\x18\x1a", "12"},
    };
    for (const auto& c : cases) {
        auto edit = Make<TumValidEdit>({{10, 10, 120, 21}, c.start.c_str()});
        edit->ValidChars = c.valid;
        edit->ValidateChars = c.validate;
        SendMessageA(edit->Handle(), EM_SETSEL, c.start.size(), c.start.size());
        Chars(edit->Handle(), c.typed);
        EXPECT_EQ(edit->Text(), c.result) << c.what;
    }
}

TEST_F(EditControls, FilterJudgesAUnicodeCharacterByItsCodeInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 1252u) << "the cases below are for Windows-1252";
    auto edit = Make<TumValidEdit>({{10, 10, 120, 21}, ""});
    edit->ValidChars = "1234567890";
    ASSERT_TRUE(IsWindowUnicode(edit->Handle())) << "common controls 6 make the edit a Unicode window";
    struct Case {
        const char* what;
        wchar_t ch;
        bool passes;
    };
    const Case cases[] = {
        {"digit three", L'3', true},
        {"Cyrillic be, low byte 0x31 is '1'", 0x0431, false},
        {"Cyrillic a, low byte 0x30 is '0'", 0x0430, false},
        {"Thai, low byte 0x35 is '5'", 0x0E35, false},
        {"Cyrillic Je, low byte 8 is backspace", 0x0408, false},
        {"Turkish dotted I, low byte 0x30", 0x0130, false},
        {"Arabic-Indic three, no best fit to '3'", 0x0663, false},
        {"fullwidth one", 0xFF11, false},
        {"e acute, in the code page but not listed", 0x00E9, false},
        {"a lone high surrogate", 0xD835, false},
    };
    for (const auto& c : cases) {
        SetWindowTextA(edit->Handle(), "12");
        SendMessageA(edit->Handle(), EM_SETSEL, 2, 2);
        SendMessageW(edit->Handle(), WM_CHAR, c.ch, 1);
        EXPECT_EQ(edit->Text(), c.passes ? std::string("12") + static_cast<char>(c.ch) : "12") << c.what;
        SendMessageW(edit->Handle(), WM_CHAR, L'4', 1); // digits still work after it
        EXPECT_EQ(edit->Text().back(), '4') << c.what;
    }
    SetWindowTextA(edit->Handle(), "12");
    SendMessageA(edit->Handle(), EM_SETSEL, 2, 2);
    SendMessageW(edit->Handle(), WM_CHAR, L'\b', 1);
    EXPECT_EQ(edit->Text(), "1") << "backspace";
    edit->ValidateChars = false;
    SendMessageW(edit->Handle(), WM_CHAR, 0x0431, 1);
    EXPECT_EQ(edit->Text(), "1?") << "with the filter off everything passes, as the ANSI text shows it";
}

TEST_F(EditControls, KeepsOneFontCopyAndOneBrushAcrossPaints) {
    auto edit = Make<TumEdit>({{10, 10, 121, 19}, "abc", 0, false}); // flat: the frame uses the brush
    wt::Capture(edit->Handle());
    const HFONT font = edit->Canvas().FontHandle();
    const HBRUSH brush = edit->Canvas().BrushHandle();
    ASSERT_NE(font, nullptr);
    ASSERT_NE(brush, nullptr);
    for (int i = 0; i < 3; ++i) wt::Capture(edit->Handle());
    EXPECT_EQ(edit->Canvas().FontHandle(), font);
    EXPECT_EQ(edit->Canvas().BrushHandle(), brush);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << "the copy is alive between paints";
}

TEST_F(EditControls, PasteByCtrlVIsDroppedInADigitsFieldButTextSetByTheProgramIsNot) {
    const auto putClipboard = [&](HWND owner, const char* text) {
        ASSERT_TRUE(OpenClipboard(owner));
        EmptyClipboard();
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
        memcpy(GlobalLock(mem), text, strlen(text) + 1);
        GlobalUnlock(mem);
        SetClipboardData(CF_TEXT, mem);
        CloseClipboard();
    };
    auto digits = Make<TumValidEdit>({{10, 10, 120, 21}, ""});
    digits->ValidChars = "1234567890";
    putClipboard(digits->Handle(), "77");
    Chars(digits->Handle(), "\x16");
    EXPECT_EQ(digits->Text(), "");
    digits->ValidateChars = false;
    Chars(digits->Handle(), "\x16");
    EXPECT_EQ(digits->Text(), "77") << "with the filter off, Ctrl+V pastes";
    digits->SetText("abc");
    EXPECT_EQ(digits->Text(), "abc");
}

TEST_F(EditControls, SettersAskForARepaintOnlyOnAChange) {
    auto edit = Make<TumEdit>({{10, 10, 120, 21}, "x"});
    const auto dirty = [&] { return GetUpdateRect(edit->Handle(), nullptr, FALSE) != FALSE; };
    ValidateRect(edit->Handle(), nullptr);
    edit->SetAlignment(taLeftJustify);
    edit->SetColorDisabled(clWindow);
    EXPECT_FALSE(dirty());
    edit->SetAlignment(taCenter);
    EXPECT_TRUE(dirty());
    ValidateRect(edit->Handle(), nullptr);
    edit->SetColorDisabled(RGB(255, 255, 0));
    EXPECT_TRUE(dirty());
}

TEST_F(EditControls, FocusFlagFollowsTheFocusAndLeavingRepaints) {
    auto edit = Make<TumEdit>({{10, 10, 120, 21}, "x"});
    auto other = Make<TumEdit>({{10, 40, 120, 21}, "y"});
    EXPECT_FALSE(edit->HasFocusFlag());
    edit->SetFocus();
    EXPECT_TRUE(edit->HasFocusFlag());
    ValidateRect(edit->Handle(), nullptr);
    other->SetFocus();
    EXPECT_FALSE(edit->HasFocusFlag());
    EXPECT_TRUE(GetUpdateRect(edit->Handle(), nullptr, FALSE));
}

TEST_F(EditControls, PaintsTheTextWhereTheAlignmentPlacesIt) {
    const std::string text = "Wg12";
    struct Case {
        TAlignment alignment;
        bool focused;
    };
    for (const Case c : {Case{taLeftJustify, false}, Case{taRightJustify, false}, Case{taCenter, false},
                         Case{taRightJustify, true}, Case{taCenter, true}}) {
        auto edit = Make<TumEdit>({{10, 10, 150, 21}, text.c_str()});
        auto other = Make<TumEdit>({{10, 40, 150, 21}, ""});
        edit->SetAlignment(c.alignment);
        (c.focused ? edit : other)->SetFocus();
        const wt::Shot shot = wt::Capture(edit->Handle());
        const int clientWidth = edit->ClientWidth(), w = TextWidth(text);
        const int margin = 1 + LOWORD(edit->Perform(EM_GETMARGINS, 0, 0)); // sunken edge: one pixel
        const int expected = TextX(c.focused ? taLeftJustify : c.alignment, clientWidth, w, {margin, 0});
        const auto [first, last] = InkColumns(shot, GetSysColor(COLOR_WINDOW), 0);
        EXPECT_NEAR(first, expected, 2) << int(c.alignment) << (c.focused ? " focused" : "");
        EXPECT_NEAR(last, expected + w - 1, 3) << int(c.alignment);
        if (c.focused && c.alignment == taRightJustify) {
            other->SetFocus(); // leaving repaints at the aligned place
            EXPECT_NEAR(InkColumns(wt::Capture(edit->Handle()), GetSysColor(COLOR_WINDOW), 0).first,
                        clientWidth - w - margin - 1, 2);
        }
    }
}

TEST_F(EditControls, DisabledPaintsOnColorDisabledInGrey) {
    auto edit = Make<TumEdit>({{10, 10, 150, 21}, "WWW"});
    auto other = Make<TumEdit>({{10, 40, 150, 21}, ""});
    other->SetFocus();
    const COLORREF yellow = RGB(255, 255, 0);
    edit->SetColorDisabled(yellow);
    const wt::Shot enabled = wt::Capture(edit->Handle());
    EXPECT_EQ(enabled.At(enabled.Width - 3, enabled.Height / 2), GetSysColor(COLOR_WINDOW));
    edit->SetEnabled(false);
    const wt::Shot disabled = wt::Capture(edit->Handle());
    EXPECT_EQ(disabled.At(disabled.Width - 3, disabled.Height / 2), yellow);
    bool grey = false, black = false;
    for (COLORREF p : disabled.Pixels) {
        grey |= p == GetSysColor(COLOR_GRAYTEXT);
        black |= p == GetSysColor(COLOR_WINDOWTEXT);
    }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(black);
}

TEST_F(EditControls, PasswordCharacterHidesTheText) {
    auto a = Make<TumEdit>({{10, 10, 150, 21}, "abc", '*'});
    auto b = Make<TumEdit>({{10, 40, 150, 21}, "Wxy", '*'});
    auto empty = Make<TumEdit>({{10, 70, 150, 21}, "", '*'});
    const wt::Shot sa = wt::Capture(a->Handle()), sb = wt::Capture(b->Handle()), se = wt::Capture(empty->Handle());
    EXPECT_EQ(sa, sb) << "three characters paint as three asterisks, whatever they are";
    EXPECT_NE(InkColumns(sa, GetSysColor(COLOR_WINDOW), 0).first, -1);
    EXPECT_EQ(InkColumns(se, GetSysColor(COLOR_WINDOW), 0).first, -1) << "an empty text paints only the background";
}

TEST_F(EditControls, FlatBorderIsAFrameWithTheTextClippedInside) {
    const std::string longText(60, 'W');
    auto edit = Make<TumEdit>({{10, 10, 121, 19}, longText.c_str(), 0, false});
    auto other = Make<TumEdit>({{10, 40, 150, 21}, ""});
    other->SetFocus();
    edit->SetAlignment(taRightJustify); // the text overflows on the left
    const wt::Shot s = wt::Capture(edit->Handle());
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    for (int y = 0; y < s.Height; ++y) {
        EXPECT_EQ(s.At(0, y), frame) << y;
        EXPECT_EQ(s.At(s.Width - 1, y), frame) << y;
    }
    for (int x = 0; x < s.Width; ++x) {
        EXPECT_EQ(s.At(x, 0), frame) << x;
        EXPECT_EQ(s.At(x, s.Height - 1), frame) << x;
    }
}

} // namespace

// The four-part IPv4 address entry, on the system's IP address control (WC_IPADDRESSA).
// https://learn.microsoft.com/windows/win32/controls/ip-address-controls
#pragma once

#include "Controls.h"

class TJvIPAddress : public TWinControl {
public:
    TJvIPAddress(TWinControl* parent, const TBounds& bounds);
    // Raised once for each change the user makes to a part; never for a Text set by the
    // program nor for the blank parts filled with 0 when the focus leaves the field.
    TNotifyEvent OnChange;

    // The four parts as "%d.%d.%d.%d"; a blank part counts as 0.
    std::string Text() const;
    // Takes any text: see AddressText.
    void SetText(const std::string& text);

    void EnterByKeyboard(bool forward) override;
    bool TabWithin(bool forward) override;

protected:
    void Notify(WORD code) override;

private:
    HWND Part(int index) const;
    int FocusedPart() const;
    void FillBlankParts();
    bool FQuiet = false;
};

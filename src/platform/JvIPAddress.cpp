#include "JvIPAddress.h"

#include "AddressText.h"

#include <commctrl.h>


TJvIPAddress::TJvIPAddress(TWinControl* parent, const TBounds& bounds) : TWinControl(parent) {
    FQuiet = true;
    CreateSystem(WC_IPADDRESSA, "", WS_TABSTOP, 0, bounds);
    FQuiet = false;
}

HWND TJvIPAddress::Part(int index) const {
    HWND part = GetWindow(Handle(), GW_CHILD);
    for (int i = 0; i < index && part; ++i) part = GetWindow(part, GW_HWNDNEXT);
    return part;
}

int TJvIPAddress::FocusedPart() const {
    const HWND focus = GetFocus();
    for (int i = 0; i < 4; ++i)
        if (Part(i) == focus) return i;
    return -1;
}

std::string TJvIPAddress::Text() const {
    DWORD address = 0;
    const_cast<TJvIPAddress*>(this)->Perform(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return FormatAddress({static_cast<std::uint8_t>(FIRST_IPADDRESS(address)), static_cast<std::uint8_t>(SECOND_IPADDRESS(address)),
                          static_cast<std::uint8_t>(THIRD_IPADDRESS(address)), static_cast<std::uint8_t>(FOURTH_IPADDRESS(address))});
}

void TJvIPAddress::SetText(const std::string& text) {
    const auto parts = AddressParts(text);
    FQuiet = true;
    Perform(IPM_SETADDRESS, 0, MAKEIPADDRESS(parts[0], parts[1], parts[2], parts[3]));
    FQuiet = false;
}

void TJvIPAddress::FillBlankParts() {
    if (Perform(IPM_ISBLANK, 0, 0)) return;
    FQuiet = true;
    for (int i = 0; i < 4; ++i)
        if (GetWindowTextLengthA(Part(i)) == 0) SetWindowTextA(Part(i), "0");
    FQuiet = false;
}

void TJvIPAddress::Notify(WORD code) {
    switch (code) {
    case EN_CHANGE:
        if (!FQuiet && OnChange) OnChange(this);
        break;
    case EN_KILLFOCUS: // the focus has left the four parts
        FillBlankParts();
        break;
    }
}

void TJvIPAddress::EnterByKeyboard(bool forward) { Perform(IPM_SETFOCUS, forward ? 0 : 3, 0); }

bool TJvIPAddress::TabWithin(bool forward) {
    const int next = FocusedPart() + (forward ? 1 : -1);
    if (FocusedPart() < 0 || next < 0 || next > 3) return false;
    Perform(IPM_SETFOCUS, static_cast<WPARAM>(next), 0);
    return true;
}

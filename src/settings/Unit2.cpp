#include "Unit2.h"

#include "../platform/WinRegistry.h"
#include "resource.h"
#include "Settings.h"

TForm2* Form2 = nullptr;
TRegIniFile* DialogStore = nullptr;

namespace {

reg::IRegistry* Registry = nullptr;

using B = TPanelBevel;
constexpr TFormLayout FormLayout{"Server Setup", 280, 140, TFormBorderStyle::bsDialog, false, true};
// Sections in tab order: password, address and port, button strip.
constexpr TPanelLayout Panel2Layout{{0, 57, 280, 53}, "", B::bvRaised, B::bvNone};
constexpr TPanelLayout Panel5Layout{{1, 1, 278, 17}, "Admin password", B::bvLowered, B::bvLowered};
constexpr TPanelLayout Panel1Layout{{0, 0, 280, 57}, "", B::bvRaised, B::bvNone};
constexpr TPanelLayout Panel4Layout{{1, 1, 278, 17}, "Server IP and port", B::bvLowered, B::bvLowered};
constexpr TPanelLayout Panel3Layout{{0, 111, 280, 29}, "", B::bvRaised, B::bvNone};
constexpr TEditLayout MaskEdit1Layout{{79, 26, 121, 19}, "MaskEdit1", '*', false};
constexpr TBounds Label1Bounds{2, 30, 47, 13};
constexpr TBounds JvIPAddress1Bounds{52, 25, 150, 21};
constexpr TEditLayout umValidEdit1Layout{{208, 25, 57, 21}, "10480"};
constexpr TBounds BitBtn1Bounds{202, 2, 75, 25};

} // namespace

reg::IRegistry& StoreRegistry() {
    static WinRegistry advapi32;
    return Registry ? *Registry : advapi32;
}

void SetStoreRegistry(reg::IRegistry* registry) { Registry = registry; }

TRegIniFile* OpenStore() { return new TRegIniFile(StoreRegistry(), settings::StoreKey); }

TForm2::TForm2()
    : TForm(FormLayout),
      Panel2(this, Panel2Layout),
      MaskEdit1(&Panel2, MaskEdit1Layout),
      Panel5(&Panel2, Panel5Layout),
      Panel1(this, Panel1Layout),
      Label1(&Panel1, Label1Bounds, "Server IP:"),
      JvIPAddress1(&Panel1, JvIPAddress1Bounds),
      umValidEdit1(&Panel1, umValidEdit1Layout),
      Panel4(&Panel1, Panel4Layout),
      Panel3(this, Panel3Layout),
      BitBtn1(&Panel3, BitBtn1Bounds, MAKEINTRESOURCEA(IDB_OK)) {
    umValidEdit1.ValidChars = "1234567890";
    umValidEdit1.SetColorDisabled(clWindow);
    JvIPAddress1.SetText("0.0.0.0");
    TabOrder = {&MaskEdit1, &JvIPAddress1, &umValidEdit1, &BitBtn1};
    DefaultButton = &BitBtn1;

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    JvIPAddress1.OnChange = [this](TObject* sender) { JvIPAddress1Change(sender); };
    umValidEdit1.OnChange = [this](TObject* sender) { umValidEdit1Change(sender); };
    MaskEdit1.OnChange = [this](TObject* sender) { MaskEdit1Change(sender); };
}

void TForm2::FormCreate(TObject*) { DialogStore = OpenStore(); }

void TForm2::JvIPAddress1Change(TObject*) {
    DialogStore->WriteString(settings::Section, settings::Ip, JvIPAddress1.Text());
}

void TForm2::umValidEdit1Change(TObject*) {
    DialogStore->WriteString(settings::Section, settings::Prt, umValidEdit1.Text());
}

void TForm2::MaskEdit1Change(TObject*) {
    DialogStore->WriteString(settings::Section, settings::Pwd, MaskEdit1.Text());
}

#include "Unit1.h"

#include "../settings/Settings.h"
#include "../settings/Unit2.h"
#include "JoinParameters.h"
#include "resource.h"
#include "version.h"

TForm1* Form1 = nullptr;
TRegIniFile* MainStore = nullptr;

namespace {

using B = TPanelBevel;
constexpr TFormLayout FormLayout{"VEMKO (for RUX admin mod)", 269, 127, TFormBorderStyle::bsSingle, true};
constexpr TPanelLayout Panel3Layout{{0, 0, 269, 111}, "", B::bvRaised, B::bvNone};
constexpr TBounds SpeedButton1Bounds{85, 30, 100, 56};
constexpr int GlyphSpacing = 4;
// The footer is a link: blue, underlined, the pointing hand over the whole strip.
constexpr TPanelLayout Panel6Layout{{0, 111, 269, 16}, WebHost, B::bvRaised, B::bvNone, clBlue, true, TCursor::crHandPoint};

constexpr char Notice[] = "Free to use, without any warranty, from the VEMKO developers.";
constexpr char Version[] = "v" VEMKO_VERSION;

} // namespace

TForm1::TForm1()
    : TForm(FormLayout),
      Panel3(this, Panel3Layout),
      SpeedButton1(&Panel3, SpeedButton1Bounds, "Join full server", MAKEINTRESOURCEA(IDB_JOIN), GlyphSpacing),
      Panel6(this, Panel6Layout) {
    SetMainMenu(&MainMenu1);
    OpenDialog1.Title = "SWAT4 Executable";
    OpenDialog1.Filter = "swat4.exe;swat4x.exe|swat4.exe;swat4x.exe";
    OpenDialog1.FilterIndex = 1;
    OpenDialog1.DefaultExt = "*.exe";

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    Exit1.OnClick = [this](TObject* sender) { Exit1Click(sender); };
    About1.OnClick = [this](TObject* sender) { About1Click(sender); };
    Panel6.OnClick = [this](TObject* sender) { Panel6Click(sender); };
    LocateSWAT4orTSSgameexecutable1.OnClick = [this](TObject* sender) { LocateSWAT4orTSSgameexecutable1Click(sender); };
    SpeedButton1.OnClick = [this](TObject* sender) { SpeedButton1Click(sender); };
    Serverandpassword1.OnClick = [this](TObject* sender) { Serverandpassword1Click(sender); };
}

void TForm1::Exit1Click(TObject*) { Application->Terminate(); }

void TForm1::About1Click(TObject*) { ShowMessage(std::string("Vemko\r") + Notice + '\r' + WebHost + '\r' + Version); }

void TForm1::Panel6Click(TObject*) {
    const std::string url = std::string("http://") + WebHost + '/';
    ShellOpen(url, "", "", SW_HIDE);
}

void TForm1::FormCreate(TObject*) {
    MainStore = OpenStore();
    if (MainStore->ReadString(settings::Section, settings::Exe, settings::ExeDefault).empty()) {
        ShowMessage("Locate the executable file of SWAT4 or any other SWAT4 mod");
        if (OpenDialog1.Execute()) MainStore->WriteString(settings::Section, settings::Exe, OpenDialog1.FileName);
    }
}

void TForm1::LocateSWAT4orTSSgameexecutable1Click(TObject*) {
    OpenDialog1.FileName = MainStore->ReadString(settings::Section, settings::Exe, settings::ExeDefault);
    if (OpenDialog1.Execute()) MainStore->WriteString(settings::Section, settings::Exe, OpenDialog1.FileName);
}

void TForm1::SpeedButton1Click(TObject*) {
    const std::string exe = MainStore->ReadString(settings::Section, settings::Exe, settings::ExeDefault);
    if (exe.empty()) {
        ShowMessage("Locate the main executable first !");
        return;
    }
    const std::string address = Form2->JvIPAddress1.Text();
    if (address == "0.0.0.0") {
        ShowMessage("Please set server IP, port and admin password !");
        Form2->ShowModal();
        return;
    }
    const std::string parameters = JoinParameters(address, Form2->umValidEdit1.Text(), Form2->MaskEdit1.Text());
    // A command line too long for the system fails as the shell's own failures do: nothing
    // starts, and the launcher ends all the same.
    if (FitsCommandLine(exe, parameters)) ShellOpen(exe, parameters, ExtractFilePath(exe), SW_SHOWNORMAL);
    Application->Terminate();
}

void TForm1::Serverandpassword1Click(TObject*) { Form2->ShowModal(); }

void TForm1::FormShow(TObject*) {
    // Each set that changes a field makes the dialog write it back (see TForm2).
    Form2->JvIPAddress1.SetText(MainStore->ReadString(settings::Section, settings::Ip, settings::IpDefault));
    Form2->umValidEdit1.SetText(MainStore->ReadString(settings::Section, settings::Prt, settings::PrtDefault));
    Form2->MaskEdit1.SetText(MainStore->ReadString(settings::Section, settings::Pwd, settings::PwdDefault));
}

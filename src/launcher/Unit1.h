// The main window: the join button, the menu, the footer link, the first-run prompt, and
// the ties to the setup dialog.
#pragma once

#include "../platform/Controls.h"
#include "../platform/Dialogs.h"
#include "../platform/Registry.h"

class TForm1 : public TForm {
public:
    TForm1();

    TMenuItem Exit1{"Exit"};
    TMenuItem N1{"-"};
    TMenuItem LocateSWAT4orTSSgameexecutable1{"Locate SWAT4 or TSS game executable"};
    TMenuItem Program1{"Program", {&LocateSWAT4orTSSgameexecutable1, &N1, &Exit1}};
    TMenuItem Serverandpassword1{"Server and password"};
    TMenuItem Setup1{"Setup", {&Serverandpassword1}};
    TMenuItem About1{"About"};
    TMainMenu MainMenu1{{&Program1, &Setup1, &About1}};
    TPanel Panel3;
    TSpeedButton SpeedButton1;
    TPanel Panel6;
    TOpenDialog OpenDialog1;

    void Exit1Click(TObject* Sender);
    void About1Click(TObject* Sender);
    void Panel6Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void LocateSWAT4orTSSgameexecutable1Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void Serverandpassword1Click(TObject* Sender);
    void FormShow(TObject* Sender);
};

extern TForm1* Form1;
extern TRegIniFile* MainStore;

// The maker's web site: the footer and the About message show the host; the footer opens it.
constexpr char WebHost[] = "vemko.example";

// The Server Setup dialog: the address, port and password fields, each written through
// to the store at every change; and the store itself, opened by either window.
#pragma once

#include "../edit/umEdit.h"
#include "../platform/Controls.h"
#include "../platform/JvIPAddress.h"
#include "../platform/Registry.h"

class TForm2 : public TForm {
public:
    TForm2();

    TPanel Panel2;
    TMaskEdit MaskEdit1;
    TPanel Panel5;
    TPanel Panel1;
    TLabel Label1;
    TJvIPAddress JvIPAddress1;
    TumValidEdit umValidEdit1;
    TPanel Panel4;
    TPanel Panel3;
    TBitBtn BitBtn1;

    void JvIPAddress1Change(TObject* Sender);
    void umValidEdit1Change(TObject* Sender);
    void MaskEdit1Change(TObject* Sender);
    void FormCreate(TObject* Sender);
};

extern TForm2* Form2;
extern TRegIniFile* DialogStore;

// The registry the store handles use: advapi32 unless a test gives another.
reg::IRegistry& StoreRegistry();
void SetStoreRegistry(reg::IRegistry* registry);
// A new store handle on HKEY_CURRENT_USER\vemko; the caller keeps it for the process's life.
TRegIniFile* OpenStore();

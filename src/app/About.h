#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"

class TfrmAbout : public TForm {
public:
    TfrmAbout();
    TLabel Label1;
    TLabel Label2;
    TLabel Label3;
    TLabel Label4;
};

// The newest About window; earlier ones stay open.
extern TfrmAbout* frmAbout;

// Creates and shows another About window, not modal.
void ShowAbout();

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

// Creates and shows another About window, not modal; returns it.
TfrmAbout* ShowAbout();

#include "app/About.h"

#include "app/ProgramIcon.h"
#include "toolkit/Application.h"

#include <memory>

namespace {

void AutoSize(TLabel& label, int pixelHeight)
{
    label.setFont(ProgramFont(pixelHeight));
    label.SetCaption(label.Caption());
}

}  // namespace

TfrmAbout::TfrmAbout()
    : TForm(276, 306, 373, 158, Tr("About", "Info"), clSkyBlue),
      Label1(this, {136, 8, 0, 0}, "Vexlor"),
      Label2(this, {24, 40, 0, 0}, Tr("About", "Dient der Veranschaulichung einer eindimensionalen ")),
      Label3(this, {24, 56, 0, 0}, Tr("About", "Multiskalenanalyse mit BLaC-Wavelets.")),
      Label4(this, {24, 80, 0, 0}, Tr("About", "Geschrieben vom Vexlor-Team für Lehre und Studium."))
{
    SetName("frmAbout");
    SetIcon(ProgramIcon());
    AutoSize(Label1, 19);
    AutoSize(Label2, 13);
    AutoSize(Label3, 13);
    AutoSize(Label4, 13);
}

TfrmAbout* ShowAbout()
{
    TfrmAbout* about = Application->Own(std::make_unique<TfrmAbout>());
    about->Show();
    return about;
}

#include "windows/Hilfe.h"

TfrmHilfe::TfrmHilfe(const QString& html) : TForm(180, 60, 660, 640, "Hilfe", clBtnFace), layout(this)
{
    SetName("frmHilfe");
    txtHilfe.setHtml(html);
    txtHilfe.setOpenExternalLinks(false);
    layout.setContentsMargins(4, 4, 4, 4);
    layout.addWidget(&txtHilfe);
}

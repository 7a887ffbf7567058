#include "windows/Hilfe.h"

#include <QKeyEvent>

TfrmHilfe::TfrmHilfe(const QString& html) : TForm(180, 60, 660, 640, Tr("Hilfe", "Hilfe"), clBtnFace), layout(this)
{
    SetName("frmHilfe");
    txtHilfe.setHtml(html);
    txtHilfe.setOpenExternalLinks(false);
    layout.setContentsMargins(4, 4, 4, 4);
    layout.addWidget(&txtHilfe);
}

void TfrmHilfe::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        TForm::keyPressEvent(event);
}

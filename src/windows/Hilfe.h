#pragma once

#include "toolkit/Form.h"

#include <QTextBrowser>
#include <QVBoxLayout>

// "Hilfe": the program explained for a student, from F1 in any window.
class TfrmHilfe : public TForm {
public:
    explicit TfrmHilfe(const QString& html);
    QTextBrowser txtHilfe;

protected:
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QVBoxLayout layout;
};

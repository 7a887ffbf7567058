#include "windows/Werkzeuge.h"

#include "toolkit/Application.h"

#include <QDateTime>

#include <cstdio>
#include <QSignalBlocker>

TfrmWerkzeuge::TfrmWerkzeuge(const std::vector<std::string>& signalNames)
    : TForm(1024, 0, 300, 740, "Werkzeuge", clBtnFace),
      grpSignal(QStringLiteral("Signal")),
      butDatei(QStringLiteral("Datei…")),
      butNeuAbtasten(QStringLiteral("Neu abtasten")),
      grpKennzahlen(QStringLiteral("Kennzahlen")),
      grpKompression(QStringLiteral("Kompression")),
      sldKeep(Qt::Horizontal),
      butKoeffizienten(QStringLiteral("Koeffizienten")),
      grpMeldung(QStringLiteral("Meldung")),
      signalForm(&grpSignal),
      numbersBox(&grpKennzahlen),
      keepForm(&grpKompression),
      messageBox(&grpMeldung),
      sections(this),
      listSize(static_cast<int>(signalNames.size()))
{
    SetName("frmWerkzeuge");
    for (const std::string& name : signalNames)
        cbxSignal.addItem(QString::fromStdString(name));
    speFeinsteStufe.setRange(2, 12);
    speFeinsteStufe.setValue(7);

    signalRow.addWidget(&cbxSignal, 1);
    signalRow.addWidget(&butDatei);
    signalForm.addRow(&signalRow);
    signalForm.addRow(QStringLiteral("Feinste Stufe"), &speFeinsteStufe);
    signalForm.addRow(&butNeuAbtasten);

    numbersBox.addWidget(&labMaxError);
    numbersBox.addWidget(&labRmsError);
    numbersBox.addWidget(&labKept);
    labEnergie.setTextFormat(Qt::RichText);
    numbersBox.addWidget(&labEnergie);

    sldKeep.setRange(0, 100);
    sldKeep.setValue(100);
    sldKeep.setSingleStep(1);
    sldKeep.setPageStep(10);
    speKeep.setRange(0, 100);
    speKeep.setValue(100);
    speKeep.setSuffix(QStringLiteral(" %"));
    keepRow.addWidget(&sldKeep, 1);
    keepRow.addWidget(&speKeep);
    keepForm.addRow(QStringLiteral("Behaltene Details:"), &keepRow);
    keepForm.addRow(&butKoeffizienten);

    labMeldung.setWordWrap(true);
    labMeldung.setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageBox.addWidget(&labMeldung);

    sections.addWidget(&grpSignal);
    sections.addWidget(&grpKennzahlen);
    sections.addWidget(&grpKompression);
    sections.addStretch(1);
    sections.addWidget(&grpMeldung);

    // Each report goes through Dispatch, as the main window's controls do.
    QObject::connect(&cbxSignal, &QComboBox::activated, this, [this](int index) {
        if (index < listSize && OnSignalChosen)
            Dispatch([this, index] { OnSignalChosen(index); });
    });
    QObject::connect(&butDatei, &QPushButton::clicked, this, [this] {
        if (OnSignalFile)
            Dispatch(OnSignalFile);
    });
    QObject::connect(&speFeinsteStufe, &QSpinBox::valueChanged, this, [this](int value) {
        if (OnMaxLevelChosen)
            Dispatch([this, value] { OnMaxLevelChosen(value); });
    });
    QObject::connect(&butNeuAbtasten, &QPushButton::clicked, this, [this] {
        if (OnResample)
            Dispatch(OnResample);
    });
    // Slider and spin box are one control: each shows what the other chose.
    auto keep = [this](int percent) {
        ShowKeep(percent);
        if (OnKeepChanged)
            Dispatch([this, percent] { OnKeepChanged(percent); });
    };
    QObject::connect(&sldKeep, &QSlider::valueChanged, this, keep);
    QObject::connect(&speKeep, &QSpinBox::valueChanged, this, keep);
    QObject::connect(&butKoeffizienten, &QPushButton::clicked, this, [this] {
        if (OnKoeffizienten)
            Dispatch(OnKoeffizienten);
    });
}

void TfrmWerkzeuge::ShowKeep(int percent)
{
    const QSignalBlocker quietSlider(&sldKeep), quietSpin(&speKeep);
    sldKeep.setValue(percent);
    speKeep.setValue(percent);
}

void TfrmWerkzeuge::ShowNumbers(double maxError, double rmsError, int kept, int detailCount,
                                const std::vector<double>& energies, int level)
{
    char text[64];
    std::snprintf(text, sizeof text, "Max. Fehler: %.4g", maxError);
    labMaxError.setText(QString::fromUtf8(text));
    std::snprintf(text, sizeof text, "RMS-Fehler: %.4g", rmsError);
    labRmsError.setText(QString::fromUtf8(text));
    labKept.setText(QStringLiteral("Behaltene Details: %1 von %2").arg(kept).arg(detailCount));
    QString table = QStringLiteral("<table><tr><th align=left>Teil</th><th align=right>Energie</th></tr>");
    for (int row = 0; row < static_cast<int>(energies.size()); ++row) {
        const QString part = row == 0 ? QStringLiteral("Glätte %1").arg(level)
                                      : QStringLiteral("Details %1").arg(level + row - 1);
        std::snprintf(text, sizeof text, "%.4g", energies[static_cast<std::size_t>(row)]);
        table += QStringLiteral("<tr><td>%1</td><td align=right>&nbsp;&nbsp;%2</td></tr>").arg(part, QString::fromUtf8(text));
    }
    labEnergie.setText(table + QStringLiteral("</table>"));
}

void TfrmWerkzeuge::ShowSignal(int listIndex, const std::string& fileName)
{
    const QSignalBlocker quiet(&cbxSignal);
    // A file's name stands as one more entry after the list.
    while (cbxSignal.count() > listSize)
        cbxSignal.removeItem(listSize);
    if (listIndex >= 0) {
        cbxSignal.setCurrentIndex(listIndex);
        return;
    }
    cbxSignal.addItem(QStringLiteral("Datei: ") + QString::fromStdString(fileName));
    cbxSignal.setCurrentIndex(listSize);
}

void TfrmWerkzeuge::ShowMaxLevel(int maxLevel)
{
    const QSignalBlocker quiet(&speFeinsteStufe);
    speFeinsteStufe.setValue(maxLevel);
}

void TfrmWerkzeuge::ShowMessage(const std::string& caption)
{
    labMeldung.setText(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ")
                       + QString::fromStdString(caption));
}

#include "windows/Werkzeuge.h"

#include "analysis/DeltaSweep.h"
#include "toolkit/Application.h"

#include <QSignalBlocker>

#include <cstdio>

namespace {

// A label's new text, only where it changed: every new text lays the window out anew.
void SetText(QLabel& label, const QString& text)
{
    if (label.text() != text)
        label.setText(text);
}

}  // namespace

TfrmWerkzeuge::TfrmWerkzeuge(const std::vector<std::string>& signalNames)
    : TForm(1024, 0, 300, 740, "Werkzeuge", clBtnFace),
      grpSignal(QStringLiteral("Signal")),
      butDatei(QStringLiteral("Datei…")),
      butNeuAbtasten(QStringLiteral("Neu abtasten")),
      grpKennzahlen(QStringLiteral("Kennzahlen")),
      grpKompression(QStringLiteral("Kompression")),
      sldKeep(Qt::Horizontal),
      butKoeffizienten(QStringLiteral("Koeffizienten")),
      grpDelta(QStringLiteral("Delta-Vergleich")),
      grpMeldung(QStringLiteral("Meldung")),
      signalForm(&grpSignal),
      numbersBox(&grpKennzahlen),
      keepForm(&grpKompression),
      deltaBox(&grpDelta),
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
    for (QLabel* label : {&labMaxError, &labRmsError, &labKept})
        label->setFixedHeight(label->sizeHint().height());
    // Two columns of part and energy: eleven parts at most (level 2 of 12) fit.
    energyGrid.setVerticalSpacing(1);
    energyGrid.addWidget(&labEnergieKopfTeil, 0, 0);
    energyGrid.addWidget(&labEnergieKopfWert, 0, 1, Qt::AlignRight);
    for (std::size_t k = 0; k < labEnergieTeil.size(); ++k) {
        const int row = static_cast<int>(k / 2) + 1, column = 3 * static_cast<int>(k % 2);
        energyGrid.addWidget(&labEnergieTeil[k], row, column);
        energyGrid.addWidget(&labEnergieWert[k], row, column + 1, Qt::AlignRight);
        labEnergieTeil[k].setFixedHeight(labEnergieTeil[k].sizeHint().height());
        labEnergieWert[k].setFixedHeight(labEnergieTeil[k].sizeHint().height());
        labEnergieTeil[k].hide();  // until the numbers name the parts
        labEnergieWert[k].hide();
    }
    energyGrid.setColumnMinimumWidth(2, 10);
    numbersBox.addLayout(&energyGrid);

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

    cbxDeltaMass.addItems({QStringLiteral("RMS-Fehler"), QStringLiteral("Max. Fehler")});
    deltaBox.addWidget(&cbxDeltaMass);
    deltaBox.addWidget(&pltDelta);
    deltaBox.addWidget(&labBestDelta);
    QObject::connect(&cbxDeltaMass, &QComboBox::currentIndexChanged, this, [this](int index) {
        pltDelta.SetByMaxError(index == 1);
        ShowDeltaRows(pltDelta.Rows());
    });

    labMeldung.setWordWrap(true);
    labMeldung.setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageBox.addWidget(&labMeldung);

    sections.addWidget(&grpSignal);
    sections.addWidget(&grpKennzahlen);
    sections.addWidget(&grpKompression);
    sections.addWidget(&grpDelta);
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

void TfrmWerkzeuge::ShowDeltaRows(const std::vector<std::optional<ErrorNumbers>>& rows)
{
    pltDelta.SetRows(rows);
    const int best = BestDelta(rows, pltDelta.ByMaxError());
    char text[48];
    std::snprintf(text, sizeof text, "Bestes Delta: %g", SweepDelta(best));
    SetText(labBestDelta, best < 0 ? QStringLiteral("Bestes Delta: …") : QString::fromUtf8(text));
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
    SetText(labMaxError, QString::fromUtf8(text));
    std::snprintf(text, sizeof text, "RMS-Fehler: %.4g", rmsError);
    SetText(labRmsError, QString::fromUtf8(text));
    SetText(labKept, QStringLiteral("Behaltene Details: %1 von %2").arg(kept).arg(detailCount));
    for (std::size_t row = 0; row < labEnergieTeil.size(); ++row) {
        const bool used = row < energies.size();
        if (used) {
            const int r = static_cast<int>(row);
            std::snprintf(text, sizeof text, "%.4g", energies[row]);
            SetText(labEnergieTeil[row], r == 0 ? QStringLiteral("Glätte %1").arg(level)
                                                : QStringLiteral("Details %1").arg(level + r - 1));
            SetText(labEnergieWert[row], QString::fromUtf8(text));
        }
        labEnergieTeil[row].setVisible(used);
        labEnergieWert[row].setVisible(used);
    }
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
    labMeldung.setText(Clock().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ")
                       + QString::fromStdString(caption));
}

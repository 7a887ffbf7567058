#include "windows/Werkzeuge.h"

#include "analysis/DeltaSweep.h"
#include "toolkit/Application.h"

#include <QSignalBlocker>

#include <algorithm>

#include <cmath>
#include <cstdio>

namespace {

// A label's new text, only where it changed: every new text lays the window out anew.
void SetText(QLabel& label, const QString& text)
{
    if (label.text() != text)
        label.setText(text);
}

// A number in "%.4g", or "—" where it is none (NaN) or beyond the doubles.
QString Number(const char* format, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return std::isfinite(value) ? QString::fromUtf8(text) : QStringLiteral("—");
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
      cbxEinMassstab(QStringLiteral("ein Maßstab für alle")),
      grpDelta(QStringLiteral("Delta-Vergleich")),
      butUebernehmen(QStringLiteral("Übernehmen")),
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
    levelRow.addWidget(&speFeinsteStufe, 1);
    levelRow.addWidget(&butNeuAbtasten);
    signalForm.addRow(QStringLiteral("Feinste Stufe"), &levelRow);
    cbxAchsen.addItems({QStringLiteral("wie im Original"), QStringLiteral("an die Daten angepasst")});
    cbxAchsen.setToolTip(QStringLiteral("Angepasst: jedes Funktionsfenster um den Bereich seiner Kurve, "
                                        "Beschriftung außerhalb der Kurve"));
    signalForm.addRow(QStringLiteral("Achsen:"), &cbxAchsen);

    for (QLabel* label : {&labMaxError, &labRmsError, &labAbstand, &labDistanceMax, &labDistanceRms, &labKept}) {
        numbersBox.addWidget(label);
        label->setFixedHeight(label->sizeHint().height());
    }
    labDistanceMax.setIndent(12);
    labDistanceRms.setIndent(12);
    // Two columns of part, energy and share: eleven parts at most (level 2 of 12) fit.
    energyGrid.setVerticalSpacing(1);
    energyGrid.setHorizontalSpacing(4);
    energyGrid.addWidget(&labEnergieKopfTeil, 0, 0);
    energyGrid.addWidget(&labEnergieKopfWert, 0, 1, 1, 2, Qt::AlignRight);
    for (std::size_t k = 0; k < labEnergieTeil.size(); ++k) {
        const int row = static_cast<int>(k / 2) + 1, column = 4 * static_cast<int>(k % 2);
        for (QLabel* label : {&labEnergieTeil[k], &labEnergieWert[k], &labEnergieAnteil[k]}) {
            energyGrid.addWidget(label, row, column + (label == &labEnergieTeil[k] ? 0 : label == &labEnergieWert[k] ? 1 : 2),
                                 label == &labEnergieTeil[k] ? Qt::AlignLeft : Qt::AlignRight);
            label->setFixedHeight(labEnergieTeil[k].sizeHint().height());
            label->hide();  // until the numbers name the parts
        }
    }
    energyGrid.setColumnMinimumWidth(3, 6);
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
    cbxKeepBy.addItems({QStringLiteral("nach Beitrag"), QStringLiteral("nach Betrag |d|")});
    cbxKeepBy.setToolTip(QStringLiteral("Beitrag: |d| mal die L2-Norm des Wavelets; Betrag: |d| allein"));
    keepForm.addRow(QStringLiteral("Auswahl:"), &cbxKeepBy);
    cbxEinMassstab.setToolTip(QStringLiteral("Koeffizienten: alle Zeilen im Maßstab des größten Betrags "
                                             "statt jede im eigenen"));
    koeffRow.addWidget(&butKoeffizienten, 1);
    koeffRow.addWidget(&cbxEinMassstab);
    keepForm.addRow(&koeffRow);

    cbxDeltaMass.addItems({QStringLiteral("RMS-Abstand"), QStringLiteral("Max. Abstand")});
    cbxDeltaMass.setToolTip(QStringLiteral("Abstand zu den Abtastwerten nach Kompression"));
    deltaBox.addWidget(&cbxDeltaMass);
    deltaBox.addWidget(&pltDelta);
    labBestDelta.setWordWrap(true);  // a tie's note may take a second line
    deltaRow.addWidget(&labBestDelta, 1);
    deltaRow.addWidget(&butUebernehmen);
    deltaBox.addLayout(&deltaRow);
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
    QObject::connect(&cbxAchsen, &QComboBox::activated, this, [this](int index) {
        if (OnAxesChosen)
            Dispatch([this, index] { OnAxesChosen(index == 1); });
    });
    // Slider and spin box are one control: each shows what the other chose.
    auto keep = [this](int percent) {
        ShowKeep(percent, cbxKeepBy.currentIndex() == 1);
        if (OnKeepChanged)
            Dispatch([this, percent] { OnKeepChanged(percent); });
    };
    QObject::connect(&sldKeep, &QSlider::valueChanged, this, keep);
    QObject::connect(&speKeep, &QSpinBox::valueChanged, this, keep);
    QObject::connect(&cbxKeepBy, &QComboBox::activated, this, [this](int index) {
        if (OnKeepByChanged)
            Dispatch([this, index] { OnKeepByChanged(index == 1); });
    });
    QObject::connect(&butKoeffizienten, &QPushButton::clicked, this, [this] {
        if (OnKoeffizienten)
            Dispatch(OnKoeffizienten);
    });
    QObject::connect(&cbxEinMassstab, &QCheckBox::toggled, this, [this](bool on) {
        if (OnOneScaleChosen)
            Dispatch([this, on] { OnOneScaleChosen(on); });
    });
    QObject::connect(&butUebernehmen, &QPushButton::clicked, this, [this] {
        if (BestPosition() >= 0 && pltDelta.OnDeltaChosen)
            Dispatch([this] { pltDelta.OnDeltaChosen(BestPosition()); });
    });
}

int TfrmWerkzeuge::BestPosition() const { return BestDelta(pltDelta.Rows(), pltDelta.ByMaxError()); }

void TfrmWerkzeuge::ShowDeltaRows(const std::vector<std::optional<ErrorNumbers>>& rows)
{
    pltDelta.SetRows(rows);
    const int best = BestPosition();
    butUebernehmen.setEnabled(best >= 0);
    if (best < 0) {
        SetText(labBestDelta, QStringLiteral("Bestes Delta: …"));
        return;
    }
    // Deltas that rebuild the samples equally well tie: the lowest is named.
    const int ties = BestDeltaTies(rows, pltDelta.ByMaxError());
    const auto done = std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row.has_value(); });
    char text[64];
    std::snprintf(text, sizeof text, "Bestes Delta: %g", SweepDelta(best));
    QString shown = QString::fromUtf8(text);
    if (ties > 1)
        shown += ties == done ? QStringLiteral(" (gleich für alle)") : QStringLiteral(" (gleich für %1)").arg(ties);
    SetText(labBestDelta, shown);
}

void TfrmWerkzeuge::ShowKeep(int percent, bool byMagnitude)
{
    const QSignalBlocker quietSlider(&sldKeep), quietSpin(&speKeep), quietBy(&cbxKeepBy);
    sldKeep.setValue(percent);
    speKeep.setValue(percent);
    cbxKeepBy.setCurrentIndex(byMagnitude ? 1 : 0);
}

bool TfrmWerkzeuge::ShowNumbers(const ErrorNumbers& numbers, int kept, int detailCount, const PartEnergies& energies,
                                int level)
{
    SetText(labMaxError, QStringLiteral("Max. Fehler: ") + Number("%.4g", numbers.MaxError));
    SetText(labRmsError, QStringLiteral("RMS-Fehler: ") + Number("%.4g", numbers.RmsError));
    SetText(labDistanceMax, QStringLiteral("max. ") + Number("%.4g", numbers.DistanceMax));
    SetText(labDistanceRms, QStringLiteral("RMS ") + Number("%.4g", numbers.DistanceRms));
    SetText(labKept, QStringLiteral("Behaltene Details: %1 von %2").arg(kept).arg(detailCount));
    bool finite = std::isfinite(numbers.MaxError) && std::isfinite(numbers.RmsError)
                  && std::isfinite(numbers.DistanceMax) && std::isfinite(numbers.DistanceRms);
    for (std::size_t row = 0; row < labEnergieTeil.size(); ++row) {
        const bool used = row < energies.energy.size();
        if (used) {
            const int r = static_cast<int>(row);
            SetText(labEnergieTeil[row], r == 0 ? QStringLiteral("Glätte %1").arg(level)
                                                : QStringLiteral("Details %1").arg(level + r - 1));
            SetText(labEnergieWert[row], Number("%.3g", energies.energy[row]));
            SetText(labEnergieAnteil[row], Number("%.0f", energies.share[row]) + QStringLiteral("%"));
            finite = finite && std::isfinite(energies.energy[row]);
        }
        labEnergieTeil[row].setVisible(used);
        labEnergieWert[row].setVisible(used);
        labEnergieAnteil[row].setVisible(used);
    }
    return finite;
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

void TfrmWerkzeuge::ShowAxes(bool fitted)
{
    const QSignalBlocker quiet(&cbxAchsen);
    cbxAchsen.setCurrentIndex(fitted ? 1 : 0);
}

void TfrmWerkzeuge::ShowMessage(const std::string& caption)
{
    labMeldung.setText(Clock().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ")
                       + QString::fromStdString(caption));
}

#include "windows/Werkzeuge.h"

#include "analysis/DeltaSweep.h"
#include "toolkit/Application.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

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

// A number as the user types it, with a decimal point or comma; NaN for anything else.
double TypedNumber(const QLineEdit& edit)
{
    bool ok = false;
    const double value = edit.text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : NAN;
}

QString Decibels(double value)
{
    return value == HUGE_VAL ? QStringLiteral("∞ dB") : Number("%.2f", value) + QStringLiteral(" dB");
}

constexpr int LambdaSteps = 1000;

}  // namespace

TfrmWerkzeuge::TfrmWerkzeuge(const std::vector<std::string>& signalNames)
    : TForm(1024, 0, 300, 740, Tr("Werkzeuge", "Werkzeuge"), clBtnFace),
      grpSignal(tr("Signal")),
      butDatei(tr("Datei…")),
      butNeuAbtasten(tr("Neu abtasten")),
      grpKennzahlen(tr("Kennzahlen")),
      grpKompression(tr("Kompression")),
      sldKeep(Qt::Horizontal),
      butKoeffizienten(tr("Koeffizienten")),
      cbxEinMassstab(tr("ein Maßstab für alle")),
      grpDelta(tr("Delta-Vergleich")),
      butDeltaCsv(tr("CSV…")),
      butUebernehmen(tr("Übernehmen")),
      grpRauschen(tr("Rauschen")),
      butRauschen(tr("Hinzufügen")),
      butOhneRauschen(tr("Ohne Rauschen")),
      grpEntrauschen(tr("Entrauschen")),
      sldLambda(Qt::Horizontal),
      grpMeldung(tr("Meldung")),
      signalForm(&grpSignal),
      numbersBox(&grpKennzahlen),
      keepForm(&grpKompression),
      deltaBox(&grpDelta),
      noiseForm(&grpRauschen),
      denoiseForm(&grpEntrauschen),
      analyseBox(&pageAnalyse),
      rauschenBox(&pageRauschen),
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
    signalForm.addRow(tr("Feinste Stufe"), &levelRow);
    cbxAchsen.addItems({tr("wie im Original"), tr("an die Daten angepasst")});
    cbxAchsen.setToolTip(tr("Angepasst: jedes Funktionsfenster um den Bereich seiner Kurve, "
                                        "Beschriftung außerhalb der Kurve"));
    signalForm.addRow(tr("Achsen:"), &cbxAchsen);

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
    keepForm.addRow(tr("Behaltene Details:"), &keepRow);
    cbxKeepBy.addItems({tr("nach Beitrag"), tr("nach Betrag |d|")});
    cbxKeepBy.setToolTip(tr("Beitrag: |d| mal die L2-Norm des Wavelets; Betrag: |d| allein"));
    keepForm.addRow(tr("Auswahl:"), &cbxKeepBy);
    cbxEinMassstab.setToolTip(tr("Koeffizienten: alle Zeilen im Maßstab des größten Betrags "
                                             "statt jede im eigenen"));
    koeffRow.addWidget(&butKoeffizienten, 1);
    koeffRow.addWidget(&cbxEinMassstab);
    keepForm.addRow(&koeffRow);

    cbxDeltaMass.addItems(
        {tr("RMS-Abstand"), tr("Max. Abstand"), tr("Entrauschen")});
    cbxDeltaMass.setToolTip(tr("Abstand zu den Abtastwerten nach Kompression; Entrauschen: "
                                           "RMS-Abstand des entrauschten Signals zum sauberen"));
    butDeltaCsv.setToolTip(tr("Als CSV speichern…"));
    measureRow.addWidget(&cbxDeltaMass, 1);
    measureRow.addWidget(&butDeltaCsv);
    deltaBox.addLayout(&measureRow);
    deltaBox.addWidget(&pltDelta);
    labBestDelta.setWordWrap(true);  // a tie's note may take a second line
    deltaRow.addWidget(&labBestDelta, 1);
    deltaRow.addWidget(&butUebernehmen);
    deltaBox.addLayout(&deltaRow);
    QObject::connect(&cbxDeltaMass, &QComboBox::currentIndexChanged, this, [this](int index) {
        pltDelta.SetMeasure(static_cast<SweepMeasure>(index));
        ShowDeltaRows(pltDelta.Rows());
    });

    LayOutNoise();

    labMeldung.setWordWrap(true);
    labMeldung.setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageBox.addWidget(&labMeldung);

    analyseBox.setContentsMargins(0, 0, 0, 0);
    analyseBox.setSpacing(0);
    analyseBox.addWidget(&grpSignal);
    analyseBox.addWidget(&grpKennzahlen);
    analyseBox.addWidget(&grpKompression);
    analyseBox.addWidget(&grpDelta);
    analyseBox.addStretch(1);
    for (QScrollArea* area : {&areaAnalyse, &areaRauschen}) {
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    areaAnalyse.setWidget(&pageAnalyse);
    areaRauschen.setWidget(&pageRauschen);
    tabs.addTab(&areaAnalyse, tr("Analyse"));
    tabs.addTab(&areaRauschen, tr("Rauschen"));
    tabs.setDocumentMode(true);
    sections.setContentsMargins(4, 4, 4, 4);  // room for a page's scroll bar
    sections.setSpacing(2);
    sections.addWidget(&tabs, 1);
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
    QObject::connect(&butDeltaCsv, &QPushButton::clicked, this, [this] {
        if (OnDeltaCsv)
            Dispatch(OnDeltaCsv);
    });
    QObject::connect(&butUebernehmen, &QPushButton::clicked, this, [this] {
        if (BestPosition() >= 0 && pltDelta.OnDeltaChosen)
            Dispatch([this] { pltDelta.OnDeltaChosen(BestPosition()); });
    });
}

void TfrmWerkzeuge::LayOutNoise()
{
    edtSigma.setText(QStringLiteral("0.1"));
    edtSigma.setToolTip(tr("Standardabweichung als Anteil (0 … 1) am größten Betrag des Signals"));
    speSeed.setRange(0, std::numeric_limits<int>::max());
    speSeed.setValue(static_cast<int>(DefaultNoiseSeed));
    noiseForm.addRow(tr("σ (Anteil):"), &edtSigma);
    noiseForm.addRow(tr("Startwert:"), &speSeed);
    noiseButtons.addWidget(&butRauschen);
    noiseButtons.addWidget(&butOhneRauschen);
    noiseForm.addRow(&noiseButtons);
    labRauschen.setWordWrap(true);
    noiseForm.addRow(&labRauschen);

    cbxRegel.addItems(
        {tr("Aus"), tr("Universell"), QStringLiteral("SURE"), tr("Manuell")});
    cbxArt.addItems({tr("hart"), tr("weich")});
    sldLambda.setRange(0, LambdaSteps);
    edtLambda.setMaximumWidth(70);
    lambdaRow.addWidget(&sldLambda, 1);
    lambdaRow.addWidget(&edtLambda);
    denoiseForm.addRow(tr("Regel:"), &cbxRegel);
    denoiseForm.addRow(tr("Art:"), &cbxArt);
    denoiseForm.addRow(tr("λ:"), &lambdaRow);
    for (QLabel* label : {&labSigmaHat, &labLambda, &labEntrauschtBehalten, &labSnr, &labRmsSauber}) {
        label->setWordWrap(true);
        denoiseForm.addRow(label);
    }
    ShowNoise(std::nullopt, 0.0);
    ShowDenoise({}, 1.0);
    ShowDenoiseNumbers({});

    rauschenBox.setContentsMargins(0, 0, 0, 0);
    rauschenBox.setSpacing(0);
    rauschenBox.addWidget(&grpRauschen);
    rauschenBox.addWidget(&grpEntrauschen);
    rauschenBox.addStretch(1);

    auto addNoise = [this] {
        if (OnNoiseAdded)
            Dispatch([this] { OnNoiseAdded(TypedNumber(edtSigma), static_cast<std::uint32_t>(speSeed.value())); });
    };
    QObject::connect(&butRauschen, &QPushButton::clicked, this, addNoise);
    QObject::connect(&edtSigma, &QLineEdit::returnPressed, this, addNoise);
    QObject::connect(&butOhneRauschen, &QPushButton::clicked, this, [this] {
        if (OnNoiseRemoved)
            Dispatch(OnNoiseRemoved);
    });
    QObject::connect(&cbxRegel, &QComboBox::activated, this, [this](int index) {
        if (OnRuleChosen)
            Dispatch([this, index] { OnRuleChosen(static_cast<ThresholdRule>(index)); });
    });
    QObject::connect(&cbxArt, &QComboBox::activated, this, [this](int index) {
        if (OnKindChosen)
            Dispatch([this, index] { OnKindChosen(static_cast<ThresholdKind>(index)); });
    });
    QObject::connect(&sldLambda, &QSlider::valueChanged, this, [this](int position) {
        if (OnLambdaChosen)
            Dispatch([this, position] { OnLambdaChosen(position * (lambdaTop / LambdaSteps)); });
    });
    QObject::connect(&edtLambda, &QLineEdit::returnPressed, this, [this] {
        if (OnLambdaChosen)
            Dispatch([this] { OnLambdaChosen(TypedNumber(edtLambda)); });
    });
}

void TfrmWerkzeuge::ShowNoise(const std::optional<NoiseSettings>& noise, double absoluteSigma)
{
    butOhneRauschen.setEnabled(noise.has_value());
    if (!noise) {
        SetText(labRauschen, tr("Ohne Rauschen"));
        return;
    }
    SetText(labRauschen, tr("Rauschen: σ = %1 · größter Betrag = %2, Startwert %3")
                             .arg(Number("%g", noise->sigma), Number("%.4g", absoluteSigma))
                             .arg(noise->seed));
}

void TfrmWerkzeuge::ShowDenoise(const DenoiseSettings& settings, double top)
{
    const QSignalBlocker quietRule(&cbxRegel), quietKind(&cbxArt), quietSlider(&sldLambda);
    cbxRegel.setCurrentIndex(static_cast<int>(settings.rule));
    cbxArt.setCurrentIndex(static_cast<int>(settings.kind));
    lambdaTop = top;
    sldLambda.setValue(static_cast<int>(std::lround(std::clamp(settings.lambda / top, 0.0, 1.0) * LambdaSteps)));
    edtLambda.setText(Number("%.4g", settings.lambda));
    const bool manual = settings.rule == ThresholdRule::Manual;
    sldLambda.setEnabled(manual);
    edtLambda.setEnabled(manual);
}

void TfrmWerkzeuge::ShowDenoiseNumbers(const DenoiseReport& report)
{
    SetText(labSigmaHat, tr("σ̂ (feinste Details): %1").arg(Number("%.4g", report.sigmaHat)));
    QString lambda = tr("Schwelle λ: —");
    if (report.rule == ThresholdRule::Sure) {
        lambda = tr("Schwelle λ je Level:");
        for (std::size_t k = 0; k < report.lambda.size(); ++k)
            lambda += QStringLiteral(" %1: %2").arg(report.level + static_cast<int>(k)).arg(
                Number("%.3g", report.lambda[k]));
    } else if (report.rule != ThresholdRule::Off && !report.lambda.empty()) {
        lambda = tr("Schwelle λ: %1").arg(Number("%.4g", report.lambda.front()));
    }
    SetText(labLambda, lambda);
    // The numbers below show the compression too: say so where it keeps less.
    SetText(labEntrauschtBehalten,
            report.keepPercent == 100
                ? tr("Behalten: %1 von %2 Details").arg(report.kept).arg(report.detailCount)
                : tr("Behalten: %1 von %2 Details, davon %3 % (Kompression)")
                      .arg(report.kept)
                      .arg(report.detailCount)
                      .arg(report.keepPercent));
    if (!report.clean) {
        SetText(labSnr, tr("SNR: — (ohne Rauschen kein sauberes Signal)"));
        SetText(labRmsSauber, QString());
        labRmsSauber.hide();
        return;
    }
    const QString rebuilt =
        report.rule == ThresholdRule::Off ? tr("rekonstruiert") : tr("entrauscht");
    SetText(labSnr, tr("SNR: verrauscht %1, %2 %3")
                        .arg(Decibels(report.clean->SnrNoisy), rebuilt, Decibels(report.clean->SnrDenoised)));
    SetText(labRmsSauber, tr("RMS zum sauberen Signal: verrauscht %1, %2 %3")
                              .arg(Number("%.4g", report.clean->RmsNoisy), rebuilt,
                                   Number("%.4g", report.clean->RmsDenoised)));
    labRmsSauber.show();
}

int TfrmWerkzeuge::BestPosition() const { return BestDelta(pltDelta.Rows(), pltDelta.Measure()); }

void TfrmWerkzeuge::ShowDeltaRows(const std::vector<std::optional<ErrorNumbers>>& rows)
{
    pltDelta.SetRows(rows);
    const int best = BestPosition();
    butUebernehmen.setEnabled(best >= 0);
    const auto done = std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row.has_value(); });
    if (best < 0) {
        // Rows without a clean reference have nothing to measure the denoising by.
        const bool noReference = done > 0 && pltDelta.Measure() == SweepMeasure::Denoised;
        SetText(labBestDelta, noReference ? tr("Entrauschen: erst Rauschen hinzufügen (Seite „Rauschen“)")
                                          : tr("Bestes Delta: …"));
        return;
    }
    // Deltas that rebuild the samples equally well tie: the lowest is named.
    const int ties = BestDeltaTies(rows, pltDelta.Measure());
    char delta[32];
    std::snprintf(delta, sizeof delta, "%g", SweepDelta(best));
    const QString shown = ties <= 1    ? tr("Bestes Delta: %1").arg(QString::fromUtf8(delta))
                          : ties == done ? tr("Bestes Delta: %1 (gleich für alle)").arg(QString::fromUtf8(delta))
                                         : tr("Bestes Delta: %1 (gleich für %2)").arg(QString::fromUtf8(delta)).arg(ties);
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
    SetText(labMaxError, tr("Max. Fehler: %1").arg(Number("%.4g", numbers.MaxError)));
    SetText(labRmsError, tr("RMS-Fehler: %1").arg(Number("%.4g", numbers.RmsError)));
    SetText(labDistanceMax, tr("max. %1").arg(Number("%.4g", numbers.DistanceMax)));
    SetText(labDistanceRms, tr("RMS %1").arg(Number("%.4g", numbers.DistanceRms)));
    SetText(labKept, tr("Behaltene Details: %1 von %2").arg(kept).arg(detailCount));
    bool finite = std::isfinite(numbers.MaxError) && std::isfinite(numbers.RmsError)
                  && std::isfinite(numbers.DistanceMax) && std::isfinite(numbers.DistanceRms);
    for (std::size_t row = 0; row < labEnergieTeil.size(); ++row) {
        const bool used = row < energies.energy.size();
        if (used) {
            const int r = static_cast<int>(row);
            SetText(labEnergieTeil[row], r == 0 ? tr("Glätte %1").arg(level)
                                                : tr("Details %1").arg(level + r - 1));
            SetText(labEnergieWert[row], Number("%.3g", energies.energy[row]));
            // Below 1 % one digit that counts: a detail level of an offset signal is no "0%".
            const double share = energies.share[row];
            SetText(labEnergieAnteil[row], Number(share > 0.0 && share < 0.5 ? "%.1g" : "%.0f", share) + QStringLiteral("%"));
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
    cbxSignal.addItem(tr("Datei: %1").arg(QString::fromStdString(fileName)));
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
    lastMessage = caption;
    labMeldung.setText(Clock().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ")
                       + QString::fromStdString(caption));
}

#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "analysis/Denoising.h"
#include "analysis/Numbers.h"
#include "windows/DeltaPlot.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What "Entrauschen" shows: the noise level estimated from the finest
// details, the thresholds where a rule is chosen, the details kept of those in
// play, and the comparison with the clean samples where noise was added.
struct DenoiseReport {
    double sigmaHat = NAN;
    ThresholdRule rule = ThresholdRule::Off;  // as it applies: Off when nothing is thresholded
    std::vector<double> lambda;               // per level from `level` on
    int level = 0;
    int kept = 0;
    int detailCount = 0;
    int keepPercent = 100;  // "Behaltene Details" of the page "Analyse", applied after the thresholds
    std::optional<CleanNumbers> clean;
};

// "Werkzeuge": the home of everything beyond the original windows, beside
// their arrangement. Ordinary Qt layouts; the program wires what its
// controls do, and shows its state here without the controls reporting back.
class TfrmWerkzeuge : public TForm {
    Q_DECLARE_TR_FUNCTIONS(Werkzeuge)

public:
    // The names of the signal list, in its order.
    explicit TfrmWerkzeuge(const std::vector<std::string>& signalNames);

    // Two pages: "Analyse" holds the sections from "Signal" to "Delta-Vergleich",
    // "Rauschen" the two about noise. Each scrolls where its sections are
    // taller than the window (the energies of many levels): the window keeps
    // its size. Declared before the sections they hold, which go first.
    QTabWidget tabs;
    QScrollArea areaAnalyse;
    QScrollArea areaRauschen;
    QWidget pageAnalyse;
    QWidget pageRauschen;

    // Section "Signal".
    QGroupBox grpSignal;
    QComboBox cbxSignal;
    QPushButton butDatei;
    QSpinBox speFeinsteStufe;
    QPushButton butNeuAbtasten;
    QComboBox cbxAchsen;  // "wie im Original" or "an die Daten angepasst"
    std::function<void(int index)> OnSignalChosen;  // a signal of the list
    std::function<void()> OnSignalFile;              // "Datei…"
    std::function<void(int maxLevel)> OnMaxLevelChosen;
    std::function<void()> OnResample;                // "Neu abtasten"
    std::function<void(bool fitted)> OnAxesChosen;

    // Section "Kennzahlen": the error window's curve measured exactly, the
    // distance to the samples, the details kept, the energies of the parts.
    QGroupBox grpKennzahlen;
    QLabel labMaxError;
    QLabel labRmsError;
    QLabel labAbstand{tr("Abstand zu den Abtastwerten:")};
    QLabel labDistanceMax;
    QLabel labDistanceRms;
    QLabel labKept;
    // A small table: a row per part (the smooth part of Level, then each detail
    // level) with its L2 energy and share, unused rows hidden; the window keeps
    // its geometry as they change.
    QLabel labEnergieKopfTeil{tr("Teil")};
    QLabel labEnergieKopfWert{tr("Energie")};
    std::array<QLabel, 12> labEnergieTeil;
    std::array<QLabel, 12> labEnergieWert;
    std::array<QLabel, 12> labEnergieAnteil;

    // Section "Kompression": "Behaltene Details: P %", and the coefficient window.
    QGroupBox grpKompression;
    QSlider sldKeep;
    QSpinBox speKeep;
    QComboBox cbxKeepBy;  // "nach Beitrag" (|d| times the wavelet's norm) or "nach Betrag |d|"
    QPushButton butKoeffizienten;
    QCheckBox cbxEinMassstab;  // the coefficient window's rows on one scale, not each on its own
    std::function<void(int percent)> OnKeepChanged;
    std::function<void(bool byMagnitude)> OnKeepByChanged;
    std::function<void()> OnKoeffizienten;
    std::function<void(bool oneScale)> OnOneScaleChosen;

    // Section "Delta-Vergleich": the distance to the samples against Delta,
    // the best one named and taken over with "Übernehmen".
    QGroupBox grpDelta;
    QComboBox cbxDeltaMass;  // RMS or largest distance, or "Entrauschen"
    QPushButton butDeltaCsv;  // "CSV…": the rows as a table
    std::function<void()> OnDeltaCsv;
    TDeltaPlot pltDelta;
    QLabel labBestDelta;
    QPushButton butUebernehmen;
    // The rows done so far (nothing for a Delta still being computed).
    void ShowDeltaRows(const std::vector<std::optional<ErrorNumbers>>& rows);

    // The best Delta of the rows done, -1 while none is.
    int BestPosition() const;

    // Section "Rauschen": Gaussian noise of sigma times the signal's largest
    // magnitude, from a seed; the clean samples stay as the reference.
    QGroupBox grpRauschen;
    QLineEdit edtSigma;
    QSpinBox speSeed;
    QPushButton butRauschen;      // "Hinzufügen"
    QPushButton butOhneRauschen;  // "Ohne Rauschen"
    QLabel labRauschen;           // the noise now added
    // sigma as typed: NaN when it is no number.
    std::function<void(double sigma, std::uint32_t seed)> OnNoiseAdded;
    std::function<void()> OnNoiseRemoved;
    // The noise added (nothing: none), with sigma in the signal's units.
    void ShowNoise(const std::optional<NoiseSettings>& noise, double absoluteSigma);

    // Section "Entrauschen": rule, kind, the manual lambda, and its numbers.
    QGroupBox grpEntrauschen;
    QComboBox cbxRegel;  // "Aus", "Universell", "SURE", "Manuell"
    QComboBox cbxArt;    // "hart", "weich"
    QSlider sldLambda;   // 0 .. the slider's top, in thousandths
    QLineEdit edtLambda;
    QLabel labSigmaHat;
    QLabel labLambda;
    QLabel labEntrauschtBehalten;
    QLabel labSnr;
    QLabel labRmsSauber;
    std::function<void(ThresholdRule rule)> OnRuleChosen;
    std::function<void(ThresholdKind kind)> OnKindChosen;
    // lambda as typed or as the slider gives it: NaN when it is no number.
    std::function<void(double lambda)> OnLambdaChosen;
    // The settings, the slider spanning 0 .. `lambdaTop`.
    void ShowDenoise(const DenoiseSettings& settings, double lambdaTop);
    void ShowDenoiseNumbers(const DenoiseReport& report);

    // Section "Meldung": the main window's last caption, in full, with its time.
    QGroupBox grpMeldung;
    QLabel labMeldung;

    // The current signal: an entry of the list, or a file's name.
    void ShowSignal(int listIndex, const std::string& fileName);
    void ShowMaxLevel(int maxLevel);
    void ShowAxes(bool fitted);
    void ShowMessage(const std::string& caption);
    // The last message, without its time.
    const std::string& LastMessage() const { return lastMessage; }
    // The time "Meldung" shows: the wall clock, or a fixed one for pictures
    // that must come out the same on every run.
    std::function<QTime()> Clock = [] { return QTime::currentTime(); };
    // The numbers ("%.4g"; "—" for what is no finite number), K of N, and the
    // energy and share of the smooth part of Level and of each detail level
    // above it. False when a number is not finite.
    bool ShowNumbers(const ErrorNumbers& numbers, int kept, int detailCount, const PartEnergies& energies, int level);
    void ShowKeep(int percent, bool byMagnitude);

    // The window's own column of sections, for the sections of later tools.
    QVBoxLayout& Sections() { return sections; }


private:
    void LayOutNoise();

    // Declared after the widgets they hold: each goes before its parent.
    QFormLayout signalForm;
    QHBoxLayout signalRow;
    QHBoxLayout levelRow;
    QVBoxLayout numbersBox;
    QGridLayout energyGrid;
    QFormLayout keepForm;
    QHBoxLayout keepRow;
    QHBoxLayout koeffRow;
    QVBoxLayout deltaBox;
    QHBoxLayout measureRow;
    QHBoxLayout deltaRow;
    QFormLayout noiseForm;
    QHBoxLayout noiseButtons;
    QFormLayout denoiseForm;
    QHBoxLayout lambdaRow;
    QVBoxLayout analyseBox;
    QVBoxLayout rauschenBox;
    QVBoxLayout messageBox;
    QVBoxLayout sections;
    int listSize;
    double lambdaTop = 1.0;
    std::string lastMessage;
};

#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "analysis/Numbers.h"
#include "windows/DeltaPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTime>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <string>
#include <vector>

// "Werkzeuge": the home of everything beyond the original windows, beside
// their arrangement. Ordinary Qt layouts; the program wires what its
// controls do, and shows its state here without the controls reporting back.
class TfrmWerkzeuge : public TForm {
public:
    // The names of the signal list, in its order.
    explicit TfrmWerkzeuge(const std::vector<std::string>& signalNames);

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
    QLabel labAbstand{QStringLiteral("Abstand zu den Abtastwerten:")};
    QLabel labDistanceMax;
    QLabel labDistanceRms;
    QLabel labKept;
    // A small table: a row per part (the smooth part of Level, then each detail
    // level) with its L2 energy and share, unused rows hidden; the window keeps
    // its geometry as they change.
    QLabel labEnergieKopfTeil{QStringLiteral("Teil")};
    QLabel labEnergieKopfWert{QStringLiteral("Energie")};
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
    QComboBox cbxDeltaMass;  // RMS or largest distance
    TDeltaPlot pltDelta;
    QLabel labBestDelta;
    QPushButton butUebernehmen;
    // The rows done so far (nothing for a Delta still being computed).
    void ShowDeltaRows(const std::vector<std::optional<ErrorNumbers>>& rows);

    // The best Delta of the rows done, -1 while none is.
    int BestPosition() const;

    // Section "Meldung": the main window's last caption, in full, with its time.
    QGroupBox grpMeldung;
    QLabel labMeldung;

    // The current signal: an entry of the list, or a file's name.
    void ShowSignal(int listIndex, const std::string& fileName);
    void ShowMaxLevel(int maxLevel);
    void ShowAxes(bool fitted);
    void ShowMessage(const std::string& caption);
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
    QHBoxLayout deltaRow;
    QVBoxLayout messageBox;
    QVBoxLayout sections;
    int listSize;
};

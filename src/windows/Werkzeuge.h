#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "windows/DeltaPlot.h"

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
    std::function<void(int index)> OnSignalChosen;  // a signal of the list
    std::function<void()> OnSignalFile;              // "Datei…"
    std::function<void(int maxLevel)> OnMaxLevelChosen;
    std::function<void()> OnResample;                // "Neu abtasten"

    // Section "Kennzahlen": the error numbers, the details kept, the energies.
    QGroupBox grpKennzahlen;
    QLabel labMaxError;
    QLabel labRmsError;
    QLabel labKept;
    // A small table: a row per part (the smooth part of Level, then each detail
    // level), unused rows hidden; the window keeps its geometry as they change.
    QLabel labEnergieKopfTeil{QStringLiteral("Teil")};
    QLabel labEnergieKopfWert{QStringLiteral("Energie")};
    std::array<QLabel, 12> labEnergieTeil;
    std::array<QLabel, 12> labEnergieWert;

    // Section "Kompression": "Behaltene Details: P %", and the coefficient window.
    QGroupBox grpKompression;
    QSlider sldKeep;
    QSpinBox speKeep;
    QPushButton butKoeffizienten;
    std::function<void(int percent)> OnKeepChanged;
    std::function<void()> OnKoeffizienten;

    // Section "Delta-Vergleich": the error against Delta, the best one named.
    QGroupBox grpDelta;
    QComboBox cbxDeltaMass;  // "RMS-Fehler" or "Max. Fehler"
    TDeltaPlot pltDelta;
    QLabel labBestDelta;
    // The rows done so far (nothing for a Delta still being computed).
    void ShowDeltaRows(const std::vector<std::optional<ErrorNumbers>>& rows);

    // Section "Meldung": the main window's last caption, in full, with its time.
    QGroupBox grpMeldung;
    QLabel labMeldung;

    // The current signal: an entry of the list, or a file's name.
    void ShowSignal(int listIndex, const std::string& fileName);
    void ShowMaxLevel(int maxLevel);
    void ShowMessage(const std::string& caption);
    // The time "Meldung" shows: the wall clock, or a fixed one for pictures
    // that must come out the same on every run.
    std::function<QTime()> Clock = [] { return QTime::currentTime(); };
    // The numbers: "%.4g" errors, K of N, and the energy of the smooth part of
    // Level and of each detail level above it.
    void ShowNumbers(double maxError, double rmsError, int kept, int detailCount,
                     const std::vector<double>& energies, int level);
    void ShowKeep(int percent);

    // The window's own column of sections, for the sections of later tools.
    QVBoxLayout& Sections() { return sections; }


private:
    // Declared after the widgets they hold: each goes before its parent.
    QFormLayout signalForm;
    QHBoxLayout signalRow;
    QVBoxLayout numbersBox;
    QGridLayout energyGrid;
    QFormLayout keepForm;
    QHBoxLayout keepRow;
    QVBoxLayout deltaBox;
    QVBoxLayout messageBox;
    QVBoxLayout sections;
    int listSize;
};

#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

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

    // Section "Meldung": the main window's last caption, in full, with its time.
    QGroupBox grpMeldung;
    QLabel labMeldung;

    // The current signal: an entry of the list, or a file's name.
    void ShowSignal(int listIndex, const std::string& fileName);
    void ShowMaxLevel(int maxLevel);
    void ShowMessage(const std::string& caption);

    // The window's own column of sections, for the sections of later tools.
    QVBoxLayout& Sections() { return sections; }


private:
    // Declared after the widgets they hold: each goes before its parent.
    QFormLayout signalForm;
    QHBoxLayout signalRow;
    QVBoxLayout messageBox;
    QVBoxLayout sections;
    int listSize;
};

#include "windows/Werkzeuge.h"

#include "toolkit/Application.h"

#include <QDateTime>
#include <QSignalBlocker>

TfrmWerkzeuge::TfrmWerkzeuge(const std::vector<std::string>& signalNames)
    : TForm(1024, 0, 300, 740, "Werkzeuge", clBtnFace),
      grpSignal(QStringLiteral("Signal")),
      butDatei(QStringLiteral("Datei…")),
      butNeuAbtasten(QStringLiteral("Neu abtasten")),
      grpMeldung(QStringLiteral("Meldung")),
      signalForm(&grpSignal),
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

    labMeldung.setWordWrap(true);
    labMeldung.setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageBox.addWidget(&labMeldung);

    sections.addWidget(&grpSignal);
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

#include "toolkit/Dialogs.h"

#include <QFile>
#include <QFileDialog>

#include "toolkit/Application.h"

#include <algorithm>
#include <filesystem>

namespace {

std::optional<DialogAnswer> AskQt(DialogKind kind, const std::string& filter)
{
    const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(kind, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    const int selected = static_cast<int>(dialog->nameFilters().indexOf(dialog->selectedNameFilter()));
    return DialogAnswer(QFile::encodeName(dialog->selectedFiles().front()).toStdString(), std::max(selected, 0));
}

bool Ask(DialogKind kind, const std::string& filter, std::string& fileName, int& filterIndex)
{
    const std::optional<DialogAnswer> answer = FileDialogAnswer ? FileDialogAnswer(kind, filter) : std::nullopt;
    if (!answer)
        return false;
    fileName = answer->File;
    filterIndex = answer->Filter;
    if (Application)
        Application->LastFolder = std::filesystem::path(fileName).parent_path().string();
    return true;
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(DialogKind kind, const std::string& filter)
{
    const QString folder = Application ? QFile::decodeName(Application->LastFolder.c_str()) : QString();
    auto dialog = std::make_unique<QFileDialog>(nullptr, QString(), folder, QString::fromStdString(filter));
    // Qt's own dialog speaks the program's German whatever the desktop's
    // language; the filters show by their names, their patterns applied.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    if (kind == DialogKind::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}

std::function<std::optional<DialogAnswer>(DialogKind, const std::string&)> FileDialogAnswer = AskQt;

bool TOpenDialog::Execute() { return Ask(DialogKind::Open, Filter, FileName, FilterIndex); }

bool TSaveDialog::Execute() { return Ask(DialogKind::Save, Filter, FileName, FilterIndex); }

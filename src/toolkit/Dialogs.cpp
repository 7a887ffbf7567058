#include "toolkit/Dialogs.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "toolkit/Application.h"

#include <exception>
#include <filesystem>
#include <stdexcept>

namespace {

QString FromLocal(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

std::string ToLocal(const QString& name) { return QFile::encodeName(name).toStdString(); }

// The filter chosen, by its position among the file types. Qt may show and
// report a filter by a shortened name ("SVG-Grafik" for "SVG-Grafik (*.svg)"),
// so the text it reports cannot be looked up among the filters.
int ChosenFilter(const QFileDialog& dialog)
{
    const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!types || types->count() != dialog.nameFilters().size() || types->currentIndex() < 0)
        throw std::logic_error("the file type chosen in the file dialog cannot be found");
    return types->currentIndex();
}

// Qt's dialog. A save dialog with a written name asks before that file is
// replaced, which need not be the name typed ("folie" is written as
// "folie.svg"); Qt itself would ask about the name typed.
class FileDialog : public QFileDialog {
public:
    FileDialog(const DialogRequest& request, const QString& folder)
        : QFileDialog(nullptr, QString(), folder, QString::fromStdString(request.filter)),
          writtenName(request.writtenName)
    {
    }

    // A fault found while the answer was looked at, for the caller to throw
    // once the dialog has closed: nothing is thrown through Qt.
    std::exception_ptr failure;

    void accept() override
    {
        try {
            if (!MayWrite())
                return;  // stays open for another name
        } catch (...) {
            failure = std::current_exception();
            reject();
            return;
        }
        QFileDialog::accept();
    }

private:
    bool MayWrite()
    {
        const QStringList files = selectedFiles();
        // A folder typed is Qt's to open, an empty name Qt's to ignore.
        if (!writtenName || files.isEmpty() || QFileInfo(files.front()).isDir())
            return true;
        const QString written = FromLocal(writtenName(DialogAnswer(ToLocal(files.front()), ChosenFilter(*this))));
        if (!QFileInfo::exists(written))
            return true;
        // Qt's own question, in Qt's words and translation.
        const QString question =
            QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(written).fileName());
        return QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    }

    WrittenNameOf writtenName;
};

std::unique_ptr<FileDialog> MakeDialog(const DialogRequest& request)
{
    const QString folder = Application ? FromLocal(Application->LastFolder) : QString();
    auto dialog = std::make_unique<FileDialog>(request, folder);
    // Qt's own dialog speaks the program's German whatever the desktop's
    // language; the filters show by their names, their patterns applied.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    if (request.kind == DialogKind::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);  // asked above where wanted
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.suggestedName.empty())
        dialog->selectFile(FromLocal(request.suggestedName));
    return dialog;
}

std::optional<DialogAnswer> AskQt(const DialogRequest& request)
{
    const std::unique_ptr<FileDialog> dialog = MakeDialog(request);
    const int result = dialog->exec();
    if (dialog->failure)
        std::rethrow_exception(dialog->failure);
    if (result != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return DialogAnswer(ToLocal(dialog->selectedFiles().front()), ChosenFilter(*dialog));
}

bool Ask(const DialogRequest& request, std::string& fileName, int& filterIndex)
{
    const std::optional<DialogAnswer> answer =
        FileDialogAnswer ? FileDialogAnswer(request.kind, request.filter) : AskQt(request);
    if (!answer)
        return false;
    fileName = answer->File;
    filterIndex = answer->Filter;
    return true;
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(const DialogRequest& request) { return MakeDialog(request); }

std::function<std::optional<DialogAnswer>(DialogKind, const std::string&)> FileDialogAnswer;

bool TOpenDialog::Execute() { return Ask({DialogKind::Open, Filter, {}, {}}, FileName, FilterIndex); }

bool TSaveDialog::Execute() { return Ask({DialogKind::Save, Filter, SuggestedName, WrittenName}, FileName, FilterIndex); }

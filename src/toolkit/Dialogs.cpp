#include "toolkit/Dialogs.h"

#include <QFile>
#include <QFileDialog>

namespace {

std::optional<std::string> AskQt(DialogKind kind, const std::string& filter)
{
    const QString qtFilter = QString::fromStdString(filter);
    const QString name =
        kind == DialogKind::Open
            ? QFileDialog::getOpenFileName(nullptr, QString(), QString(), qtFilter)
            : QFileDialog::getSaveFileName(nullptr, QString(), QString(), qtFilter, nullptr,
                                           QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    return QFile::encodeName(name).toStdString();
}

bool Ask(DialogKind kind, const std::string& filter, std::string& fileName)
{
    const std::optional<std::string> answer = FileDialogAnswer ? FileDialogAnswer(kind, filter) : std::nullopt;
    if (!answer)
        return false;
    fileName = *answer;
    return true;
}

}  // namespace

std::function<std::optional<std::string>(DialogKind, const std::string&)> FileDialogAnswer = AskQt;

bool TOpenDialog::Execute() { return Ask(DialogKind::Open, Filter, FileName); }

bool TSaveDialog::Execute() { return Ask(DialogKind::Save, Filter, FileName); }

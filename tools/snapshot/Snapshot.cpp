#include "Snapshot.h"

#include "app/PictureFileCommands.h"
#include "app/ScriptedRun.h"
#include "io/SafeWrite.h"
#include "toolkit/Form.h"

#include <QPainter>

#include <cstdio>
#include <filesystem>

namespace {

std::string Printf(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

constexpr int TitleHeight = 18;

}  // namespace

QImage ScreenImage(TForm& form)
{
    QImage image(form.size(), QImage::Format_RGB32);
    image.fill(ToQColor(form.Color()));
    QPainter painter(&image);
    painter.drawImage(0, 0, form.Picture());
    for (QObject* child : form.children())
        if (auto* control = qobject_cast<QWidget*>(child); control && control->isVisible())
            control->render(&painter, control->pos());
    return image;
}

QImage Desktop()
{
    QImage desktop(1024, 740, QImage::Format_RGB32);
    desktop.fill(QColor(0x3A, 0x6E, 0xA5));
    QPainter painter(&desktop);
    std::vector<TForm*> order = ProgramWindows();
    std::rotate(order.begin(), order.begin() + 1, order.end());  // the main window on top
    for (TForm* form : order) {
        if (!form->isVisible())
            continue;
        const QRect outer(form->Left(), form->Top(), form->Width(), form->Height());
        painter.save();
        painter.setClipRect(outer);
        painter.fillRect(outer, QColor(0xC0, 0xC0, 0xC0));
        const QRect title(outer.left() + 1, outer.top() + 1, outer.width() - 2, TitleHeight);
        painter.fillRect(title, QColor(0x00, 0x00, 0x80));
        painter.setPen(Qt::white);
        painter.setFont(form->font());
        painter.drawText(title.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromStdString(form->Caption()));
        painter.drawImage(outer.left() + 2, title.bottom() + 1, ScreenImage(*form));
        painter.restore();
    }
    return desktop;
}

std::vector<std::string> WriteOutputs(const SnapshotOptions& options)
{
    std::vector<std::string> failures;
    auto write = [&](const std::filesystem::path& file, const std::string& bytes) {
        if (bytes.empty() || !WriteWholeFile(file.string(), bytes))
            failures.push_back("cannot write " + file.string());
    };
    if (options.outFolder) {
        // The name's bytes as given: a folder name need not be UTF-8.
        const std::filesystem::path folder(*options.outFolder);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!std::filesystem::is_directory(folder, error))
            return {"cannot create the folder " + *options.outFolder};
        for (TForm* form : ProgramWindows())
            if (form->isVisible())
                write(folder / (form->Name() + ".png"), EncodePng(ScreenImage(*form)));
        write(folder / "desktop.png", EncodePng(Desktop()));
    }
    if (options.koeffCsv) {
        std::string csv;
        // The coefficients, and as the details, function and error windows take them.
        const Analysis& State = ProgramAnalysis();
        const Analysis& Shown = ShownAnalysis();
        for (int i = 0; i <= LevelSize[State.MaxLevel]; ++i)
            csv += std::to_string(i) + ',' + Printf("%.17g", State.Koeff[i]) + ',' + Printf("%.17g", Shown.Koeff[i]) + '\n';
        write(*options.koeffCsv, csv);
    }
    return failures;
}

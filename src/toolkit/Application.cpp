#include "toolkit/Application.h"

#include "toolkit/Form.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QThread>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TApplication* Application = nullptr;

namespace {

void ShowInMessageBox(const std::string& message)
{
    const QString text = QString::fromStdString(message);
    auto show = [text] { QMessageBox::critical(nullptr, QStringLiteral("Vexlor"), text); };
    // Inside the event loop the box opens once the handler that threw has
    // ended; outside it (start-up, the entry) at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QMetaObject::invokeMethod(qApp, show, Qt::QueuedConnection);
    else
        show();
}

// A net under the handlers: nothing escapes through Qt's event dispatch.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            TApplication::ShowException(ExceptionMessage(std::current_exception()));
            return true;
        }
    }
};

// Qt's warnings pass, but for the offscreen platform's notes that it cannot
// size or raise a window, which say nothing to the user and bury the
// program's own messages.
QtMessageHandler QtsOwnHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    QtsOwnHandler(type, context, message);
}

// Qt wants a private runtime folder; without XDG_RUNTIME_DIR it warns and
// makes one in /tmp itself. The program gives it its own beforehand.
void GiveQtARuntimeFolder()
{
    if (std::getenv("XDG_RUNTIME_DIR"))
        return;
    const std::string folder = "/tmp/vexlor-runtime-" + std::to_string(getuid());
    struct stat info {};
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return;
    // Only a folder of our own, closed to others, will do.
    if (lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid()
        && (info.st_mode & 077) == 0)
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

// Qt, with its runtime folder and the filter for its notes set up first.
std::unique_ptr<QApplication> StartQt(int& argc, char** argv)
{
    GiveQtARuntimeFolder();
    QtsOwnHandler = qInstallMessageHandler(QuietOffscreenNotes);
    return std::make_unique<GuardedApplication>(argc, argv);
}

}  // namespace

std::function<void(const std::string&)> ExceptionDisplay = ShowInMessageBox;

std::string ExceptionMessage(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

HandlerScope::HandlerScope()
{
    if (Application)
        ++Application->handlerDepth;
}

HandlerScope::~HandlerScope()
{
    if (!Application || --Application->handlerDepth > 0)
        return;
    // What waited for the handler runs now, each as a handler of its own;
    // what those defer in turn runs after them.
    while (!Application->afterHandlers.empty()) {
        const std::function<void()> next = std::move(Application->afterHandlers.front());
        Application->afterHandlers.erase(Application->afterHandlers.begin());
        Dispatch(next);
    }
}

bool InsideHandler() { return Application && Application->handlerDepth > 0; }

void WhenHandlersEnd(std::function<void()> after)
{
    if (InsideHandler())
        Application->afterHandlers.push_back(std::move(after));
    else
        Dispatch(after);
}

void WhenHandlersEnd(const QObject* context, std::function<void()> after)
{
    WhenHandlersEnd([alive = QPointer<const QObject>(context), after = std::move(after)] {
        if (alive)
            after();
    });
}

void Dispatch(const std::function<void()>& handler)
{
    const HandlerScope scope;
    std::exception_ptr failure;
    try {
        handler();
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure)
        TApplication::ShowException(ExceptionMessage(failure));
}

void TApplication::ShowException(const std::string& message)
{
    if (ExceptionDisplay)
        ExceptionDisplay(message);
}

QFont ProgramFont(int pixelHeight)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelHeight);
    return font;
}

TApplication::TApplication(int& argc, char** argv) : qt(StartQt(argc, argv))
{
    // Qt takes the process locale from the environment; numbers stay in "C",
    // so "%g" writes "0.4" under a German desktop too.
    std::setlocale(LC_NUMERIC, "C");
    // A write beyond the user's file-size limit must fail (and be reported),
    // not end the program with everything unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(ProgramFont(11));
    // The program ends only through its main window's close and "Beenden".
    QApplication::setQuitOnLastWindowClosed(false);
    Application = this;
    UseLanguage(Language::German);
}

void TApplication::UseLanguage(Language chosen)
{
    language = chosen;
    for (std::unique_ptr<QTranslator>* translator : {&qtTranslator, &programTranslator}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    // Qt's own dialogs speak the program's language, whatever the desktop's.
    qtTranslator = std::make_unique<QTranslator>();
    const QString qtbase = chosen == Language::German ? QStringLiteral("qtbase_de") : QStringLiteral("qtbase_en");
    if (qtTranslator->load(qtbase, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator.get());
    if (chosen == Language::German)
        return;
    programTranslator = std::make_unique<QTranslator>();
    if (!programTranslator->load(QString::fromLatin1(EnglishTranslationFile)))
        throw std::runtime_error("the English translation is not built into the program");
    QCoreApplication::installTranslator(programTranslator.get());
}

TApplication::~TApplication()
{
    forms.clear();
    Application = nullptr;
}

void TApplication::Release(TForm* form)
{
    if (form == mainForm)
        mainForm = nullptr;
    for (auto it = forms.begin(); it != forms.end(); ++it) {
        if (it->get() == form) {
            forms.erase(it);
            return;
        }
    }
}

// exit(), not quit(): quit() asks every window to close first, and the main
// window answers a close by terminating.
void TApplication::Terminate() { QCoreApplication::exit(0); }

void TApplication::RememberFolderOf(const std::string& file)
{
    LastFolder = std::filesystem::path(file).parent_path().string();
}

int TApplication::Run()
{
    if (mainForm)
        mainForm->Show();
    return QApplication::exec();
}

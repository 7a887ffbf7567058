#pragma once

#include <QApplication>
#include <QIcon>
#include <QTranslator>

#include "toolkit/Language.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TForm;

// Shows the message of an exception that escaped a handler. Tests replace it;
// the default shows a message box once the handler has ended.
extern std::function<void(const std::string& message)> ExceptionDisplay;

// Runs a handler of the program: what it throws is caught here, never thrown
// through Qt, and shown through ExceptionDisplay (a non-standard exception with
// an empty message).
void Dispatch(const std::function<void()>& handler);

// The message of a caught exception; empty for one that is no std::exception.
std::string ExceptionMessage(std::exception_ptr failure);

// A stretch of the program's own work (a handler, or the start-up): while one
// runs, no other handler of the program may start inside it, even when
// showing a window lets window-system events through.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// True while a handler of the program runs.
bool InsideHandler();
// Runs `after` once the outermost handler has ended (at once when none runs).
void WhenHandlersEnd(std::function<void()> after);
// The same, unless `context` is gone by then.
void WhenHandlersEnd(const QObject* context, std::function<void()> after);

// The application object: initialises Qt, owns every window, runs the loop.
class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();

    // The form becomes the application's; the returned pointer is a reference.
    template <typename T> T* Own(std::unique_ptr<T> form)
    {
        T* raw = form.get();
        forms.push_back(std::move(form));
        return raw;
    }

    // Destroys one owned form at once (never later); nothing if it is not owned.
    void Release(TForm* form);

    void SetMainForm(TForm* form) { mainForm = form; }
    TForm* MainForm() const { return mainForm; }

    // Shows the main form and runs the event loop until Terminate.
    int Run();
    // Leaves the event loop once the running handler has ended.
    static void Terminate();

    static void ShowException(const std::string& message);

    // The program's texts and Qt's own dialogs in `language` from now on;
    // windows made before keep their texts. German until it is called.
    void UseLanguage(Language language);
    Language LanguageInUse() const { return language; }

    // The program's icon, loaded once for all its windows.
    QIcon Icon;

    // The folder of the last file opened or saved: where the next dialog starts.
    // Only a file that was read or written names it, so that a folder where
    // that failed (a system folder, one that is gone) is not offered again.
    std::string LastFolder;
    void RememberFolderOf(const std::string& file);

private:
    friend class HandlerScope;
    friend bool InsideHandler();
    friend void WhenHandlersEnd(std::function<void()> after);
    int handlerDepth = 0;
    std::vector<std::function<void()>> afterHandlers;
    Language language = Language::German;
    std::unique_ptr<QTranslator> qtTranslator;       // Qt's own dialogs
    std::unique_ptr<QTranslator> programTranslator;  // the program's texts (none in German)

    std::unique_ptr<QApplication> qt;
    std::vector<std::unique_ptr<TForm>> forms;
    TForm* mainForm = nullptr;
};

extern TApplication* Application;

// "MS Sans Serif" at a height in pixels, rendered with Liberation Sans.
QFont ProgramFont(int pixelHeight);

// vexlor-snapshot: the real program, offscreen, driven by a scripted sequence of
// user actions; writes what its windows show and the numbers behind them.
#include "Options.h"
#include "Snapshot.h"

#include "io/SafeWrite.h"
#include "toolkit/Application.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << SnapshotUsage();
        return 0;
    }
    const std::optional<SnapshotOptions> options =
        ParseSnapshotOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "vexlor-snapshot: " << error << "\n" << SnapshotUsage();
        return 2;
    }

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TApplication application(argc, argv);
    // German unless asked: a script's pictures do not depend on the machine it runs on.
    application.UseLanguage(options->language.value_or(Language::German));
    // An exception of the program's handlers is reported, as the program would show it.
    ExceptionDisplay = [](const std::string& message) { std::cerr << "vexlor: " << message << "\n"; };
    StartScriptedProgram();
    Settle();

    std::vector<std::string> failures, written;
    for (const SnapshotAction& action : options->actions) {
        if (!Apply(action, error)) {
            std::cerr << "vexlor-snapshot: " << error << "; nothing more is run or written";
            std::cerr << (written.empty() ? std::string(", and nothing was written before") : "; written before: ");
            for (std::size_t i = 0; i < written.size(); ++i)
                std::cerr << (i ? ", " : "") << written[i];
            std::cerr << "\n";
            return 1;
        }
        Settle();
        if (const std::optional<std::string> failure = FileFailure(action))
            failures.push_back(action.file + ": " + *failure);
        else if (action.kind == SnapshotAction::Save)
            written.push_back(action.file);
        if (action.kind == SnapshotAction::DeltaSweep) {
            if (WriteWholeFile(action.file, DeltaSweepCsv()))
                written.push_back(action.file);
            else
                failures.push_back("cannot write " + action.file);
        }
    }

    CompleteDeltaComparison();
    for (const std::string& failure : WriteOutputs(*options))
        failures.push_back(failure);
    const bool swept = std::any_of(options->actions.begin(), options->actions.end(),
                                   [](const SnapshotAction& a) { return a.kind == SnapshotAction::DeltaSweep; });
    std::cout << StateReport(swept) << std::flush;
    for (const std::string& failure : failures)
        std::cerr << "vexlor-snapshot: " << failure << "\n";
    return failures.empty() ? 0 : 1;
}

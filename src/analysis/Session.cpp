#include "analysis/Session.h"

#include "analysis/Compression.h"

#include <algorithm>

void AnalysisSession::ChooseSignal(Signal chosen)
{
    signal = std::move(chosen);
    TakeSamples();
}

void AnalysisSession::TakeSamples()
{
    ::TakeSamples(state, signal);
    hasReference = true;
}

void AnalysisSession::SetReference(const std::vector<double>& samples)
{
    std::copy(samples.begin(), samples.end(), state.KoeffOrig.begin());
    hasReference = true;
}

void AnalysisSession::SetKeepPercent(int percent)
{
    keepPercent = percent;
    Refresh();
}

void AnalysisSession::SetKeepRanking(KeepBy by)
{
    keepBy = by;
    Refresh();
}

void AnalysisSession::Refresh()
{
    if (keepPercent == 100) {
        kept.assign(static_cast<std::size_t>(DetailCount(state)), 1);
        return;
    }
    kept = ::KeptDetails(state, keepPercent, keepBy);
    compressed = state;
    Compress(compressed, kept);
}

const char* AxesWord(AxesChoice choice) { return choice == AxesChoice::Fitted ? "angepasst" : "original"; }

std::optional<AxesChoice> FindAxesChoice(std::string_view word)
{
    for (const AxesChoice choice : {AxesChoice::Original, AxesChoice::Fitted})
        if (word == AxesWord(choice))
            return choice;
    return std::nullopt;
}

AxesChoice DefaultAxes(const Signal& signal) { return signal.IsFile() ? AxesChoice::Fitted : AxesChoice::Original; }

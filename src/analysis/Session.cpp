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
    clean = ::TakeSamples(state, signal, noise);
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

void AnalysisSession::ForgetNoise()
{
    noise.reset();
    clean.clear();
}

void AnalysisSession::SetCleanReference(const std::vector<double>& cleanSamples)
{
    if (!noise) {
        clean.clear();
        SetReference(cleanSamples);
        return;
    }
    clean = cleanSamples;
    SetReference(WithNoise(clean, *noise));
}

void AnalysisSession::SetDenoise(const DenoiseSettings& settings)
{
    denoise = settings;
    Refresh();
}

DeltaSweepInput AnalysisSession::ComparisonInput() const
{
    return {signal, state.MaxLevel, state.Level, keepPercent, keepBy, noise, denoise};
}

void AnalysisSession::Refresh()
{
    changed = keepPercent != 100 || (denoise.rule != ThresholdRule::Off && CanDenoise(state, signal));
    if (!changed) {
        details = {std::vector<char>(static_cast<std::size_t>(DetailCount(state)), 1), false, {}};
        return;
    }
    shown = state;
    details = DenoiseAndCompress(shown, signal, denoise, keepPercent, keepBy);
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

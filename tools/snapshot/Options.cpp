#include "Options.h"

#include "analysis/Denoising.h"
#include "analysis/Signals.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>

namespace {

std::optional<int> WholeNumber(const std::string& text, int min, int max)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<double> Decimal(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// What one option does with its argument; false, with `error` set, when the
// argument is not what the option takes.
using Take = bool (*)(const std::string& option, const std::string& value, SnapshotOptions& options,
                      std::string& error);

// One option: a new one is one row and, where needed, a function to take it.
struct OptionRow {
    const char* name;
    const char* argument;  // "" for an option without one
    const char* usage;     // lines after the first are indented to the text
    bool action;           // applied in the order given, or an output
    Take take;
};

bool AddAction(SnapshotOptions& options, SnapshotAction action)
{
    options.actions.push_back(std::move(action));
    return true;
}

template <ScriptedAction::Kind kind, int min, int max>
bool TakeNumber(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    const std::optional<int> n = WholeNumber(value, min, max);
    if (!n) {
        error = option + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max)
                + ", not \"" + value + "\"";
        return false;
    }
    return AddAction(options, {.kind = kind, .number = *n});
}

template <ScriptedAction::Kind kind>
bool TakeOnOff(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    if (value != "on" && value != "off") {
        error = option + " takes on or off, not \"" + value + "\"";
        return false;
    }
    return AddAction(options, {.kind = kind, .on = value == "on"});
}

bool NeedsAFile(const std::string& option, const std::string& value, std::string& error)
{
    if (value.empty())
        error = option + " needs a file name";
    return !value.empty();
}

template <ScriptedAction::Kind kind>
bool TakeFile(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    return NeedsAFile(option, value, error) && AddAction(options, {.kind = kind, .file = value});
}

template <ScriptedAction::Kind kind>
bool TakeAlone(const std::string&, const std::string&, SnapshotOptions& options, std::string&)
{
    return AddAction(options, {.kind = kind});
}

// A choice between two words: the second sets `on`.
template <ScriptedAction::Kind kind, const char* off, const char* on>
bool TakeEither(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    if (value != off && value != on) {
        error = option + " takes " + off + " or " + on + ", not \"" + value + "\"";
        return false;
    }
    return AddAction(options, {.kind = kind, .on = value == on});
}

constexpr char Beitrag[] = "beitrag", Betrag[] = "betrag";
constexpr char Original[] = "original", Angepasst[] = "angepasst", Zeile[] = "zeile", Alle[] = "alle";
constexpr char Hart[] = "hart", Weich[] = "weich";

bool TakeNoise(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    const std::optional<double> sigma = Decimal(value);
    if (!sigma || *sigma < 0.0 || *sigma > 1.0) {
        error = option + " takes a sigma from 0 to 1 (of the signal's largest magnitude), not \"" + value + "\"";
        return false;
    }
    return AddAction(options, {.kind = ScriptedAction::Noise, .number = static_cast<int>(DefaultNoiseSeed), .value = *sigma});
}

// The seed of the --noise just before it.
bool TakeNoiseSeed(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    const std::optional<int> seed = WholeNumber(value, 0, std::numeric_limits<int>::max());
    if (options.actions.empty() || options.actions.back().kind != ScriptedAction::Noise) {
        error = option + " follows a --noise";
        return false;
    }
    if (!seed) {
        error = option + " takes a whole number from 0 to " + std::to_string(std::numeric_limits<int>::max())
                + ", not \"" + value + "\"";
        return false;
    }
    options.actions.back().number = *seed;
    return true;
}

bool TakeDenoise(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    const std::string manual = "manuell:";
    std::optional<double> lambda;
    if (value.starts_with(manual))
        lambda = Decimal(value.substr(manual.size()));
    if (value != "universell" && value != "sure" && !(lambda && *lambda >= 0.0)) {
        error = option + " takes universell, sure or manuell:LAMBDA with LAMBDA >= 0, not \"" + value + "\"";
        return false;
    }
    const ThresholdRule rule = lambda ? ThresholdRule::Manual
                               : value == "sure" ? ThresholdRule::Sure
                                                 : ThresholdRule::Universal;
    return AddAction(options, {.kind = ScriptedAction::Denoise, .number = static_cast<int>(rule), .value = lambda.value_or(0.0)});
}

bool TakeOut(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    if (!NeedsAFile(option, value, error))
        return false;
    options.outFolder = value;
    return true;
}

bool TakeKoeffCsv(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    if (!NeedsAFile(option, value, error))
        return false;
    options.koeffCsv = value;
    return true;
}

// The words of the picture formats: "png|svg|pdf", "png, svg or pdf".
std::string FormatWords(const std::string& between, const std::string& last)
{
    std::string words;
    for (std::size_t i = 0; i < PictureFormats.size(); ++i)
        words += (i == 0 ? "" : i + 1 == PictureFormats.size() ? last : between) + PictureFormats[i].word;
    return words;
}

bool TakeFormat(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    const PictureFormatRow* row = PictureFormatNamed(value);
    if (!row) {
        error = option + " takes " + FormatWords(", ", " or ") + ", not \"" + value + "\"";
        return false;
    }
    options.format = row;
    return true;
}

bool TakeLanguage(const std::string& option, const std::string& value, SnapshotOptions& options, std::string& error)
{
    options.language = LanguageNamed(value);
    if (!options.language)
        error = option + " takes de or en, not \"" + value + "\"";
    return options.language.has_value();
}

const OptionRow Options[] = {
    {"--scroll", "P", "move the Delta scroll bar to position P (0..100)", true, TakeNumber<ScriptedAction::Scroll, 0, 100>},
    {"--go", "", "press \"Go!\"", true, TakeAlone<ScriptedAction::Go>},
    {"--level", "L", "move the track bar to L (LEVELS)", true, TakeNumber<ScriptedAction::Level, MinLevel, LevelLimit>},
    {"--max-level", "M", "sample the signal anew at the finest level M (LEVELS)", true,
     TakeNumber<ScriptedAction::MaxLevel, MinLevel, LevelLimit>},
    {"--signal", "NAME|FILE", "choose a signal: SIGNALS, or the samples in FILE (\"Datei…\")", true,
     TakeFile<ScriptedAction::Signal>},
    {"--keep", "P", "keep P % of the details (0..100, \"Kompression\")", true, TakeNumber<ScriptedAction::Keep, 0, 100>},
    {"--keep-by", "beitrag|betrag",
     "rank the details by their contribution |d| times the wavelet's norm (the default) or by |d|", true,
     TakeEither<ScriptedAction::KeepBy, Beitrag, Betrag>},
    {"--noise", "SIGMA",
     "add Gaussian noise of SIGMA (0..1) times the signal's largest magnitude (\"Rauschen\"); the clean samples are "
     "the reference", true, TakeNoise},
    {"--noise-seed", "N", "the seed of the --noise before it (default 20261208)", true, TakeNoiseSeed},
    {"--denoise", "RULE", "threshold the details: universell, sure or manuell:LAMBDA (\"Entrauschen\")", true,
     TakeDenoise},
    {"--threshold", "hart|weich", "hard or soft thresholds (default hart)", true,
     TakeEither<ScriptedAction::Threshold, Hart, Weich>},
    {"--delta-sweep", "FILE",
     "the numbers over Delta = 0 .. 1 of the state reached (\"Delta-Vergleich\") as CSV:\n"
     "\"delta,max_error,rms_error,distance_max,distance_rms\", with noise added\n\",denoised_rms\" too",
     true, TakeFile<ScriptedAction::DeltaSweep>},
    {"--take-best-delta", "", "take the Delta of least RMS distance to the samples as \"Übernehmen\" does", true,
     TakeAlone<ScriptedAction::TakeBestDelta>},
    {"--axes", "original|angepasst",
     "\"Achsen\": the original's frames, or each function window framed around its curve (the default for a "
     "file's samples)", true, TakeEither<ScriptedAction::Axes, Original, Angepasst>},
    {"--koeff-scale", "zeile|alle", "\"Koeffizienten\": each row on its own scale (the default), or all on one", true,
     TakeEither<ScriptedAction::OneScale, Zeile, Alle>},
    {"--zoom-skal", "on|off", "set \"Zoom Skal-funktion\"", true, TakeOnOff<ScriptedAction::ZoomSkal>},
    {"--zoom-wavelet", "on|off", "set \"Zoom Wavelet\"", true, TakeOnOff<ScriptedAction::ZoomWavelet>},
    {"--load", "FILE", "press \"Öffnen\" and choose FILE", true, TakeFile<ScriptedAction::Load>},
    {"--save", "FILE", "press \"Sichern\" and choose FILE", true, TakeFile<ScriptedAction::Save>},
    {"--out", "DIR", "a picture per visible window (frmWerkzeuge too), and\ndesktop: the arrangement of the eight windows",
     false, TakeOut},
    {"--format", "FORMATS", "the pictures' format (default DEFAULT_FORMAT)", false, TakeFormat},
    {"--koeff-csv", "FILE", "\"index,value,kept\" lines of Koeff[0 .. 2^MaxLevel]:\nthe value, and as compression leaves it",
     false, TakeKoeffCsv},
    {"--lang", "de|en", "the windows' language, in the pictures too: German (the default) or English; the\n"
     "state lines stay as they are", false, TakeLanguage},
};

const OptionRow* Find(const std::string& name)
{
    for (const OptionRow& row : Options)
        if (name == row.name)
            return &row;
    return nullptr;
}

// The signal list's words: "sinus, stufe, …".
std::string SignalWords()
{
    std::string words;
    for (const SignalRow& row : SignalList())
        words += (words.empty() ? "" : ", ") + std::string(row.word);
    return words;
}

void AppendRow(std::string& text, const OptionRow& row)
{
    constexpr std::size_t Column = 25;
    std::string head = std::string("  ") + row.name + (*row.argument ? std::string(" ") + row.argument : "");
    std::string usage = row.usage;
    auto fill = [&head, &usage](const std::string& word, const std::string& by) {
        for (std::string* text : {&head, &usage})
            if (const std::size_t at = text->find(word); at != std::string::npos)
                text->replace(at, word.size(), by);
    };
    fill("SIGNALS", SignalWords());
    fill("LEVELS", std::to_string(MinLevel) + ".." + std::to_string(LevelLimit));
    fill("FORMATS", FormatWords("|", "|"));
    fill("DEFAULT_FORMAT", DefaultPictureFormat->word);
    head = head.size() < Column ? head + std::string(Column - head.size(), ' ') : head + "\n" + std::string(Column, ' ');
    // Lines break where the text says and before a word that would pass 80 columns.
    text += head;
    std::size_t width = Column;
    std::size_t from = 0;
    while (from < usage.size()) {
        const std::size_t end = std::min(usage.find_first_of(" \n", from), usage.size());
        const std::string word = usage.substr(from, end - from);
        if (width > Column && width + 1 + word.size() > 80) {
            text += "\n" + std::string(Column, ' ');
            width = Column;
        }
        if (width > Column) {
            text += ' ';
            ++width;
        }
        text += word;
        width += word.size();
        if (end < usage.size() && usage[end] == '\n') {
            text += "\n" + std::string(Column, ' ');
            width = Column;
        }
        from = end + 1;
    }
    text += '\n';
}

}  // namespace

std::string SnapshotUsage()
{
    std::string text = "usage: vexlor-snapshot [ACTION ...] [OUTPUT ...]\n"
                       "       vexlor-snapshot --help\n"
                       "ACTIONS, applied in the order given, each as the user would do it:\n";
    for (const OptionRow& row : Options)
        if (row.action)
            AppendRow(text, row);
    text += "OUTPUTS, written after the last action:\n";
    for (const OptionRow& row : Options)
        if (!row.action)
            AppendRow(text, row);
    text += "Exit status: 0 done; 2 a usage error (an unknown option, a value out of its\n"
            "range): nothing is run or written; 1 a file could not be loaded, saved or\n"
            "written, or a level could not be reached (the files written before it are\n"
            "named on standard error).\n";
    return text;
}

std::optional<SnapshotOptions> ParseSnapshotOptions(const std::vector<std::string>& args, std::string& error)
{
    SnapshotOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionRow* row = Find(args[i]);
        if (!row) {
            error = "unknown argument: " + args[i];
            return std::nullopt;
        }
        const bool takesValue = *row->argument != '\0';
        if (takesValue && i + 1 >= args.size()) {
            error = args[i] + " needs a value";
            return std::nullopt;
        }
        const std::string value = takesValue ? args[i + 1] : std::string();
        if (!row->take(args[i], value, options, error))
            return std::nullopt;
        i += takesValue ? 1 : 0;
    }
    return options;
}

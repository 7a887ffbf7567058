#include "Options.h"

#include <algorithm>
#include <charconv>

const char* const SnapshotUsage =
    "usage: vexlor-snapshot [ACTION ...] [OUTPUT ...]\n"
    "       vexlor-snapshot --help\n"
    "ACTIONS, applied in the order given, each as the user would do it:\n"
    "  --scroll P             move the Delta scroll bar to position P (0..100)\n"
    "  --go                   press \"Go!\"\n"
    "  --level L              move the track bar to L (2..12)\n"
    "  --max-level M          sample the signal anew at the finest level M (2..12)\n"
    "  --signal NAME|FILE     choose a signal: sinus, stufe, knick, rechteck, chirp,\n"
    "                         blocks, bumps, heavisine, doppler, sinus-rauschen,\n"
    "                         or the samples in FILE (\"Datei…\")\n"
    "  --keep P               keep P % of the details (0..100, \"Kompression\")\n"
    "  --delta-sweep FILE     the error over Delta = 0 .. 1 of the state reached, as\n"
    "                         \"delta,max_error,rms_error\" CSV (\"Delta-Vergleich\")\n"
    "  --zoom-skal on|off     set \"Zoom Skal-funktion\"\n"
    "  --zoom-wavelet on|off  set \"Zoom Wavelet\"\n"
    "  --load FILE            press \"Öffnen\" and choose FILE\n"
    "  --save FILE            press \"Sichern\" and choose FILE\n"
    "OUTPUTS, written after the last action:\n"
    "  --out DIR              a picture per visible window (frmWerkzeuge too), and\n"
    "                         desktop: the arrangement of the eight windows\n"
    "  --format png|svg|pdf   the pictures' format (default png)\n"
    "  --koeff-csv FILE       \"index,value,kept\" lines of Koeff[0 .. 2^MaxLevel]:\n"
    "                         the value, and as compression leaves it\n"
    "Exit status: 0 done; 1 a file could not be loaded, saved or written;\n"
    "2 a usage error or an unreachable level (nothing is run or written).\n";

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

}  // namespace

std::optional<SnapshotOptions> ParseSnapshotOptions(const std::vector<std::string>& args, std::string& error)
{
    SnapshotOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        static const std::vector<std::string> valued = {"--scroll", "--level", "--max-level", "--keep", "--zoom-skal",
                                                        "--zoom-wavelet", "--load", "--save", "--signal", "--delta-sweep", "--out", "--format",
                                                        "--koeff-csv"};
        const bool takesValue = std::find(valued.begin(), valued.end(), option) != valued.end();
        if (!takesValue && option != "--go") {
            error = "unknown argument: " + option;
            return std::nullopt;
        }
        if (takesValue && i + 1 >= args.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const std::string value = takesValue ? args[++i] : std::string();
        auto number = [&](int min, int max) -> std::optional<int> {
            const std::optional<int> n = WholeNumber(value, min, max);
            if (!n)
                error = option + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max)
                        + ", not \"" + value + "\"";
            return n;
        };
        auto onOff = [&]() -> std::optional<bool> {
            if (value == "on" || value == "off")
                return value == "on";
            error = option + " takes on or off, not \"" + value + "\"";
            return std::nullopt;
        };
        auto file = [&]() -> std::optional<std::string> {
            if (!value.empty())
                return value;
            error = option + " needs a file name";
            return std::nullopt;
        };

        if (option == "--go") {
            options.actions.push_back({.kind = SnapshotAction::Go});
        } else if (option == "--scroll" || option == "--level" || option == "--max-level" || option == "--keep") {
            const bool percent = option == "--scroll" || option == "--keep";
            const std::optional<int> n = percent ? number(0, 100) : number(MinLevel, LevelLimit);
            if (!n)
                return std::nullopt;
            const auto kind = option == "--scroll"  ? SnapshotAction::Scroll
                              : option == "--keep"  ? SnapshotAction::Keep
                              : option == "--level" ? SnapshotAction::Level
                                                    : SnapshotAction::MaxLevel;
            options.actions.push_back({.kind = kind, .number = *n});
        } else if (option == "--zoom-skal" || option == "--zoom-wavelet") {
            const std::optional<bool> on = onOff();
            if (!on)
                return std::nullopt;
            options.actions.push_back(
                {.kind = option == "--zoom-skal" ? SnapshotAction::ZoomSkal : SnapshotAction::ZoomWavelet, .on = *on});
        } else if (option == "--load" || option == "--save" || option == "--signal" || option == "--delta-sweep") {
            const std::optional<std::string> name = file();
            if (!name)
                return std::nullopt;
            const auto kind = option == "--load"     ? SnapshotAction::Load
                              : option == "--save"   ? SnapshotAction::Save
                              : option == "--signal" ? SnapshotAction::Signal
                                                     : SnapshotAction::DeltaSweep;
            options.actions.push_back({.kind = kind, .file = *name});
        } else if (option == "--format") {
            if (value != "png" && value != "svg" && value != "pdf") {
                error = "--format takes png, svg or pdf, not \"" + value + "\"";
                return std::nullopt;
            }
            options.format = value == "svg" ? PictureFormat::Svg : value == "pdf" ? PictureFormat::Pdf : PictureFormat::Png;
        } else {  // --out, --koeff-csv
            const std::optional<std::string> name = file();
            if (!name)
                return std::nullopt;
            (option == "--out" ? options.outFolder : options.koeffCsv) = *name;
        }
    }
    return options;
}

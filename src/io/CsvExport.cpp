#include "io/CsvExport.h"

#include "analysis/DeltaSweep.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

struct CsvWriter {
    CsvStyle style;
    std::string text;
    bool rowBegun = false;

    // Independent of the desktop's locale: the digits of "%.17g" (or of
    // `digits`); a value that is no number leaves its field empty.
    void Number(double v, int digits = 17)
    {
        std::array<char, 40> buffer{};
        const auto end = std::to_chars(buffer.begin(), buffer.end(), v, std::chars_format::general, digits).ptr;
        std::string number = std::isfinite(v) ? std::string(buffer.begin(), end) : std::string();
        if (style == CsvStyle::German)
            std::replace(number.begin(), number.end(), '.', ',');
        Field(number);
    }
    void Field(const std::string& field)
    {
        if (rowBegun)
            text += style == CsvStyle::German ? ';' : ',';
        text += field;
        rowBegun = true;
    }
    void Header(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            Field(name);
    }
    void EndRow()
    {
        text += '\n';
        rowBegun = false;
    }
};

}  // namespace

CsvStyle CsvStyleOfFilter(int filterIndex) { return filterIndex == 1 ? CsvStyle::International : CsvStyle::German; }

std::string CsvFileName(const std::string& chosen)
{
    std::string suffix = chosen.size() >= 4 ? chosen.substr(chosen.size() - 4) : "";
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](unsigned char c) { return std::tolower(c); });
    return suffix == ".csv" ? chosen : chosen + ".csv";
}

std::string CoefficientsCsv(const std::vector<CoefficientEntry>& table, const std::optional<TimeRange>& times,
                            CsvStyle style)
{
    CsvWriter csv{style, {}};
    csv.Header({"part", "level", "index", "position", "value", "kept"});
    csv.EndRow();
    const TimeRange axis = times.value_or(TimeRange{});
    for (const CoefficientEntry& c : table) {
        csv.Field(c.smooth ? "glaette" : "details");
        csv.Field(std::to_string(c.level));
        csv.Field(std::to_string(c.index));
        csv.Number(axis.At(c.x));
        csv.Number(c.value);
        csv.Field(c.kept ? "1" : "0");
        csv.EndRow();
    }
    return csv.text;
}

std::string DeltaTableCsv(const std::vector<std::optional<ErrorNumbers>>& rows, bool denoised, CsvStyle style)
{
    CsvWriter csv{style, {}};
    csv.Header({"delta", "max_error", "rms_error", "distance_max", "distance_rms"});
    if (denoised)
        csv.Field("denoised_rms");
    csv.EndRow();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i])
            continue;
        const ErrorNumbers& row = *rows[i];
        csv.Number(SweepDelta(static_cast<int>(i)), 6);
        for (const double v : {row.MaxError, row.RmsError, row.DistanceMax, row.DistanceRms})
            csv.Number(v);
        if (denoised)
            csv.Number(row.DenoisedRms);
        csv.EndRow();
    }
    return csv.text;
}

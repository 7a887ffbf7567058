#pragma once

#include "analysis/CoefficientTable.h"
#include "analysis/Numbers.h"
#include "analysis/Phrase.h"
#include "analysis/Signals.h"

#include <optional>
#include <string>
#include <vector>

// Tables for a spreadsheet: as a German one reads them (";" between values,
// a decimal comma) or as every other one does ("," and a point). The header
// names the columns for scripts, the same in both.
enum class CsvStyle { German, International };

// The save dialog's file types, in the order of CsvStyle.
inline constexpr const char* CsvFilters =
    Marked("Meldung", "CSV, deutsch: Semikolon und Dezimalkomma (*.csv);;CSV, international: Komma und Punkt (*.csv)");
CsvStyle CsvStyleOfFilter(int filterIndex);

// The name chosen with ".csv" appended unless it ends in it (in any case).
std::string CsvFileName(const std::string& chosen);

// "part,level,index,position,value,kept" and a row per coefficient: part
// "glaette" or "details", the position on the time axis where the signal has
// one (else on 0 .. 1), every value in all 17 digits, kept 1 or 0.
std::string CoefficientsCsv(const std::vector<CoefficientEntry>& table, const std::optional<TimeRange>& times,
                            CsvStyle style);

// "delta,max_error,rms_error,distance_max,distance_rms" (and ",denoised_rms"
// with noise added) and a row per Delta the comparison has done.
std::string DeltaTableCsv(const std::vector<std::optional<ErrorNumbers>>& rows, bool denoised, CsvStyle style);

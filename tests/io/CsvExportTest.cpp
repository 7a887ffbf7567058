#include "io/CsvExport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CsvExport, TimesPlaceTheStemsAndWhatIsNoNumberStaysEmpty)
{
    const std::vector<CoefficientEntry> table = {{true, 2, 0, -0.125, 150.25, true},
                                                 {false, 3, 5, 0.6875, -1e-5, false}};
    EXPECT_EQ(CoefficientsCsv(table, TimeRange{1700, 1988}, CsvStyle::German),
              "part;level;index;position;value;kept\n"
              "glaette;2;0;1664;150,25;1\n"
              "details;3;5;1898;-1,0000000000000001e-05;0\n");
    EXPECT_EQ(CoefficientsCsv(table, std::nullopt, CsvStyle::International).substr(37),
              "glaette,2,0,-0.125,150.25,1\ndetails,3,5,0.6875,-1.0000000000000001e-05,0\n");

    std::vector<std::optional<ErrorNumbers>> rows(3);
    rows[0] = ErrorNumbers{0.5, 0.25, 0.125, 1.0 / 3.0, std::nan("")};
    rows[2] = ErrorNumbers{NAN, 0.0, 0.0, 0.0, 0.1};  // row 1 not done yet
    EXPECT_EQ(DeltaTableCsv(rows, true, CsvStyle::International),
              "delta,max_error,rms_error,distance_max,distance_rms,denoised_rms\n"
              "0,0.5,0.25,0.125,0.33333333333333331,\n"
              "0.02,,0,0,0,0.10000000000000001\n");

    EXPECT_EQ(CsvFileName("werte"), "werte.csv");
    EXPECT_EQ(CsvFileName("Werte.CSV"), "Werte.CSV");
    EXPECT_EQ(CsvFileName("werte.csv.txt"), "werte.csv.txt.csv");
}

}  // namespace

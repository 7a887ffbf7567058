#include "analysis/CoefficientTable.h"

double StemX(int i, int j) { return (i + 0.5) * Pow2Inv[j]; }

std::vector<CoefficientEntry> CoefficientTable(const Analysis& A, const std::vector<char>& keptDetails)
{
    std::vector<CoefficientEntry> table;
    table.reserve(static_cast<std::size_t>(LevelSize[A.MaxLevel]) + 1);
    for (int i = 0; i <= LevelSize[A.Level]; ++i)
        table.push_back({true, A.Level, i, StemX(i - 1, A.Level), A.Koeff[static_cast<std::size_t>(i)], true});
    for (int j = A.Level; j < A.MaxLevel; ++j)
        for (int k = 0; k < LevelSize[j]; ++k) {
            const int i = LevelSize[j] + 1 + k;
            const auto detail = static_cast<std::size_t>(i - LevelSize[A.Level] - 1);
            table.push_back({false, j, k, StemX(k, j), A.Koeff[static_cast<std::size_t>(i)],
                             detail < keptDetails.size() && keptDetails[detail] != 0});
        }
    return table;
}

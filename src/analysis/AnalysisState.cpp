#include "analysis/AnalysisState.h"

AnalysisState State;

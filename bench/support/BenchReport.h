// What every benchmark prints besides its own table: one "@ key value" line
// per figure, which scripts/bench gathers into the summary and the plots.
#pragma once
#include <vector>

// Median of the samples; negative when there are none.
double Median(std::vector<double> samples);
void ReportFigure(const char* pszKey, double dValue);
// The figure of one size of a scaling run: "@ key.size value".
void ReportFigure(const char* pszKey, int nSize, double dValue);

#include "bench/support/BenchReport.h"
#include <algorithm>
#include <cstdio>

double Median(std::vector<double> samples)
{
    if (samples.empty()) return -1;
    std::sort(samples.begin(), samples.end());
    size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

void ReportFigure(const char* pszKey, double dValue)
{
    std::printf("@ %s %.1f\n", pszKey, dValue);
    std::fflush(stdout);
}

void ReportFigure(const char* pszKey, int nSize, double dValue)
{
    char szKey[64];
    std::snprintf(szKey, sizeof(szKey), "%s.%d", pszKey, nSize);
    ReportFigure(szKey, dValue);
}

// The resource counts of a soak, run by run: printed at the start, after
// the warm-up runs (the baseline: first uses fill the system's caches), at
// intervals and at the end; from the baseline on no count may grow by more
// than a few, while a leak of one a run grows with the number of runs.
#pragma once
#include "tests/soak/ResourceCounts.h"

class ResourceWatch {
public:
    ResourceWatch(int nRuns, int nWarmUpRuns);

    void AfterRun(int nRun);
    void AtEnd();

private:
    void ExpectNoGrowth(const char* pszWhen);

    int m_nWarmUpRuns;
    int m_nReportEvery;
    ResourceCounts m_baseline;
};

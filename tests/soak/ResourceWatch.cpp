#include "tests/soak/ResourceWatch.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace {
const DWORD kSlack = 4;
const int kReports = 10;
}

ResourceWatch::ResourceWatch(int nRuns, int nWarmUpRuns)
    : m_nWarmUpRuns(nWarmUpRuns), m_nReportEvery(std::max(nRuns / kReports, 1))
{
    ResourceCounts::Take().Print("at start");
}

void ResourceWatch::AfterRun(int nRun)
{
    if (nRun == m_nWarmUpRuns) {
        m_baseline = ResourceCounts::Take();
        m_baseline.Print("after warm-up");
    } else if (nRun > m_nWarmUpRuns && nRun % m_nReportEvery == 0) {
        ExpectNoGrowth(("after " + std::to_string(nRun)).c_str());
    }
}

void ResourceWatch::AtEnd() { ExpectNoGrowth("at end"); }

void ResourceWatch::ExpectNoGrowth(const char* pszWhen)
{
    const ResourceCounts now = ResourceCounts::Take();
    now.Print(pszWhen);
    EXPECT_LE(now.m_dwHandles, m_baseline.m_dwHandles + kSlack) << pszWhen;
    EXPECT_LE(now.m_dwGdiObjects, m_baseline.m_dwGdiObjects + kSlack) << pszWhen;
    EXPECT_LE(now.m_dwUserObjects, m_baseline.m_dwUserObjects + kSlack) << pszWhen;
}

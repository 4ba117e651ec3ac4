#include "tests/fuzz/FuzzRun.h"
#include "tests/support/RunEnvironment.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>

FuzzRun::FuzzRun(const char* pszMode, const char* pszCountVariable, int nDefaultCases, DWORD dwHangLimitMs)
    : m_strMode(pszMode), m_nSeed(EnvironmentSeed("DRIFTREEL_FUZZ_SEED")), m_watchdog(dwHangLimitMs),
      m_dwStart(::GetTickCount())
{
    const int nAlone = EnvironmentCount("DRIFTREEL_FUZZ_CASE", 0);
    const int nCases = EnvironmentCount(pszCountVariable, nDefaultCases);
    m_bAlone = nAlone != 0;
    if (nAlone) m_cases.push_back(nAlone);
    for (int nCase = 1; !nAlone && nCase <= nCases; ++nCase) m_cases.push_back(nCase);
    std::printf("[fuzz] %s: %zu cases, seed %u\n", pszMode, m_cases.size(), m_nSeed);
}

FuzzRun::~FuzzRun()
{
    std::printf("[fuzz] %s: %d cases in %lu ms, longest %lu ms\n", m_strMode.c_str(), m_nDone,
                ::GetTickCount() - m_dwStart, m_dwLongest);
}

void FuzzRun::Step(int nCase, const std::string& strWhat)
{
    const std::string strStep = Name(nCase) + ": " + strWhat;
    // A case replayed alone tells what it does as it goes.
    if (m_bAlone) std::printf("[fuzz] %s\n", strStep.c_str());
    m_watchdog.Step(strStep);
}

std::string FuzzRun::Name(int nCase) const
{
    const std::string seed = std::to_string(m_nSeed), number = std::to_string(nCase);
    return m_strMode + " case " + number + ", seed " + seed + " (alone: DRIFTREEL_FUZZ_SEED=" + seed +
           " DRIFTREEL_FUZZ_CASE=" + number + ")";
}

void FuzzRun::Play(const std::function<void(int nCase)>& runCase)
{
    for (int nCase : m_cases) {
        const DWORD dwStart = ::GetTickCount();
        runCase(nCase);
        ++m_nDone;
        m_dwLongest = std::max(m_dwLongest, ::GetTickCount() - dwStart);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "stopped at " << Name(nCase);
            return;
        }
    }
}

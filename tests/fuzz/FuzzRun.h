// One mode of the fuzz run: which cases it plays (DRIFTREEL_FUZZ_CASE picks
// one alone), the seed (DRIFTREEL_FUZZ_SEED) and a watchdog that ends the
// program with the case and the seed in its message when a step hangs.
#pragma once
#include "tests/support/HangWatchdog.h"
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class FuzzRun {
public:
    // pszCountVariable names the variable that holds the number of cases.
    FuzzRun(const char* pszMode, const char* pszCountVariable, int nDefaultCases, DWORD dwHangLimitMs);

    uint32_t Seed() const { return m_nSeed; }
    // Starts a step of a case; a hang in it names the case.
    void Step(int nCase, const std::string& strWhat);
    // "player case 12, seed 20261207 (alone: DRIFTREEL_FUZZ_SEED=20261207 DRIFTREEL_FUZZ_CASE=12)".
    std::string Name(int nCase) const;
    // Runs every case in turn, timing each, and stops after the first that
    // fails; the figures are printed when the run ends.
    void Play(const std::function<void(int nCase)>& runCase);
    ~FuzzRun();

private:
    std::string m_strMode;
    uint32_t m_nSeed;
    std::vector<int> m_cases;
    bool m_bAlone = false;
    HangWatchdog m_watchdog;
    DWORD m_dwStart;
    DWORD m_dwLongest = 0;
    int m_nDone = 0;
};

// How long a soak runs: counts and the random seed come from environment
// variables, so that a long run by hand needs no rebuild.
#pragma once
#include <cstdint>

// The number in variable pszName, or nDefault when it is unset or not a
// positive number.
int SoakCount(const char* pszName, int nDefault);
// DRIFTREEL_SOAK_SEED, or a fixed seed.
uint32_t SoakSeed();

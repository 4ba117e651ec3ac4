// How long a soak or a fuzz run goes on: counts and the random seed come
// from environment variables, so that a long run by hand needs no rebuild.
#pragma once
#include <cstdint>

// The number in variable pszName, or nDefault when it is unset or not a
// positive number.
int EnvironmentCount(const char* pszName, int nDefault);
// The seed in variable pszName, or a fixed seed.
uint32_t EnvironmentSeed(const char* pszName);

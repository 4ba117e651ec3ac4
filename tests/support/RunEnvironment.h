// How long a soak or a fuzz run goes on: counts and the random seed come
// from environment variables, so that a long run by hand needs no rebuild.
#pragma once
#include <cstdint>

// The number in variable pszName, or nDefault when it is unset or not a
// positive number.
int EnvironmentCount(const char* pszName, int nDefault);
// The seed in variable pszName, or a fixed seed.
uint32_t EnvironmentSeed(const char* pszName);
// dwMs stretched by DRIFTREEL_TEST_TIME_SCALE (whole number, 1 when unset):
// the shared waits give a slow host, such as one that emulates 32-bit code,
// more time before they call something missing or hung.
unsigned long TestTime(unsigned long dwMs);

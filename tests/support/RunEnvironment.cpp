#include "tests/support/RunEnvironment.h"
#include <cstdlib>

namespace {
long long ReadNumber(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue ? std::strtoll(pszValue, nullptr, 10) : 0;
}
}

int EnvironmentCount(const char* pszName, int nDefault)
{
    long long nValue = ReadNumber(pszName);
    return nValue > 0 && nValue < 1000000 ? static_cast<int>(nValue) : nDefault;
}

uint32_t EnvironmentSeed(const char* pszName)
{
    long long nValue = ReadNumber(pszName);
    return nValue > 0 ? static_cast<uint32_t>(nValue) : 20261207u;
}

unsigned long TestTime(unsigned long dwMs)
{
    return dwMs * static_cast<unsigned long>(EnvironmentCount("DRIFTREEL_TEST_TIME_SCALE", 1));
}

// Milliseconds from the performance counter, for the benchmarks.
#pragma once
#include <windows.h>

inline double NowMs()
{
    static const LARGE_INTEGER freq = [] { LARGE_INTEGER f; ::QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(freq.QuadPart);
}

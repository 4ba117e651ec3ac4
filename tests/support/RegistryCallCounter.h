// Counts the registry calls this program makes, by routing its imports of the
// registry functions through counters. The code measured is left unchanged.
#pragma once
#include <windows.h>

class RegistryCallCounter {
public:
    // Patches the program's import table once; later calls do nothing.
    static void Install();
    static long Calls();
    // The calls among them that may change the registry: values set, keys
    // created, flushes.
    static long Writes();
    static void Reset();
};

#include "tests/support/RegistryCallCounter.h"
#include <cstring>

namespace {
volatile LONG g_nCalls = 0;
volatile LONG g_nWrites = 0;

LONG Count()
{
    return ::InterlockedIncrement(&g_nCalls);
}

// A call that may change the registry: a value set, a key created, a flush.
LONG CountWrite()
{
    ::InterlockedIncrement(&g_nWrites);
    return Count();
}

// The real functions, taken from the import table before it is patched: a
// plain call from here would go through the patched entry to itself.
decltype(&::RegOpenKeyExW) g_pOpenKey;
decltype(&::RegCreateKeyExW) g_pCreateKey;
decltype(&::RegCloseKey) g_pCloseKey;
decltype(&::RegQueryValueExW) g_pQueryValue;
decltype(&::RegSetValueExW) g_pSetValue;
decltype(&::RegFlushKey) g_pFlushKey;
decltype(&::RegQueryInfoKeyW) g_pQueryInfo;
decltype(&::RegEnumValueW) g_pEnumValue;

// One counting stand-in per imported function, calling the real one. Written
// out: the calling convention must match the import exactly.
LONG WINAPI OpenKey(HKEY h, LPCWSTR n, DWORD o, REGSAM s, PHKEY r) { Count(); return g_pOpenKey(h, n, o, s, r); }
LONG WINAPI CreateKey(HKEY h, LPCWSTR n, DWORD r, LPWSTR c, DWORD o, REGSAM s, const SECURITY_ATTRIBUTES* a, PHKEY k,
                      LPDWORD d)
{
    CountWrite();
    return g_pCreateKey(h, n, r, c, o, s, const_cast<SECURITY_ATTRIBUTES*>(a), k, d);
}
LONG WINAPI CloseKey(HKEY h) { Count(); return g_pCloseKey(h); }
LONG WINAPI QueryValue(HKEY h, LPCWSTR n, LPDWORD r, LPDWORD t, LPBYTE d, LPDWORD c)
{
    Count();
    return g_pQueryValue(h, n, r, t, d, c);
}
LONG WINAPI SetValue(HKEY h, LPCWSTR n, DWORD r, DWORD t, const BYTE* d, DWORD c)
{
    CountWrite();
    return g_pSetValue(h, n, r, t, d, c);
}
LONG WINAPI FlushKey(HKEY h) { CountWrite(); return g_pFlushKey(h); }
LONG WINAPI QueryInfo(HKEY h, LPWSTR c, LPDWORD cc, LPDWORD r, LPDWORD sk, LPDWORD msk, LPDWORD mc, LPDWORD v, LPDWORD mvn,
                      LPDWORD mvd, LPDWORD sd, PFILETIME t)
{
    Count();
    return g_pQueryInfo(h, c, cc, r, sk, msk, mc, v, mvn, mvd, sd, t);
}
LONG WINAPI EnumValue(HKEY h, DWORD i, LPWSTR n, LPDWORD cn, LPDWORD r, LPDWORD t, LPBYTE d, LPDWORD cd)
{
    Count();
    return g_pEnumValue(h, i, n, cn, r, t, d, cd);
}

struct Replacement {
    const char* pszName;
    void* pCounted;
    void** ppReal;
};
const Replacement kReplacements[] = {
    {"RegOpenKeyExW", reinterpret_cast<void*>(&OpenKey), reinterpret_cast<void**>(&g_pOpenKey)},     {"RegCreateKeyExW", reinterpret_cast<void*>(&CreateKey), reinterpret_cast<void**>(&g_pCreateKey)},
    {"RegCloseKey", reinterpret_cast<void*>(&CloseKey), reinterpret_cast<void**>(&g_pCloseKey)},      {"RegQueryValueExW", reinterpret_cast<void*>(&QueryValue), reinterpret_cast<void**>(&g_pQueryValue)},
    {"RegSetValueExW", reinterpret_cast<void*>(&SetValue), reinterpret_cast<void**>(&g_pSetValue)},   {"RegFlushKey", reinterpret_cast<void*>(&FlushKey), reinterpret_cast<void**>(&g_pFlushKey)},
    {"RegQueryInfoKeyW", reinterpret_cast<void*>(&QueryInfo), reinterpret_cast<void**>(&g_pQueryInfo)}, {"RegEnumValueW", reinterpret_cast<void*>(&EnumValue), reinterpret_cast<void**>(&g_pEnumValue)},
};

const Replacement* ReplacementFor(const char* pszName)
{
    for (const Replacement& replacement : kReplacements)
        if (std::strcmp(replacement.pszName, pszName) == 0) return &replacement;
    return nullptr;
}

void PatchEntry(IMAGE_THUNK_DATA* pEntry, void* pCounted)
{
    DWORD oldProtect = 0;
    ::VirtualProtect(&pEntry->u1.Function, sizeof(pEntry->u1.Function), PAGE_READWRITE, &oldProtect);
    pEntry->u1.Function = reinterpret_cast<ULONG_PTR>(pCounted);
    ::VirtualProtect(&pEntry->u1.Function, sizeof(pEntry->u1.Function), oldProtect, &oldProtect);
}

void PatchImports(BYTE* pBase, IMAGE_IMPORT_DESCRIPTOR* pImport)
{
    auto* pNames = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
    auto* pEntries = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
    for (; pNames->u1.AddressOfData; ++pNames, ++pEntries) {
        if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal)) continue;
        auto* pByName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
        const Replacement* pReplacement = ReplacementFor(reinterpret_cast<const char*>(pByName->Name));
        if (!pReplacement) continue;
        *pReplacement->ppReal = reinterpret_cast<void*>(pEntries->u1.Function);
        PatchEntry(pEntries, pReplacement->pCounted);
    }
}
}

void RegistryCallCounter::Install()
{
    static bool bInstalled = false;
    if (bInstalled) return;
    bInstalled = true;
    auto* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    auto* pDos = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase);
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* pImport = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + directory.VirtualAddress);
    for (; pImport->Name; ++pImport)
        if (::lstrcmpiA(reinterpret_cast<const char*>(pBase + pImport->Name), "advapi32.dll") == 0)
            PatchImports(pBase, pImport);
}

long RegistryCallCounter::Calls() { return g_nCalls; }

long RegistryCallCounter::Writes() { return g_nWrites; }

void RegistryCallCounter::Reset()
{
    g_nCalls = 0;
    g_nWrites = 0;
}

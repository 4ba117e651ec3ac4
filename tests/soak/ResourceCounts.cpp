#include "tests/soak/ResourceCounts.h"
#include <cstdio>
#include <sstream>

namespace {
// Wine's handle values: the table index in the low word; a handle with a
// zero high word stands for whatever object holds that index.
const UINT_PTR kFirstUserHandle = 0x20;
const UINT_PTR kLastUserHandle = 0xFFEF;

// Kernel handles are multiples of four from four up.
DWORD CountKernelHandles()
{
    DWORD dwCount = 0, dwFlags = 0;
    for (UINT_PTR h = 4; h < 0x10000; h += 4)
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(h), &dwFlags)) ++dwCount;
    return dwCount;
}

DWORD CountGdiHandles()
{
    DWORD dwCount = 0;
    for (UINT_PTR idx = 1; idx <= 0xFFFF; ++idx)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(idx))) ++dwCount;
    return dwCount;
}

// Asking for an icon's facts makes bitmaps of it; they go at once.
bool IsIcon(HICON hIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info)) return false;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return true;
}

DWORD CountMenusAndIcons()
{
    DWORD dwCount = 0;
    for (UINT_PTR h = kFirstUserHandle; h <= kLastUserHandle; h += 2) {
        if (::IsMenu(reinterpret_cast<HMENU>(h))) ++dwCount;
        else if (IsIcon(reinterpret_cast<HICON>(h))) ++dwCount;
    }
    return dwCount;
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

void CountWindowTree(HWND hWnd, DWORD& dwCount)
{
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != ::GetCurrentProcessId()) return;
    ++dwCount;
    ::EnumChildWindows(hWnd, CountChild, reinterpret_cast<LPARAM>(&dwCount));
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam)
{
    CountWindowTree(hWnd, *reinterpret_cast<DWORD*>(lParam));
    return TRUE;
}

// Top-level windows, their children, and the message-only windows.
DWORD CountWindows()
{
    DWORD dwCount = 0;
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&dwCount));
    for (HWND h = ::FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); h;
         h = ::FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr))
        CountWindowTree(h, dwCount);
    return dwCount;
}

void TakeGuiCount(DWORD dwFlags, DWORD (*pfnByHand)(), DWORD& dwCount, bool& bByHand)
{
    dwCount = ::GetGuiResources(::GetCurrentProcess(), dwFlags);
    bByHand = dwCount == 0;
    if (bByHand) dwCount = pfnByHand();
}

DWORD CountUserObjects() { return CountWindows() + CountMenusAndIcons(); }

const char* How(bool bByHand) { return bByHand ? " (by hand)" : ""; }
}

ResourceCounts ResourceCounts::Take()
{
    ResourceCounts counts;
    if (!::GetProcessHandleCount(::GetCurrentProcess(), &counts.m_dwHandles)) counts.m_dwHandles = 0;
    counts.m_bHandlesCountedByHand = counts.m_dwHandles == 0;
    if (counts.m_bHandlesCountedByHand) counts.m_dwHandles = CountKernelHandles();
    TakeGuiCount(GR_GDIOBJECTS, CountGdiHandles, counts.m_dwGdiObjects, counts.m_bGdiCountedByHand);
    TakeGuiCount(GR_USEROBJECTS, CountUserObjects, counts.m_dwUserObjects, counts.m_bUserCountedByHand);
    return counts;
}

std::string ResourceCounts::Describe() const
{
    std::ostringstream text;
    text << "handles " << m_dwHandles << How(m_bHandlesCountedByHand) << ", GDI " << m_dwGdiObjects << How(m_bGdiCountedByHand) << ", USER "
         << m_dwUserObjects << How(m_bUserCountedByHand);
    return text.str();
}

void ResourceCounts::Print(const char* pszWhen) const
{
    std::printf("[soak] %-14s %s\n", pszWhen, Describe().c_str());
    std::fflush(stdout);
}

#include "tests/support/ScreenSaverProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Printers.h"
#include <gtest/gtest.h>

namespace {
const DWORD kWindowTimeout = 15000;
const wchar_t kSettingsCaption[] = L"Driftreel Settings";
const wchar_t kPlayerCaption[] = L"Driftreel Player";

// Starts the screen saver, expects a window with the caption, closes it and
// expects a clean exit.
void ExpectWindowThenCleanExit(const wchar_t* pszArguments, const wchar_t* pszCaption)
{
    SCOPED_TRACE(testing::Message() << "arguments: " << (pszArguments ? "given" : "none"));
    ScreenSaverProcess saver(pszArguments);
    ASSERT_TRUE(saver.Started());
    HWND hWnd = saver.WaitForWindow(kWindowTimeout);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(CString(pszCaption), WindowText(hWnd));
    ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, saver.WaitForExit(kWindowTimeout));
}

void ExpectQuietExit(ScreenSaverProcess& saver)
{
    ASSERT_TRUE(saver.Started());
    EXPECT_EQ(nullptr, saver.WaitForWindow(3000));
    EXPECT_EQ(0u, saver.WaitForExit(kWindowTimeout));
}

// A copy of the program without its language libraries.
class ProgramWithoutLanguages {
public:
    ProgramWithoutLanguages()
    {
        CString bin = ProgramFolder();
        CopyBeside(bin + L"\\Driftreel.scr", L"Driftreel.scr");
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW(bin + L"\\*.dll", &fd);
        for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(h, &fd)) {
            if (!IsLanguageLibrary(fd.cFileName)) CopyBeside(bin + L"\\" + fd.cFileName, fd.cFileName);
        }
        if (h != INVALID_HANDLE_VALUE) ::FindClose(h);
    }
    CString Exe() const { return m_folder.Path() + L"\\Driftreel.scr"; }

private:
    static bool IsLanguageLibrary(const wchar_t* pszName)
    {
        static const wchar_t* const names[] = { L"jpn.dll", L"eng.dll", L"fra.dll", L"deu.dll", L"ita.dll",
                                                L"esp.dll", L"chs.dll", L"cht.dll", L"kor.dll", L"nld.dll" };
        for (const wchar_t* n : names)
            if (::lstrcmpiW(n, pszName) == 0) return true;
        return false;
    }
    void CopyBeside(const CString& from, const wchar_t* pszName)
    {
        ::CopyFileW(from, m_folder.Path() + L"\\" + pszName, FALSE);
    }
    TempFolder m_folder;
};
}

TEST(DispatchTest, ConfigureSwitchesAndNoArgumentOpenTheSettings)
{
    ExpectWindowThenCleanExit(nullptr, kSettingsCaption);
    ExpectWindowThenCleanExit(L"/c", kSettingsCaption);
    ExpectWindowThenCleanExit(L"-C", kSettingsCaption);
    ExpectWindowThenCleanExit(L"/c:42", kSettingsCaption);
}

TEST(DispatchTest, RunSwitchesAndUnknownLettersOpenThePlayer)
{
    ExpectWindowThenCleanExit(L"/s", kPlayerCaption);
    ExpectWindowThenCleanExit(L"-s", kPlayerCaption);
    ExpectWindowThenCleanExit(L"/x", kPlayerCaption);
    ExpectWindowThenCleanExit(L"//s", kPlayerCaption);
}

TEST(DispatchTest, PreviewShowsNothing)
{
    ScreenSaverProcess preview(L"/p");
    ExpectQuietExit(preview);
    ScreenSaverProcess previewWithWindow(L"/p 42");
    ExpectQuietExit(previewWithWindow);
}

TEST(DispatchTest, ASecondCopyEndsAtOnce)
{
    ScreenSaverProcess first(L"/c");
    HWND hFirst = first.WaitForWindow(kWindowTimeout);
    ASSERT_NE(nullptr, hFirst);
    ScreenSaverProcess second(L"/s");
    ExpectQuietExit(second);
    ::PostMessageW(hFirst, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, first.WaitForExit(kWindowTimeout));
}

TEST(DispatchTest, MissingLanguageLibraryEndsQuietly)
{
    ProgramWithoutLanguages program;
    ScreenSaverProcess saver(L"/c", program.Exe());
    ExpectQuietExit(saver);
}

TEST(DispatchTest, ALanguageLibraryOutsideTheProgramFolderIsNotLoaded)
{
    ProgramWithoutLanguages program;
    TempFolder planted;
    ::CopyFileW(ProgramFolder() + L"\\eng.dll", planted.Path() + L"\\eng.dll", FALSE);
    ScreenSaverProcess saver(L"/c", program.Exe(), planted.Path());
    ExpectQuietExit(saver);
}

// Runs PlayerDialog in the test process the way run mode does: the English
// language library as resource source, the media double as control 1000, a
// settings record of the test's own, a power platform the test answers and
// an application object that receives the power action.
#pragma once
#include "player/PlayerDialog.h"
#include "power/IdleSleepPolicy.h"
#include "power/PowerActionSink.h"
#include "tests/support/FakePowerPlatform.h"
#include "tests/support/MediaPlayerDouble.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/ResourceLanguage.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// The application object of run mode as the player sees it: it keeps the
// power action handed over.
struct PowerActionApp : CWinApp, PowerActionSink {
    void SetPowerAction(const int& nPowerAction) override { m_nPowerAction = nPowerAction; }
    int m_nPowerAction = PowerActionNone;
};

class PlayerTest : public ::testing::Test {
protected:
    PlayerTest();
    ~PlayerTest() override;

    // Settings: one movie file, or a folder's list with these stored titles.
    void PlaySingle(const CString& strFile);
    void PlayList(std::initializer_list<const wchar_t*> titles);
    // A countdown: the scheme's idle action after nSeconds, started by hand.
    void IdleAction(POWER_ACTION action, ULONG nSeconds);

    // Runs the player as the application's main window, as run mode does;
    // body runs inside its modal loop once it is visible.
    INT_PTR Run(PlayerDialog& dlg, const std::function<void(PlayerDialog&)>& body, DWORD dwTimeoutMs = 20000);
    INT_PTR Run(const std::function<void(PlayerDialog&)>& body, DWORD dwTimeoutMs = 20000);

    // What the control of the running player was asked to do.
    std::vector<std::wstring>& Calls();
    // The URLs given to the control so far.
    std::vector<std::wstring> Urls();
    // Fires "media ended" and waits for the URL that follows it.
    std::wstring NextUrlAfterEnd();
    std::wstring Url(const wchar_t* pszName) const;

    static bool Ended(const PlayerDialog& dlg) { return !::IsWindowVisible(dlg.m_hWnd); }
    // Pumps messages until the player has ended; false on timeout.
    static bool WaitForEnd(const PlayerDialog& dlg, DWORD dwTimeoutMs = 5000);

    ResourceLanguage m_language{ L"eng" };
    MediaDoubleScope m_doubles;
    RegistryTestKey m_settings{ HKEY_CURRENT_USER, kSettingsKeyPath };
    FakePowerPlatform m_power;
    IdleSleepPolicy m_policy{ m_power };
    PowerActionApp m_app;
    TempFolder m_folder;

    static const wchar_t kSettingsKeyPath[];
};

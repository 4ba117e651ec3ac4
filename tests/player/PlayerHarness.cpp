#include "tests/player/PlayerHarness.h"
#include "settings/SettingsRecord.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalDriver.h"

const wchar_t PlayerTest::kSettingsKeyPath[] = L"Software\\Velnor Corporation\\Driftreel";

PlayerTest::PlayerTest()
{
    AfxEnableControlContainer();
    PlayerDialog::m_nDelayInterval = 500000;
    PlayerDialog::m_nCaptureDelay = 1000;
    m_settings.SetDword(nullptr, L"Initialize", 1);
    m_settings.SetDword(nullptr, L"Volume", 37);
}

PlayerTest::~PlayerTest()
{
    PlayerDialog::m_nDelayInterval = 500000;
    PlayerDialog::m_nCaptureDelay = 1000;
}

void PlayerTest::PlaySingle(const CString& strFile)
{
    m_settings.SetString(nullptr, L"FilePath", strFile);
    m_settings.SetDword(nullptr, L"PlayingMethod", 0);
}

void PlayerTest::PlayList(std::initializer_list<const wchar_t*> titles)
{
    m_settings.SetString(nullptr, L"FilePath", m_folder.Path());
    m_settings.SetDword(nullptr, L"PlayingMethod", 1);
    CString strList = m_folder.Path();
    int n = 0;
    for (const wchar_t* pszTitle : titles) {
        CString name;
        name.Format(L"%d", ++n);
        m_settings.SetString(strList, name, pszTitle);
    }
    m_settings.SetDword(strList, L"FileCount", (DWORD)n);
}

void PlayerTest::IdleAction(POWER_ACTION action, ULONG nSeconds)
{
    m_power.SetIdle(action, nSeconds, action, nSeconds);
    m_power.nACLineStatus = 1;
}

INT_PTR PlayerTest::Run(PlayerDialog& dlg, const std::function<void(PlayerDialog&)>& body, DWORD dwTimeoutMs)
{
    dlg.m_pIdleSleepPolicy = &m_policy;
    m_app.m_pMainWnd = &dlg;
    INT_PTR nResult = RunModalWith(dlg, [&](CDialog&) { body(dlg); }, dwTimeoutMs);
    m_app.m_pMainWnd = nullptr;
    return nResult;
}

INT_PTR PlayerTest::Run(const std::function<void(PlayerDialog&)>& body, DWORD dwTimeoutMs)
{
    PlayerDialog dlg(nullptr);
    return Run(dlg, body, dwTimeoutMs);
}

std::vector<std::wstring>& PlayerTest::Calls() { return m_doubles.Last()->m_calls; }

std::vector<std::wstring> PlayerTest::Urls()
{
    std::vector<std::wstring> urls;
    const std::wstring prefix = L"put URL ";
    for (const std::wstring& call : Calls())
        if (call.compare(0, prefix.size(), prefix) == 0) urls.push_back(call.substr(prefix.size()));
    return urls;
}

std::wstring PlayerTest::NextUrlAfterEnd()
{
    size_t nBefore = Urls().size();
    m_doubles.Last()->FirePlayStateChange(kPlayStateMediaEnded);
    if (!PumpMessagesUntil([&] { return Urls().size() > nBefore; }, 5000)) return L"(none)";
    return Urls().back();
}

std::wstring PlayerTest::Url(const wchar_t* pszName) const
{
    return std::wstring(m_folder.Path()) + L"\\" + pszName;
}

bool PlayerTest::WaitForEnd(const PlayerDialog& dlg, DWORD dwTimeoutMs)
{
    return PumpMessagesUntil([&] { return Ended(dlg); }, dwTimeoutMs);
}

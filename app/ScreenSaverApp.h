// The application object: picks the language, guards against a second copy,
// runs the one dialog of the chosen mode and carries out the power action.
#pragma once
#include "framework/Afx.h"
#include "power/PowerActionSink.h"

class ScreenSaverApp : public CWinApp, public PowerActionSink {
public:
    ScreenSaverApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    void SetPowerAction(const int& nPowerAction) override;

    int m_nPowerAction;           // PowerActionNone, PowerActionSleep or PowerActionHibernate
    HINSTANCE m_hLanguageDll;     // the language library, or null
    DWORD m_dwExecutionState;     // read at the start of run mode

    DECLARE_MESSAGE_MAP()

private:
    void LoadLanguage();
    bool IsAnotherCopyRunning() const;
    void RunSettings(HICON hIcon);
    void RunPlayer(HICON hIcon);
};

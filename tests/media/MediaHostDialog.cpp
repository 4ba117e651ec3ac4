#include "tests/media/MediaHostDialog.h"
#include "media/MediaIds.h"
#include "tests/support/MessagePump.h"

namespace {
const UINT IDD_MEDIA_HOST = 300;
const UINT WM_APP_RUNBODY = WM_APP + 10;
}

MediaHostDialog::MediaHostDialog() : CDialog(IDD_MEDIA_HOST) {}

BEGIN_MESSAGE_MAP(MediaHostDialog, CDialog)
    ON_MESSAGE(WM_APP_RUNBODY, OnRunBody)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(MediaHostDialog, CDialog)
    ON_EVENT(MediaHostDialog, 1000, 5001, OnPlayerOpenStateChange, VTS_I4)
    ON_EVENT(MediaHostDialog, 1000, 5101, OnPlayerPlayStateChange, VTS_I4)
    ON_EVENT(MediaHostDialog, 1000, 6505, OnPlayerClick, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(MediaHostDialog, 1000, 6506, OnPlayerDoubleClick, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
    ON_EVENT(MediaHostDialog, 1000, 6507, OnPlayerKeyDown, VTS_I2 VTS_I2)
    ON_EVENT(MediaHostDialog, 1000, 6511, OnPlayerMouseMove, VTS_I2 VTS_I2 VTS_I4 VTS_I4)
END_EVENTSINK_MAP()

INT_PTR MediaHostDialog::Run(std::function<void(MediaHostDialog&)> body)
{
    m_body = std::move(body);
    return DoModal();
}

void MediaHostDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, 1000, m_player);
}

BOOL MediaHostDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    PostMessage(WM_APP_RUNBODY);
    return TRUE;
}

LRESULT MediaHostDialog::OnRunBody(WPARAM, LPARAM)
{
    // The modal loop would show the dialog only once it is idle.
    ShowWindow(SW_SHOW);
    UpdateWindow();
    if (m_body) m_body(*this);
    EndDialog(IDOK);
    return 0;
}

void MediaHostDialog::OnPlayerOpenStateChange(long nNewState)
{
    m_events.push_back({ MediaDispid::OpenStateChange, 0, 0, 0, 0, nNewState });
}

void MediaHostDialog::OnPlayerPlayStateChange(long nNewState)
{
    m_events.push_back({ MediaDispid::PlayStateChange, 0, 0, 0, 0, nNewState });
}

void MediaHostDialog::OnPlayerClick(short nButton, short nShiftState, long fX, long fY)
{
    m_events.push_back({ MediaDispid::Click, nButton, nShiftState, fX, fY, 0 });
}

void MediaHostDialog::OnPlayerDoubleClick(short nButton, short nShiftState, long fX, long fY)
{
    m_events.push_back({ MediaDispid::DoubleClick, nButton, nShiftState, fX, fY, 0 });
}

void MediaHostDialog::OnPlayerKeyDown(short nKeyCode, short nShiftState)
{
    m_events.push_back({ MediaDispid::KeyDown, nKeyCode, nShiftState, 0, 0, 0 });
}

void MediaHostDialog::OnPlayerMouseMove(short nButton, short nShiftState, long fX, long fY)
{
    m_events.push_back({ MediaDispid::MouseMove, nButton, nShiftState, fX, fY, 0 });
}

bool MediaHostDialog::HasEvent(DISPID dispid, long nState) const
{
    for (const ReceivedEvent& e : m_events)
        if (e.dispid == dispid && (nState == -1 || e.nState == nState)) return true;
    return false;
}

const ReceivedEvent* MediaHostDialog::FindLastEvent(DISPID dispid) const
{
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it)
        if (it->dispid == dispid) return &*it;
    return nullptr;
}

bool MediaHostDialog::WaitForEvent(DISPID dispid, long nState, DWORD dwTimeoutMs)
{
    return PumpMessagesUntil([&] { return HasEvent(dispid, nState); }, dwTimeoutMs);
}

CRect MediaHostDialog::ControlScreenRect() const
{
    CRect rc;
    ::GetWindowRect(m_player.GetSafeHwnd(), &rc);
    return rc;
}

CString TestMediaPath(const wchar_t* pszName)
{
    wchar_t szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    while (n > 0 && szPath[n - 1] != L'\\') --n;
    szPath[n] = 0;
    return CString(szPath) + pszName;
}

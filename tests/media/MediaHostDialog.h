// A dialog that hosts control 1000 the way the program's dialogs do (a
// placeholder item bound with DDX_Control, events through an event-sink
// map), records every event it receives and runs a test body inside its
// modal loop.
#pragma once
#include "media/CWMPPlayer4.h"
#include "media/CWMPControls3.h"
#include "media/CWMPSettings.h"
#include <functional>
#include <vector>

struct ReceivedEvent {
    DISPID dispid;
    short nButton, nShift;   // Click, DoubleClick, MouseMove; KeyDown: nButton is the key code
    long x, y, nState;       // mouse events; nState: open and play state events
};

class MediaHostDialog : public CDialog {
public:
    MediaHostDialog();

    // Runs the dialog; body runs once it is up, then the dialog ends.
    INT_PTR Run(std::function<void(MediaHostDialog&)> body);

    // Pumps messages until an event dispid with state nState (or any state
    // when nState is -1) has arrived since the last ClearEvents.
    bool WaitForEvent(DISPID dispid, long nState = -1, DWORD dwTimeoutMs = 10000);
    bool HasEvent(DISPID dispid, long nState = -1) const;
    const ReceivedEvent* FindLastEvent(DISPID dispid) const;
    void ClearEvents() { m_events.clear(); }
    // The control's rectangle on the screen.
    CRect ControlScreenRect() const;

    CWMPPlayer4 m_player;
    std::vector<ReceivedEvent> m_events;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    LRESULT OnRunBody(WPARAM, LPARAM);

    void OnPlayerOpenStateChange(long nNewState);
    void OnPlayerPlayStateChange(long nNewState);
    void OnPlayerClick(short nButton, short nShiftState, long fX, long fY);
    void OnPlayerDoubleClick(short nButton, short nShiftState, long fX, long fY);
    void OnPlayerKeyDown(short nKeyCode, short nShiftState);
    void OnPlayerMouseMove(short nButton, short nShiftState, long fX, long fY);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    std::function<void(MediaHostDialog&)> m_body;
};

// The folder of the test program, where the build puts the test media.
CString TestMediaPath(const wchar_t* pszName);

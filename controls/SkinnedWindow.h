// The skin over a standard control: the control's own window procedure keeps
// all its behaviour (messages, notifications, states, keyboard), while every
// pixel of it is painted by Paint. Some controls draw straight onto the
// screen while they handle a message (a button being pressed, a combo box
// changing its selection); the look is therefore painted again whenever a
// message has changed what the control shows.
#pragma once
#include "controls/SabrelAPI.h"
#include "controls/SkinPaint.h"

template <class TBase>
class SkinnedWindow : public TBase {
protected:
    // Paints the whole client area rcClient into hdc.
    virtual void Paint(HDC hdc, const CRect& rcClient) = 0;
    // Everything the look depends on; a change repaints the control. The
    // style holds the enabled state and, for buttons, being the default.
    virtual ULONGLONG VisualState() { return (ULONGLONG)this->GetStyle() << 32; }
    // Leaves parts of the client area to what lies behind the control.
    virtual void ExcludeSeeThrough(HDC, const CRect&) {}

    bool IsHot() const { return m_bHot; }
    bool IsDisabled() const { return (this->GetStyle() & WS_DISABLED) != 0; }
    // Asks the control's own procedure, bypassing the skin.
    LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return TBase::DefWindowProc(message, wParam, lParam);
    }

    void PreSubclassWindow() override
    {
        TBase::PreSubclassWindow();
        SabrelAPI::ApplyLuna(this->m_hWnd);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_PAINT: PaintWindow(); return 0;
        case WM_PRINTCLIENT: Paint((HDC)wParam, ClientRect()); return 0;
        case WM_ERASEBKGND: return TRUE;  // Paint covers the client area
        case WM_DESTROY:
        case WM_NCDESTROY: return TBase::WindowProc(message, wParam, lParam);
        }
        ULONGLONG nBefore = FullState();
        if (message == WM_MOUSEMOVE) TrackHover();
        else if (message == WM_MOUSELEAVE) m_bHot = false;
        LRESULT lResult = TBase::WindowProc(message, wParam, lParam);
        if (::IsWindow(this->m_hWnd) && (AlwaysRepaints(message) || FullState() != nBefore)) Repaint();
        return lResult;
    }

private:
    static bool AlwaysRepaints(UINT message)
    {
        return message == WM_SETTEXT || message == WM_SETFONT || message == WM_ENABLE ||
               message == WM_UPDATEUISTATE || message == BM_SETSTYLE;
    }

    ULONGLONG FullState() { return VisualState() << 1 | (m_bHot ? 1 : 0); }

    CRect ClientRect() const
    {
        CRect rc;
        this->GetClientRect(&rc);
        return rc;
    }

    void Repaint()
    {
        if (::IsWindowVisible(this->m_hWnd))
            ::RedrawWindow(this->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }

    void TrackHover()
    {
        if (m_bHot) return;
        m_bHot = true;
        TRACKMOUSEEVENT tme = { sizeof(tme), TME_LEAVE, this->m_hWnd, 0 };
        ::TrackMouseEvent(&tme);
    }

    // Paints through an off-screen bitmap, so the control never flickers.
    void PaintWindow()
    {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(this->m_hWnd, &ps);
        CRect rc = ClientRect();
        HDC hdcMem = ::CreateCompatibleDC(hdc);
        HBITMAP hbm = ::CreateCompatibleBitmap(hdc, rc.Width(), rc.Height());
        {
            SkinPaint::Selection bitmap(hdcMem, hbm, true);
            Paint(hdcMem, rc);
            ExcludeSeeThrough(hdc, rc);
            ::BitBlt(hdc, 0, 0, rc.Width(), rc.Height(), hdcMem, 0, 0, SRCCOPY);
        }
        ::DeleteDC(hdcMem);
        ::EndPaint(this->m_hWnd, &ps);
    }

    bool m_bHot = false;
};

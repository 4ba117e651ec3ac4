#include "media/DirectShowPlayer.h"
#include "media/PictureFit.h"

namespace {
const UINT WM_APP_GRAPHNOTIFY = WM_APP + 1;
// Posted by close: the handling that closed has ended.
const UINT WM_APP_CLOSEHANDLED = WM_APP + 2;
const UINT_PTR kPresentTimerId = 1;
// Shorter than a frame of any movie we play (25 or 30 a second).
const UINT kPresentPeriodMs = 10;
const UINT_PTR kCueTimerId = 2;
const UINT kCuePollMs = 10;
// Longest wait for a new movie's first picture; a slower one is ready anyway.
const DWORD kCueTimeoutMs = 1000;
}

void DirectShowPlayer::PutURL(const wchar_t* pszURL)
{
    m_bClosePending = false;
    HoldPictureAndUnload();
    if (m_nPlayState != kPlayStateUndefined) SetPlayState(kPlayStateTransitioning);
    m_strURL = pszURL;
    OpenMedia();
}

void DirectShowPlayer::CloseMedia()
{
    HoldPictureAndUnload();
    AwaitNextURL();
    SetPlayState(kPlayStateUndefined);
    SetOpenState(kOpenStateNoMedia);
}

// A close followed by a new URL in the same handling is a change of movie
// (the player's at the end of a movie): the held picture stays until the
// next movie's first picture covers it. Any other close shows an empty
// picture, as the platform's control does once closed. Which of the two it
// was is known once the handling that closed returns to the message loop.
void DirectShowPlayer::AwaitNextURL()
{
    if (!m_held.IsHeld() || m_bClosePending) return;
    m_bClosePending = ::PostMessageW(GetSafeHwnd(), WM_APP_CLOSEHANDLED, 0, 0) != FALSE;
    // Without the message nothing would clear the picture later.
    if (!m_bClosePending) ClearHeldPicture();
}

void DirectShowPlayer::OnCloseHandled()
{
    if (!m_bClosePending) return;
    m_bClosePending = false;
    ClearHeldPicture();
}

void DirectShowPlayer::Play()
{
    // After close the last URL is opened again. A movie played before its
    // first picture is there is reported ready first, as it would have been.
    if (m_media == Media::None && !OpenMedia()) return;
    if (m_bCueing) {
        EndCue();
        SetPlayState(kPlayStateReady);
    }
    if (m_media == Media::Movie) {
        if (m_nPlayState == kPlayStateMediaEnded) m_pGraph->SetPosition(0.0);
        m_pGraph->Run();
    }
    ClearHeldPicture();
    SetPlayState(kPlayStatePlaying);
}

void DirectShowPlayer::Stop()
{
    if (m_media == Media::None) return;
    EndCue();
    if (m_media == Media::Movie) m_pGraph->Stop();
    SetPlayState(kPlayStateStopped);
}

double DirectShowPlayer::GetCurrentPosition() { return m_media == Media::Movie ? m_pGraph->GetPosition() : 0.0; }

void DirectShowPlayer::PutCurrentPosition(double dSeconds)
{
    if (m_media == Media::Movie) m_pGraph->SetPosition(dSeconds < 0.0 ? 0.0 : dSeconds);
}

void DirectShowPlayer::PutVolume(long nVolume)
{
    m_nVolume = nVolume < 0 ? 0 : (nVolume > 100 ? 100 : nVolume);
    m_pGraph->SetVolume(m_nVolume);
}

bool DirectShowPlayer::OpenMedia()
{
    if (m_strURL.empty() || !GetSafeHwnd()) {
        SetOpenState(kOpenStateNoMedia);
        return false;
    }
    SetOpenState(kOpenStateMediaOpening);
    HRESULT hr = LoadMedia();
    if (FAILED(hr)) {
        if (IsMissingCodec(hr)) {
            ReportMissingCodec();
        } else {
            // Nothing follows that could replace the held picture.
            ClearHeldPicture();
            SetOpenState(kOpenStateNoMedia);
        }
        return false;
    }
    ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    SetOpenState(kOpenStateMediaOpen);
    if (m_media == Media::Movie && !m_pGraph->IsCued()) StartCue();
    else SetPlayState(kPlayStateReady);
    return true;
}

// A new movie is ready once its first picture is, or after kCueTimeoutMs:
// the UI thread goes on meanwhile, so input is never kept waiting by it.
void DirectShowPlayer::StartCue()
{
    m_bCueing = true;
    m_dwCueStart = ::GetTickCount();
    ::SetTimer(GetSafeHwnd(), kCueTimerId, kCuePollMs, nullptr);
}

void DirectShowPlayer::OnCueTimer()
{
    if (!m_pGraph->IsCued() && ::GetTickCount() - m_dwCueStart < kCueTimeoutMs) return;
    EndCue();
    SetPlayState(kPlayStateReady);
}

// A movie played, stopped or closed before it was ready is not reported
// ready after all.
void DirectShowPlayer::EndCue()
{
    if (!m_bCueing) return;
    m_bCueing = false;
    if (GetSafeHwnd()) ::KillTimer(GetSafeHwnd(), kCueTimerId);
}

HRESULT DirectShowPlayer::LoadMedia()
{
    const wchar_t* pszURL = m_strURL.c_str();
    HRESULT hr = S_OK;
    if (IsPicturePath(pszURL)) {
        hr = m_picture.Load(pszURL);
    } else {
        m_pGraph = &m_graphs[ChooseGraph(pszURL)];
        hr = m_pGraph->Open(pszURL, GetSafeHwnd(), WM_APP_GRAPHNOTIFY);
    }
    if (FAILED(hr)) return hr;
    m_media = m_picture.IsLoaded() ? Media::Picture : Media::Movie;
    m_pGraph->SetVolume(m_nVolume);
    if (m_media == Media::Movie) {
        m_pGraph->ShowVideo(VideoRect());
        m_pGraph->Cue();
    } else {
        m_held.Clear();
    }
    return S_OK;
}

// The parked graph of the same file, or else the one parked longest, which
// gives way: a list of up to kGraphCount movies builds each graph once (see
// MovieGraph::Open).
int DirectShowPlayer::ChooseGraph(const wchar_t* pszPath) const
{
    int nChosen = 0;
    for (int i = 0; i < kGraphCount; ++i) {
        if (m_graphs[i].IsParkedWith(pszPath)) return i;
        if (m_graphs[i].ParkedSince() < m_graphs[nChosen].ParkedSince()) nChosen = i;
    }
    return nChosen;
}

// Told the way the platform's control tells a codec it cannot acquire:
// acquisition begins, then the media waits. The pair comes twice, so that a
// container that waits for the wait after the first begin and one that
// counts two begins both learn of it.
void DirectShowPlayer::ReportMissingCodec()
{
    for (int i = 0; i < 2; ++i) {
        SetOpenState(kOpenStateBeginCodecAcquisition);
        SetOpenState(kOpenStateMediaWaiting);
    }
}

void DirectShowPlayer::HoldPictureAndUnload()
{
    // Between two movies of a list (close, next URL, ready, play) the window
    // keeps the last picture instead of going black.
    if (m_media == Media::Movie) m_held.Capture(GetSafeHwnd(), VideoRect());
    UnloadMedia();
    if (GetSafeHwnd()) ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

RECT DirectShowPlayer::VideoRect() const
{
    RECT rc = {};
    ::GetClientRect(GetSafeHwnd(), &rc);
    return FitPicture(m_pGraph->GetVideoSize(), rc, m_bStretchToFit);
}

void DirectShowPlayer::ClearHeldPicture()
{
    if (!m_held.IsHeld()) return;
    m_held.Clear();
    // The video window covers what was held; a movie without one shows black
    // instead of the previous movie's picture.
    ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

void DirectShowPlayer::UnloadMedia()
{
    EndCue();
    m_pGraph->Park();
    m_picture.Clear();
    m_media = Media::None;
}

void DirectShowPlayer::SetPlayState(long nState)
{
    if (nState == m_nPlayState) return;
    m_nPlayState = nState;
    UpdatePresentTimer();
    FirePlayStateChange(nState);
}

// Wine shows what the renderer's thread draws only once that thread has
// drawn for a while on end or a thread of this process waits for messages,
// which leaves frames unseen. While a movie plays, this timer brings the UI
// thread back to its message wait after each frame; where the renderer
// presents by itself, it costs a wake-up.
void DirectShowPlayer::UpdatePresentTimer()
{
    HWND hWnd = GetSafeHwnd();
    if (!hWnd) return;
    if (m_nPlayState == kPlayStatePlaying && m_media == Media::Movie)
        ::SetTimer(hWnd, kPresentTimerId, kPresentPeriodMs, nullptr);
    else
        ::KillTimer(hWnd, kPresentTimerId);
}

void DirectShowPlayer::SetOpenState(long nState)
{
    m_nOpenState = nState;
    FireOpenStateChange(nState);
}

void DirectShowPlayer::OnGraphNotify()
{
    // Every pending event is taken before anyone hears of the end: a handler
    // may close the movie or open the next one.
    bool bEnded = false;
    long nCode = 0;
    while (m_pGraph->NextEvent(nCode))
        if (nCode == EC_COMPLETE || nCode == EC_ERRORABORT || nCode == EC_USERABORT) bEnded = true;
    if (bEnded && m_nPlayState == kPlayStatePlaying) SetPlayState(kPlayStateMediaEnded);
}

void DirectShowPlayer::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
    RECT rc;
    ::GetClientRect(GetSafeHwnd(), &rc);
    if (m_media == Media::Picture) m_picture.Draw(hDC, rc);
    else if (m_held.IsHeld()) m_held.Draw(hDC, rc, m_bStretchToFit);
    else ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::EndPaint(GetSafeHwnd(), &ps);
    if (m_media == Media::Movie && m_nPlayState != kPlayStatePlaying) RedrawVideoWindow();
}

// Windows' renderer paints its window again from the picture it holds;
// Wine's draws a picture only when it arrives. A container that paints
// without clipping its children (the settings dialog repainting itself)
// painted over a movie waiting for play, and its background stayed until
// play. The control is painted after its container, so the picture the
// renderer holds is drawn again here; one still on its way is drawn when it
// arrives.
void DirectShowPlayer::RedrawVideoWindow()
{
    HWND hVideo = ::GetWindow(GetSafeHwnd(), GW_CHILD);
    while (hVideo && !::IsWindowVisible(hVideo)) hVideo = ::GetWindow(hVideo, GW_HWNDNEXT);
    HDC hDC = hVideo ? ::GetDC(hVideo) : nullptr;
    if (!hDC) return;
    RECT rc;
    ::GetClientRect(hVideo, &rc);
    m_pGraph->DrawCurrentImage(hDC, rc);
    ::ReleaseDC(hVideo, hDC);
}

bool DirectShowPlayer::FireInput(UINT message, WPARAM wParam, LPARAM lParam)
{
    MediaInputEvent event;
    if (!m_input.Translate(message, wParam, lParam, CurrentShiftState(), ::GetMessageTime(), event)) return false;
    if (event.dispid == MediaDispid::KeyDown) FireKeyDown(event.nButton, event.nShiftState);
    else FireMouseEvent(event.dispid, event.nButton, event.nShiftState, event.x, event.y);
    return true;
}

LRESULT DirectShowPlayer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_APP_GRAPHNOTIFY: OnGraphNotify(); return 0;
    case WM_APP_CLOSEHANDLED: OnCloseHandled(); return 0;
    // The present timer's work is done by returning to the message wait.
    case WM_TIMER:
        if (wParam == kPresentTimerId) return 0;
        if (wParam != kCueTimerId) break;
        OnCueTimer();
        return 0;
    case WM_SIZE: m_pGraph->FitVideo(VideoRect()); break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    // Keys pressed while the control has the focus are its input, not the
    // dialog's navigation.
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    default: break;
    }
    FireInput(message, wParam, lParam);
    return MediaPlayerObject::WindowProc(message, wParam, lParam);
}

void DirectShowPlayer::OnDestroyWindow()
{
    m_held.Clear();
    UnloadMedia();
    for (MovieGraph& graph : m_graphs) graph.Close();
}

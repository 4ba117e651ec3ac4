#include "media/MovieGraph.h"
#include <cmath>

namespace {
// The renderer's video window is given this caption, by which it is found.
const wchar_t kVideoCaption[] = L"Driftreel video";
// Wine's parser of every container, built on GStreamer.
const CLSID kWineGStreamerParser = { 0xF9D8D64E, 0xA144, 0x47DC, { 0x8E, 0xE0, 0xF5, 0x34, 0x98, 0x37, 0x2C, 0x29 } };

// Longest wait for a graph started from its end to reach it.
const DWORD kEndWaitMs = 500;
// How far ahead of the clock a cued graph's stream starts (100 ns units).
const REFERENCE_TIME kRunLead = 20 * 10000;
}

using Microsoft::WRL::ComPtr;

long VolumeToAttenuation(long nVolume)
{
    if (nVolume <= 0) return -10000;
    if (nVolume >= 100) return 0;
    long n = (long)std::lround(2000.0 * std::log10(nVolume / 100.0));
    return n < -10000 ? -10000 : n;
}

bool IsMissingCodec(HRESULT hr)
{
    return hr == VFW_E_CANNOT_RENDER || hr == VFW_E_NO_DECOMPRESSOR || hr == VFW_E_UNSUPPORTED_STREAM ||
           hr == VFW_E_UNSUPPORTED_AUDIO || hr == VFW_E_UNSUPPORTED_VIDEO || hr == VFW_E_CANNOT_CONNECT;
}

// Wine's DirectShow leaves behind about 1.5 MB of memory and a few handles
// for every graph that has played, which a single short movie played over
// and over all night would add up to the end of the address space. Taking up
// the kept graph of the same file costs nothing of that, nor the building.
HRESULT MovieGraph::Open(const wchar_t* pszPath, HWND hwndOwner, UINT nNotifyMessage)
{
    if (Keeps(pszPath)) {
        Rewind();
    } else {
        Close();
        HRESULT hr = Build(pszPath);
        if (FAILED(hr)) {
            Close();
            return hr;
        }
        m_strPath = pszPath;
    }
    m_ullKeptAt = 0;
    AttachVideoWindow(hwndOwner, nNotifyMessage);
    return S_OK;
}

bool MovieGraph::Keeps(const wchar_t* pszPath) const
{
    return m_ullKeptAt && ::CompareStringOrdinal(m_strPath.c_str(), -1, pszPath, -1, TRUE) == CSTR_EQUAL;
}

// Back to the start, with what the last run left among the events dropped.
void MovieGraph::Rewind()
{
    long nCode = 0;
    while (NextEvent(nCode)) {
    }
    SeekToStart();
}

// A kept graph is not run from its end (StopAtTheEnd): whatever its parser
// still holds goes with the seek that takes it up again, or with its Close.
void MovieGraph::Keep()
{
    if (!m_spGraph) return;
    m_spControl->Stop();
    m_llZeroAt = 0;
    if (m_spVideo) m_spVideo->put_Visible(OAFALSE);
    m_ullKeptAt = ::GetTickCount64();
}

HRESULT MovieGraph::Build(const wchar_t* pszPath)
{
    HRESULT hr =
        ::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, &m_spGraph);
    if (FAILED(hr)) return hr;
    // The GDI renderer draws into an ordinary child window, which the video
    // renderer the graph would pick by itself does not always do.
    ComPtr<IBaseFilter> spRenderer;
    if (SUCCEEDED(
            ::CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, &spRenderer))) {
        m_spGraph->AddFilter(spRenderer.Get(), L"Video Renderer");
        spRenderer->QueryInterface(IID_IMediaSeeking, &m_spRendererSeeking);
    }
    // A stream that cannot be rendered beside one that can (VFW_S_...) still
    // plays what it can.
    hr = m_spGraph->RenderFile(pszPath, nullptr);
    if (FAILED(hr)) return hr;
    // The graph manager answers all of these; audio and video pass the calls
    // on to whichever renderers the file brought.
    if (FAILED(hr = m_spGraph->QueryInterface(IID_IMediaControl, &m_spControl)) ||
        FAILED(hr = m_spGraph->QueryInterface(IID_IMediaPosition, &m_spPosition)) ||
        FAILED(hr = m_spGraph->QueryInterface(IID_IMediaEventEx, &m_spEvents)) ||
        FAILED(hr = m_spGraph->QueryInterface(IID_IBasicAudio, &m_spAudio)) ||
        FAILED(hr = m_spGraph->QueryInterface(IID_IVideoWindow, &m_spVideo)))
        return hr;
    m_bWineParser = HasFilter(kWineGStreamerParser);
    if (!m_bWineParser) m_spRendererSeeking.Reset();
    SeekToStart();
    return S_OK;
}

bool MovieGraph::HasFilter(REFCLSID clsid) const
{
    ComPtr<IEnumFilters> spEnum;
    if (FAILED(m_spGraph->EnumFilters(&spEnum))) return false;
    bool bFound = false;
    ComPtr<IBaseFilter> spFilter;
    while (!bFound && spEnum->Next(1, &spFilter, nullptr) == S_OK) {
        CLSID found = {};
        bFound = SUCCEEDED(spFilter->GetClassID(&found)) && found == clsid;
    }
    return bFound;
}

// Wine's GStreamer parser stops a stream at the duration GStreamer reports.
// For an MPEG program stream that duration is counted from the stream's
// first timestamp, while the pictures keep the file's own timestamps, which
// begin at that same point (0.54 s into the files ffmpeg writes): the last
// quarter of a 2-second movie was cut (1.72 s reported). With no stop (0, to
// that parser) it runs every stream to its real end (a stop set beyond it is
// cut to that duration by GStreamer). Windows' splitters are not this filter
// and keep their own stop.
void MovieGraph::SeekToStart()
{
    const LONGLONG llNoStop = 0;
    SetPositions(0, m_bWineParser ? &llNoStop : nullptr);
}

// Positions of the stopped graph, in 100 ns units; without pStop the stop
// stays where it is.
void MovieGraph::SetPositions(LONGLONG llStart, const LONGLONG* pStop)
{
    ComPtr<IMediaSeeking> spSeeking;
    if (FAILED(m_spGraph->QueryInterface(IID_IMediaSeeking, &spSeeking))) return;
    LONGLONG llStop = pStop ? *pStop : 0;
    spSeeking->SetPositions(&llStart, AM_SEEKING_AbsolutePositioning, &llStop,
                            pStop ? AM_SEEKING_AbsolutePositioning : AM_SEEKING_NoPositioning);
    m_bEnded = false;
}

// Under Wine 8 a stream stopped before its end keeps the decoded picture
// waiting in the parser, and with it the decoder's pool of pictures, for as
// long as the process lives, even once the graph is released: about 7 MB
// for each 1280x720 movie the settings preview left on a change of
// selection, until a long session ran out of address space. Paused from its
// end, every stream reaches its end at once and lets go of what it held.
// Seeking the stopped graph keeps clear of the audio renderer's trouble with
// a running one (see SetPosition). On Windows this costs a pause. Only a
// graph about to be released is run so: the stop it sets stays with
// GStreamer's MPEG demuxer, which cuts every stop to the duration it reports
// (the 1.72 s of the 2-second .mpg) and keeps it through the later seeks of
// Wine's parser, which sets no stop for a stop of 0; a graph taken up again
// would end there. A movie that has ended by itself holds nothing.
void MovieGraph::StopAtTheEnd()
{
    m_spControl->Stop();
    m_llZeroAt = 0;
    if (m_bEnded) return;
    ComPtr<IMediaSeeking> spSeeking;
    LONGLONG llEnd = 0;
    if (FAILED(m_spGraph->QueryInterface(IID_IMediaSeeking, &spSeeking)) || FAILED(spSeeking->GetDuration(&llEnd)) ||
        llEnd <= 0)
        return;
    SetPositions(llEnd, &llEnd);
    OAFilterState state = State_Stopped;
    m_spControl->Pause();
    m_spControl->GetState(kEndWaitMs, &state);
    m_spControl->Stop();
}

void MovieGraph::AttachVideoWindow(HWND hwndOwner, UINT nNotifyMessage)
{
    if (m_spEvents) m_spEvents->SetNotifyWindow((OAHWND)hwndOwner, nNotifyMessage, 0);
    if (!m_spVideo) return;
    // A movie without video has no video window; that is no failure.
    if (FAILED(m_spVideo->put_Owner((OAHWND)hwndOwner))) {
        m_spVideo.Reset();
        return;
    }
    m_spVideo->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS);
    if (BSTR caption = ::SysAllocString(kVideoCaption)) {
        m_spVideo->put_Caption(caption);
        ::SysFreeString(caption);
    }
    // Input over the picture is the control's input.
    m_spVideo->put_MessageDrain((OAHWND)hwndOwner);
    KeepPixelsUnderVideoWindow(hwndOwner);
    RECT rc;
    ::GetClientRect(hwndOwner, &rc);
    FitVideo(rc);
    m_spVideo->put_Visible(OATRUE);
}

// Wine registers the renderer's window class with a black brush, so a newly
// shown video window is erased to black before the renderer draws its first
// frame into it. Without a brush it keeps the pixels beneath it: the last
// picture of the previous movie, which the owner goes on showing. Windows'
// renderer paints its window from its current image, so there this changes
// nothing.
void MovieGraph::KeepPixelsUnderVideoWindow(HWND hwndOwner)
{
    if (HWND hwndVideo = ::FindWindowExW(hwndOwner, nullptr, nullptr, kVideoCaption))
        ::SetClassLongPtrW(hwndVideo, GCLP_HBRBACKGROUND, 0);
}

void MovieGraph::Close()
{
    if (m_spControl) StopAtTheEnd();
    if (m_spVideo) {
        m_spVideo->put_Visible(OAFALSE);
        m_spVideo->put_MessageDrain(0);
        m_spVideo->put_Owner(0);
    }
    if (m_spEvents) m_spEvents->SetNotifyWindow(0, 0, 0);
    m_spVideo.Reset();
    m_spRendererSeeking.Reset();
    m_spAudio.Reset();
    m_spEvents.Reset();
    m_spPosition.Reset();
    m_spControl.Reset();
    m_spGraph.Reset();
    m_strPath.clear();
    m_ullKeptAt = 0;
    m_bWineParser = false;
    m_bEnded = false;
    m_llZeroAt = 0;
}

void MovieGraph::Cue()
{
    if (m_spControl) m_spControl->Pause();
}

bool MovieGraph::IsCued() const
{
    OAFilterState state = State_Stopped;
    return !m_spControl || m_spControl->GetState(0, &state) != VFW_S_STATE_INTERMEDIATE;
}

void MovieGraph::Run()
{
    if (!m_spControl) return;
    m_llZeroAt = 0;
    if (!RunFromFirstPicture()) m_spControl->Run();
}

// Wine's parser stamps each picture with the file's own time, and the
// renderer waits for the clock to reach it: an MPEG program stream that
// ffmpeg wrote begins at 0.54 s, and its first picture stood that much
// longer than any other (a seek to that time lands 7 frames late in
// GStreamer's demuxer). Wine's Run also starts the stream 200 ms after the
// call, for filters not yet paused, during which the cued first picture
// stands still. So a cued graph on that parser is run with the stream's
// clock set to the time of the picture the renderer holds, a moment ahead:
// every movie moves on from its first picture at once. Windows' splitters
// stamp the first picture 0 and are run as they always were.
bool MovieGraph::RunFromFirstPicture()
{
    OAFilterState state = State_Stopped;
    LONGLONG llFirst = 0;
    if (!m_spRendererSeeking || m_spControl->GetState(0, &state) != S_OK || state != State_Paused ||
        FAILED(m_spRendererSeeking->GetCurrentPosition(&llFirst)) || !IsAtStart())
        return false;
    ComPtr<IMediaFilter> spFilter;
    REFERENCE_TIME now = 0;
    bool bRun = GetClockTime(now) && SUCCEEDED(m_spGraph->QueryInterface(IID_IMediaFilter, &spFilter)) &&
                SUCCEEDED(spFilter->Run(now + kRunLead - llFirst));
    if (bRun) m_llZeroAt = now + kRunLead;
    return bRun;
}

// The graph's reference clock's time, in 100 ns units.
bool MovieGraph::GetClockTime(REFERENCE_TIME& now) const
{
    ComPtr<IMediaFilter> spFilter;
    ComPtr<IReferenceClock> spClock;
    return SUCCEEDED(m_spGraph->QueryInterface(IID_IMediaFilter, &spFilter)) &&
           SUCCEEDED(spFilter->GetSyncSource(&spClock)) && spClock && SUCCEEDED(spClock->GetTime(&now));
}

// The renderer's picture times count from the last seek; only a graph
// paused where the movie starts is run from its first picture.
bool MovieGraph::IsAtStart() const
{
    REFTIME t = 0.0;
    return m_spPosition && SUCCEEDED(m_spPosition->get_CurrentPosition(&t)) && t == 0.0;
}

void MovieGraph::Stop()
{
    if (m_spControl) m_spControl->Stop();
    SetPosition(0.0);
}

// The graph counts its position from the start time of its own Run, which
// a graph run from its first picture did not use.
double MovieGraph::GetPosition() const
{
    REFERENCE_TIME now = 0;
    if (m_llZeroAt) return GetClockTime(now) && now > m_llZeroAt ? (now - m_llZeroAt) / 1e7 : 0.0;
    REFTIME t = 0.0;
    if (!m_spPosition || FAILED(m_spPosition->get_CurrentPosition(&t))) return 0.0;
    return t;
}

void MovieGraph::SetPosition(double dSeconds)
{
    if (!m_spPosition || !m_spControl) return;
    // Seeking a running or paused graph leaves the audio renderer's stream
    // stuck so that the next Stop never returns (Wine's quartz): seek the
    // stopped graph and start it again.
    OAFilterState state = State_Stopped;
    m_spControl->GetState(500, &state);
    if (state != State_Stopped) m_spControl->Stop();
    m_llZeroAt = 0;
    m_bEnded = false;
    m_spPosition->put_CurrentPosition(dSeconds);
    if (state == State_Running) m_spControl->Run();
    else if (state == State_Paused) m_spControl->Pause();
}

void MovieGraph::SetVolume(long nVolume)
{
    if (m_spAudio) m_spAudio->put_Volume(VolumeToAttenuation(nVolume));
}

long MovieGraph::GetAttenuation() const
{
    long n = 0;
    if (m_spAudio && !m_ullKeptAt) m_spAudio->get_Volume(&n);
    return n;
}

void MovieGraph::FitVideo(const RECT& rcClient)
{
    if (m_spVideo) m_spVideo->SetWindowPosition(0, 0, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
}

bool MovieGraph::NextEvent(long& nCode)
{
    LONG_PTR p1 = 0, p2 = 0;
    if (!m_spEvents || m_spEvents->GetEvent(&nCode, &p1, &p2, 0) != S_OK) return false;
    m_spEvents->FreeEventParams(nCode, p1, p2);
    if (nCode == EC_COMPLETE) m_bEnded = true;
    return true;
}

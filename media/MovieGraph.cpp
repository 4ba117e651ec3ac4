#include "media/MovieGraph.h"
#include <wrl/client.h>
#include <cmath>
#include <vector>

namespace {
// The renderer's video window is given this caption, by which it is found.
const wchar_t kVideoCaption[] = L"Driftreel video";
// Wine's parser of every container, built on GStreamer.
const CLSID kWineGStreamerParser = { 0xF9D8D64E, 0xA144, 0x47DC, { 0x8E, 0xE0, 0xF5, 0x34, 0x98, 0x37, 0x2C, 0x29 } };

// Longest wait for a graph started from its end to reach it.
const DWORD kEndWaitMs = 500;
// How far ahead of the clock a cued graph's stream starts (100 ns units).
const REFERENCE_TIME kRunLead = 20 * 10000;

template <class T>
void SafeRelease(T*& p)
{
    if (p) p->Release();
    p = nullptr;
}
}

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
    if (!m_pGraph) return;
    m_pControl->Stop();
    m_llZeroAt = 0;
    if (m_pVideo) m_pVideo->put_Visible(OAFALSE);
    m_ullKeptAt = ::GetTickCount64();
}

HRESULT MovieGraph::Build(const wchar_t* pszPath)
{
    HRESULT hr = ::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                    (void**)&m_pGraph);
    if (FAILED(hr)) return hr;
    // The GDI renderer draws into an ordinary child window, which the video
    // renderer the graph would pick by itself does not always do.
    IBaseFilter* pRenderer = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                     (void**)&pRenderer))) {
        m_pGraph->AddFilter(pRenderer, L"Video Renderer");
        pRenderer->QueryInterface(IID_IMediaSeeking, (void**)&m_pRendererSeeking);
        pRenderer->Release();
    }
    // A stream that cannot be rendered beside one that can (VFW_S_...) still
    // plays what it can.
    hr = m_pGraph->RenderFile(pszPath, nullptr);
    if (FAILED(hr)) return hr;
    m_pGraph->QueryInterface(IID_IMediaControl, (void**)&m_pControl);
    m_pGraph->QueryInterface(IID_IMediaPosition, (void**)&m_pPosition);
    m_pGraph->QueryInterface(IID_IMediaEventEx, (void**)&m_pEvents);
    m_pGraph->QueryInterface(IID_IBasicAudio, (void**)&m_pAudio);
    m_pGraph->QueryInterface(IID_IVideoWindow, (void**)&m_pVideo);
    if (!m_pControl) return E_NOINTERFACE;
    m_bWineParser = HasFilter(kWineGStreamerParser);
    if (!m_bWineParser) SafeRelease(m_pRendererSeeking);
    SeekToStart();
    return S_OK;
}

bool MovieGraph::HasFilter(REFCLSID clsid) const
{
    IEnumFilters* pEnum = nullptr;
    if (FAILED(m_pGraph->EnumFilters(&pEnum))) return false;
    bool bFound = false;
    IBaseFilter* pFilter = nullptr;
    while (!bFound && pEnum->Next(1, &pFilter, nullptr) == S_OK) {
        CLSID found = {};
        bFound = SUCCEEDED(pFilter->GetClassID(&found)) && found == clsid;
        pFilter->Release();
    }
    pEnum->Release();
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
    IMediaSeeking* pSeeking = nullptr;
    if (FAILED(m_pGraph->QueryInterface(IID_IMediaSeeking, (void**)&pSeeking))) return;
    LONGLONG llStop = pStop ? *pStop : 0;
    pSeeking->SetPositions(&llStart, AM_SEEKING_AbsolutePositioning, &llStop,
                           pStop ? AM_SEEKING_AbsolutePositioning : AM_SEEKING_NoPositioning);
    pSeeking->Release();
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
    m_pControl->Stop();
    m_llZeroAt = 0;
    if (m_bEnded) return;
    IMediaSeeking* pSeeking = nullptr;
    if (FAILED(m_pGraph->QueryInterface(IID_IMediaSeeking, (void**)&pSeeking))) return;
    LONGLONG llEnd = 0;
    HRESULT hr = pSeeking->GetDuration(&llEnd);
    pSeeking->Release();
    if (FAILED(hr) || llEnd <= 0) return;
    SetPositions(llEnd, &llEnd);
    OAFilterState state = State_Stopped;
    m_pControl->Pause();
    m_pControl->GetState(kEndWaitMs, &state);
    m_pControl->Stop();
}

void MovieGraph::AttachVideoWindow(HWND hwndOwner, UINT nNotifyMessage)
{
    if (m_pEvents) m_pEvents->SetNotifyWindow((OAHWND)hwndOwner, nNotifyMessage, 0);
    if (!m_pVideo) return;
    // A movie without video has no video window; that is no failure.
    if (FAILED(m_pVideo->put_Owner((OAHWND)hwndOwner))) {
        SafeRelease(m_pVideo);
        return;
    }
    m_pVideo->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS);
    if (BSTR caption = ::SysAllocString(kVideoCaption)) {
        m_pVideo->put_Caption(caption);
        ::SysFreeString(caption);
    }
    // Input over the picture is the control's input.
    m_pVideo->put_MessageDrain((OAHWND)hwndOwner);
    KeepPixelsUnderVideoWindow(hwndOwner);
    RECT rc;
    ::GetClientRect(hwndOwner, &rc);
    FitVideo(rc);
    m_pVideo->put_Visible(OATRUE);
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
    if (m_pControl) StopAtTheEnd();
    if (m_pVideo) {
        m_pVideo->put_Visible(OAFALSE);
        m_pVideo->put_MessageDrain(0);
        m_pVideo->put_Owner(0);
    }
    if (m_pEvents) m_pEvents->SetNotifyWindow(0, 0, 0);
    SafeRelease(m_pVideo);
    SafeRelease(m_pRendererSeeking);
    SafeRelease(m_pAudio);
    SafeRelease(m_pEvents);
    SafeRelease(m_pPosition);
    SafeRelease(m_pControl);
    SafeRelease(m_pGraph);
    m_strPath.clear();
    m_ullKeptAt = 0;
    m_bWineParser = false;
    m_bEnded = false;
    m_llZeroAt = 0;
}

void MovieGraph::Cue()
{
    if (m_pControl) m_pControl->Pause();
}

bool MovieGraph::IsCued() const
{
    OAFilterState state = State_Stopped;
    return !m_pControl || m_pControl->GetState(0, &state) != VFW_S_STATE_INTERMEDIATE;
}

void MovieGraph::Run()
{
    if (!m_pControl) return;
    m_llZeroAt = 0;
    if (!RunFromFirstPicture()) m_pControl->Run();
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
    if (!m_pRendererSeeking || m_pControl->GetState(0, &state) != S_OK || state != State_Paused ||
        FAILED(m_pRendererSeeking->GetCurrentPosition(&llFirst)) || !IsAtStart())
        return false;
    IMediaFilter* pFilter = nullptr;
    REFERENCE_TIME now = 0;
    bool bRun = GetClockTime(now) && SUCCEEDED(m_pGraph->QueryInterface(IID_IMediaFilter, (void**)&pFilter)) &&
                SUCCEEDED(pFilter->Run(now + kRunLead - llFirst));
    if (bRun) m_llZeroAt = now + kRunLead;
    SafeRelease(pFilter);
    return bRun;
}

// The graph's reference clock's time, in 100 ns units.
bool MovieGraph::GetClockTime(REFERENCE_TIME& now) const
{
    IMediaFilter* pFilter = nullptr;
    IReferenceClock* pClock = nullptr;
    bool bTime = SUCCEEDED(m_pGraph->QueryInterface(IID_IMediaFilter, (void**)&pFilter)) &&
                 SUCCEEDED(pFilter->GetSyncSource(&pClock)) && pClock && SUCCEEDED(pClock->GetTime(&now));
    SafeRelease(pClock);
    SafeRelease(pFilter);
    return bTime;
}

// The renderer's picture times count from the last seek; only a graph
// paused where the movie starts is run from its first picture.
bool MovieGraph::IsAtStart() const
{
    REFTIME t = 0.0;
    return m_pPosition && SUCCEEDED(m_pPosition->get_CurrentPosition(&t)) && t == 0.0;
}

void MovieGraph::Stop()
{
    if (m_pControl) m_pControl->Stop();
    SetPosition(0.0);
}

// The graph counts its position from the start time of its own Run, which
// a graph run from its first picture did not use.
double MovieGraph::GetPosition() const
{
    REFERENCE_TIME now = 0;
    if (m_llZeroAt) return GetClockTime(now) && now > m_llZeroAt ? (now - m_llZeroAt) / 1e7 : 0.0;
    REFTIME t = 0.0;
    if (!m_pPosition || FAILED(m_pPosition->get_CurrentPosition(&t))) return 0.0;
    return t;
}

void MovieGraph::SetPosition(double dSeconds)
{
    if (!m_pPosition || !m_pControl) return;
    // Seeking a running or paused graph leaves the audio renderer's stream
    // stuck so that the next Stop never returns (Wine's quartz): seek the
    // stopped graph and start it again.
    OAFilterState state = State_Stopped;
    m_pControl->GetState(500, &state);
    if (state != State_Stopped) m_pControl->Stop();
    m_llZeroAt = 0;
    m_bEnded = false;
    m_pPosition->put_CurrentPosition(dSeconds);
    if (state == State_Running) m_pControl->Run();
    else if (state == State_Paused) m_pControl->Pause();
}

void MovieGraph::SetVolume(long nVolume)
{
    if (m_pAudio) m_pAudio->put_Volume(VolumeToAttenuation(nVolume));
}

long MovieGraph::GetAttenuation() const
{
    long n = 0;
    if (m_pAudio && !m_ullKeptAt) m_pAudio->get_Volume(&n);
    return n;
}

void MovieGraph::FitVideo(const RECT& rcClient)
{
    if (m_pVideo) m_pVideo->SetWindowPosition(0, 0, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
}

bool MovieGraph::NextEvent(long& nCode)
{
    LONG_PTR p1 = 0, p2 = 0;
    if (!m_pEvents || m_pEvents->GetEvent(&nCode, &p1, &p2, 0) != S_OK) return false;
    m_pEvents->FreeEventParams(nCode, p1, p2);
    if (nCode == EC_COMPLETE) m_bEnded = true;
    return true;
}

bool MovieGraph::DrawCurrentImage(HDC hDC, const RECT& rc) const
{
    Microsoft::WRL::ComPtr<IBasicVideo> spVideo;
    long cx = 0, cy = 0;
    if (!m_pGraph || FAILED(m_pGraph->QueryInterface(IID_IBasicVideo, &spVideo)) ||
        FAILED(spVideo->GetVideoSize(&cx, &cy)) || cx <= 0 || cy <= 0)
        return false;
    // A packed bitmap: its header, the colour masks or table, the pixels of
    // up to 32 bits. Wine answers no query of the size alone.
    long cbImage = (long)(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)) + cx * cy * 4;
    std::vector<BYTE> image((size_t)cbImage);
    if (FAILED(spVideo->GetCurrentImage(&cbImage, reinterpret_cast<long*>(image.data())))) return false;
    const auto* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    DWORD nColours = pHeader->biClrUsed;
    if (!nColours && pHeader->biBitCount <= 8) nColours = 1u << pHeader->biBitCount;
    size_t cbBefore = pHeader->biSize + nColours * sizeof(RGBQUAD) + (pHeader->biCompression == BI_BITFIELDS ? 12 : 0);
    if (cbBefore >= image.size()) return false;
    ::SetStretchBltMode(hDC, COLORONCOLOR);
    return ::StretchDIBits(hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, 0, 0, pHeader->biWidth,
                           std::abs(pHeader->biHeight), image.data() + cbBefore,
                           reinterpret_cast<const BITMAPINFO*>(pHeader), DIB_RGB_COLORS, SRCCOPY) != 0;
}

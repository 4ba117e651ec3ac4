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

// Wine's DirectShow loses memory and handles with every graph that has
// played, enough over a night of one short movie to fill the address space;
// taking up the parked graph of the same file costs neither that nor a build.
HRESULT MovieGraph::Open(const wchar_t* pszPath, HWND hwndOwner, UINT nNotifyMessage)
{
    if (IsParkedWith(pszPath)) {
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
    m_ullParkedAt = 0;
    AttachVideoWindow(hwndOwner, nNotifyMessage);
    return S_OK;
}

bool MovieGraph::IsParkedWith(const wchar_t* pszPath) const
{
    return m_ullParkedAt && ::CompareStringOrdinal(m_strPath.c_str(), -1, pszPath, -1, TRUE) == CSTR_EQUAL;
}

// Back to the start, with what the last run left among the events dropped.
void MovieGraph::Rewind()
{
    long nCode = 0;
    while (NextEvent(nCode)) {
    }
    SeekToStart();
}

// A parked graph is not run from its end (StopAtTheEnd): whatever its parser
// still holds goes with the seek that takes it up again, or with its Close.
void MovieGraph::Park()
{
    if (!m_spGraph) return;
    m_spControl->Stop();
    m_llZeroAt = 0;
    if (m_spVideo) m_spVideo->put_Visible(OAFALSE);
    m_ullParkedAt = ::GetTickCount64();
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

// Wine's GStreamer parser stops a stream at the duration GStreamer reports,
// which for an MPEG program stream falls short of its last pictures (their
// timestamps do not start at 0); with no stop (0, to that parser) every
// stream runs to its real end. Windows' splitters keep their own stop.
void MovieGraph::SeekToStart()
{
    const LONGLONG llNoStop = 0;
    SeekStoppedGraph(0, m_bWineParser ? &llNoStop : nullptr);
}

// Seeks the stopped graph to llStart and, with pStop, sets its stop (100 ns
// units); without pStop the stop stays where it is.
void MovieGraph::SeekStoppedGraph(LONGLONG llStart, const LONGLONG* pStop)
{
    ComPtr<IMediaSeeking> spSeeking;
    if (FAILED(m_spGraph->QueryInterface(IID_IMediaSeeking, &spSeeking))) return;
    LONGLONG llStop = pStop ? *pStop : 0;
    spSeeking->SetPositions(&llStart, AM_SEEKING_AbsolutePositioning, &llStop,
                            pStop ? AM_SEEKING_AbsolutePositioning : AM_SEEKING_NoPositioning);
    m_bEnded = false;
}

// Wine's parser keeps the pictures of a stream stopped before its end, and
// the decoder's pool with them, for the life of the process; paused from its
// end, every stream ends and lets go of them. Only a graph about to be
// released is run so, since GStreamer's MPEG demuxer keeps the stop this
// sets and would end every later run there. The seek is made stopped (see
// SetPosition); a movie that has ended by itself holds nothing.
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
    SeekStoppedGraph(llEnd, &llEnd);
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
    KeepPixelsUnderVideoWindow(hwndOwner);
    PassInputToOwner(hwndOwner);
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

// Input over the picture is the owner's input, where the picture need not
// cover the owner: the system's hit test passes over a disabled child, so
// the owner gets it in its own coordinates (the renderer's message drain
// would pass it on in the video window's). The renderer refuses WS_DISABLED
// as a window style.
void MovieGraph::PassInputToOwner(HWND hwndOwner)
{
    for (HWND hwndVideo = ::FindWindowExW(hwndOwner, nullptr, nullptr, kVideoCaption); hwndVideo;
         hwndVideo = ::FindWindowExW(hwndOwner, hwndVideo, nullptr, kVideoCaption))
        ::EnableWindow(hwndVideo, FALSE);
}

void MovieGraph::Close()
{
    if (m_spControl) StopAtTheEnd();
    if (m_spVideo) {
        m_spVideo->put_Visible(OAFALSE);
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
    m_ullParkedAt = 0;
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

// Wine's parser stamps each picture with the file's own time, which need
// not start at 0, and Wine's Run starts the stream a while after the call:
// either way the cued first picture would stand still. A cued graph on that
// parser is therefore run with its clock set a moment ahead of the time of
// the picture the renderer holds, so it moves on from it at once. Windows'
// splitters stamp the first picture 0 and are run plainly.
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
    if (m_spAudio && !m_ullParkedAt) m_spAudio->get_Volume(&n);
    return n;
}

// The renderer's picture, where the movie has video.
ComPtr<IBasicVideo> MovieGraph::BasicVideo() const
{
    ComPtr<IBasicVideo> spVideo;
    if (m_spVideo) m_spGraph->QueryInterface(IID_IBasicVideo, &spVideo);
    return spVideo;
}

SIZE MovieGraph::GetVideoSize() const
{
    ComPtr<IBasicVideo> spVideo = BasicVideo();
    long cx = 0, cy = 0;
    if (!spVideo || FAILED(spVideo->GetVideoSize(&cx, &cy))) return {};
    return { cx, cy };
}

void MovieGraph::ShowVideo(const RECT& rc)
{
    if (!m_spVideo) return;
    FitVideo(rc);
    m_spVideo->put_Visible(OATRUE);
}

void MovieGraph::FitVideo(const RECT& rc)
{
    if (m_spVideo) m_spVideo->SetWindowPosition(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

bool MovieGraph::NextEvent(long& nCode)
{
    LONG_PTR p1 = 0, p2 = 0;
    if (!m_spEvents || m_spEvents->GetEvent(&nCode, &p1, &p2, 0) != S_OK) return false;
    m_spEvents->FreeEventParams(nCode, p1, p2);
    if (nCode == EC_COMPLETE) m_bEnded = true;
    return true;
}

bool MovieGraph::DrawCurrentImage(HDC hDC, const RECT& rc) const
{
    ComPtr<IBasicVideo> spVideo = BasicVideo();
    const SIZE size = GetVideoSize();
    if (!spVideo || size.cx <= 0 || size.cy <= 0) return false;
    // A packed bitmap: its header, the colour masks or table, the pixels of
    // up to 32 bits. Wine answers no query of the size alone.
    long cbImage = (long)(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)) + size.cx * size.cy * 4;
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

// A DirectShow filter graph that plays one movie file inside a window: the
// GDI video renderer, its video window owned by that window and placed where
// the window says, and the graph's events notified to it. A closed movie's graph is
// parked, stopped and hidden, until it is closed or opens another file:
// opening the same file again takes it up from the start instead of building
// it anew.
#pragma once
#include <windows.h>
#include <dshow.h>
#include <wrl/client.h>
#include <string>

class MovieGraph {
public:
    MovieGraph() = default;
    ~MovieGraph() { Close(); }
    MovieGraph(const MovieGraph&) = delete;
    MovieGraph& operator=(const MovieGraph&) = delete;

    // Builds the graph for pszPath, or takes up the parked one of the same
    // file; its events arrive at hwndOwner as nNotifyMessage. A failure of
    // the graph builder is returned as it is. The video window shows from
    // ShowVideo on.
    HRESULT Open(const wchar_t* pszPath, HWND hwndOwner, UINT nNotifyMessage);
    // Stops the movie and hides its window; the graph stays built for Open.
    void Park();
    // Releases the graph, parked or not.
    void Close();
    // Whether Open of pszPath would take up this parked graph.
    bool IsParkedWith(const wchar_t* pszPath) const;
    // When the graph was last parked; 0 while it is open or after Close.
    ULONGLONG ParkedSince() const { return m_ullParkedAt; }

    // Pauses the new graph, so that the decoder gets its first picture ready
    // and Run starts from it on the clock instead of dropping the start
    // while the pipeline warms up; IsCued tells when it is there.
    void Cue();
    bool IsCued() const;
    void Run();
    // Stops and rewinds to the start.
    void Stop();
    double GetPosition() const;
    void SetPosition(double dSeconds);
    // 0..100, mapped onto the renderer's attenuation.
    void SetVolume(long nVolume);
    // The audio renderer's attenuation in hundredths of a decibel (0 when
    // the movie has no sound).
    long GetAttenuation() const;
    // The movie's own picture size; 0 by 0 for a movie without video.
    SIZE GetVideoSize() const;
    // Places the video window at rc of the owner's client area, and shows it.
    void ShowVideo(const RECT& rc);
    void FitVideo(const RECT& rc);
    // Draws the picture the paused renderer holds over rc of hDC; false
    // when it holds none.
    bool DrawCurrentImage(HDC hDC, const RECT& rc) const;
    // Takes the next pending graph event; false when there is none.
    bool NextEvent(long& nCode);

private:
    HRESULT Build(const wchar_t* pszPath);
    bool HasFilter(REFCLSID clsid) const;
    void SeekToStart();
    void SeekStoppedGraph(LONGLONG llStart, const LONGLONG* pStop);
    void StopAtTheEnd();
    bool RunFromFirstPicture();
    bool IsAtStart() const;
    bool GetClockTime(REFERENCE_TIME& now) const;
    void Rewind();
    void AttachVideoWindow(HWND hwndOwner, UINT nNotifyMessage);
    static void KeepPixelsUnderVideoWindow(HWND hwndOwner);
    static void PassInputToOwner(HWND hwndOwner);

    Microsoft::WRL::ComPtr<IBasicVideo> BasicVideo() const;

    Microsoft::WRL::ComPtr<IGraphBuilder> m_spGraph;
    Microsoft::WRL::ComPtr<IMediaControl> m_spControl;
    Microsoft::WRL::ComPtr<IMediaPosition> m_spPosition;
    Microsoft::WRL::ComPtr<IMediaEventEx> m_spEvents;
    Microsoft::WRL::ComPtr<IBasicAudio> m_spAudio;
    Microsoft::WRL::ComPtr<IVideoWindow> m_spVideo;
    // The renderer's seeking, which tells the time of the picture it holds;
    // kept only on Wine's parser.
    Microsoft::WRL::ComPtr<IMediaSeeking> m_spRendererSeeking;
    std::wstring m_strPath;
    bool m_bWineParser = false;
    // Every stream has reached its end (EC_COMPLETE) since the last seek.
    bool m_bEnded = false;
    // The reference clock's time of the movie's start while it runs from
    // its first picture (RunFromFirstPicture); 0 otherwise.
    REFERENCE_TIME m_llZeroAt = 0;
    // When the graph was parked (system ticks); 0 while open or closed.
    ULONGLONG m_ullParkedAt = 0;
};

// The renderer's attenuation for a volume of 0..100: silence at 0, 0 dB at
// 100, 20·log10 of the fraction in between.
long VolumeToAttenuation(long nVolume);
// Failures of RenderFile that mean no decoder could be found for a stream.
bool IsMissingCodec(HRESULT hr);

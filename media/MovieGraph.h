// A DirectShow filter graph that plays one movie file inside a window: the
// GDI video renderer, its video window owned by that window and stretched to
// it, and the graph's events notified to it. A closed movie's graph is kept,
// stopped and hidden, until it is closed or opens another file: opening the
// same file again takes it up from the start instead of building it anew.
#pragma once
#include <windows.h>
#include <dshow.h>
#include <string>

class MovieGraph {
public:
    MovieGraph() = default;
    ~MovieGraph() { Close(); }
    MovieGraph(const MovieGraph&) = delete;
    MovieGraph& operator=(const MovieGraph&) = delete;

    // Builds the graph for pszPath, or takes up the kept one of the same
    // file; its events arrive at hwndOwner as nNotifyMessage. A failure of
    // the graph builder is returned as it is.
    HRESULT Open(const wchar_t* pszPath, HWND hwndOwner, UINT nNotifyMessage);
    // Stops the movie and hides its window, keeping the graph for Open.
    void Keep();
    // Releases the graph, kept or not.
    void Close();
    // Whether Open of pszPath would take up this kept graph.
    bool Keeps(const wchar_t* pszPath) const;
    // When the graph was last kept; 0 while it is open or after Close.
    ULONGLONG KeptSince() const { return m_ullKeptAt; }

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
    void FitVideo(const RECT& rcClient);
    // Draws the picture the paused renderer holds over rc of hDC; false
    // when it holds none.
    bool DrawCurrentImage(HDC hDC, const RECT& rc) const;
    // Takes the next pending graph event; false when there is none.
    bool NextEvent(long& nCode);

private:
    HRESULT Build(const wchar_t* pszPath);
    bool HasFilter(REFCLSID clsid) const;
    void SeekToStart();
    void SetPositions(LONGLONG llStart, const LONGLONG* pStop);
    void StopAtTheEnd();
    bool RunFromFirstPicture();
    bool IsAtStart() const;
    bool GetClockTime(REFERENCE_TIME& now) const;
    void Rewind();
    void AttachVideoWindow(HWND hwndOwner, UINT nNotifyMessage);
    static void KeepPixelsUnderVideoWindow(HWND hwndOwner);

    IGraphBuilder* m_pGraph = nullptr;
    IMediaControl* m_pControl = nullptr;
    IMediaPosition* m_pPosition = nullptr;
    IMediaEventEx* m_pEvents = nullptr;
    IBasicAudio* m_pAudio = nullptr;
    IVideoWindow* m_pVideo = nullptr;
    // The renderer's seeking, which tells the time of the picture it holds;
    // kept only on Wine's parser.
    IMediaSeeking* m_pRendererSeeking = nullptr;
    std::wstring m_strPath;
    bool m_bWineParser = false;
    // Every stream has reached its end (EC_COMPLETE) since the last seek.
    bool m_bEnded = false;
    // The reference clock's time of the movie's start while it runs from
    // its first picture (RunFromFirstPicture); 0 otherwise.
    REFERENCE_TIME m_llZeroAt = 0;
    // When the graph was kept (system ticks); 0 while open or closed.
    ULONGLONG m_ullKeptAt = 0;
};

// The renderer's attenuation for a volume of 0..100: silence at 0, 0 dB at
// 100, 20·log10 of the fraction in between.
long VolumeToAttenuation(long nVolume);
// Failures of RenderFile that mean no decoder could be found for a stream.
bool IsMissingCodec(HRESULT hr);

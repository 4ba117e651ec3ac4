// Our own media player control, for systems where the platform's control
// cannot serve: movies through a DirectShow graph inside the control's
// window, pictures drawn into it, and the platform control's state reports
// and input events.
#pragma once
#include "media/HeldPicture.h"
#include "media/MediaInput.h"
#include "media/MediaPlayerObject.h"
#include "media/MovieGraph.h"
#include "media/PictureView.h"
#include <string>

class DirectShowPlayer : public MediaPlayerObject {
public:
    DirectShowPlayer() = default;

    void PutURL(const wchar_t* pszURL) override;
    void CloseMedia() override;
    long GetPlayState() override { return m_nPlayState; }
    void Play() override;
    void Stop() override;
    double GetCurrentPosition() override;
    void PutCurrentPosition(double dSeconds) override;
    void PutVolume(long nVolume) override;
    void PutEnableErrorDialogs(BOOL bEnable) override { m_bErrorDialogs = bEnable; }

    // The audio renderer's attenuation (hundredths of a dB) of the open movie.
    long GetAttenuation() const { return m_pGraph->GetAttenuation(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyWindow() override;

private:
    enum class Media { None, Movie, Picture };
    // Opens m_strURL and reports it ready; false when it cannot be opened.
    bool OpenMedia();
    HRESULT LoadMedia();
    int ChooseGraph(const wchar_t* pszPath) const;
    void StartCue();
    void OnCueTimer();
    void EndCue();
    void ReportMissingCodec();
    void AwaitNextURL();
    void OnCloseHandled();
    // UnloadMedia, after holding what a movie's window shows.
    void HoldPictureAndUnload();
    // Ends the cue, parks the movie's graph and lets the picture go.
    void UnloadMedia();
    void ClearHeldPicture();
    // Where the movie's picture goes in the client area (FitPicture).
    RECT VideoRect() const;
    void SetPlayState(long nState);
    void UpdatePresentTimer();
    void SetOpenState(long nState);
    void OnGraphNotify();
    void OnPaint();
    void RedrawVideoWindow();
    bool FireInput(UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring m_strURL;
    Media m_media = Media::None;
    static const int kGraphCount = 3;
    MovieGraph m_graphs[kGraphCount];
    // The graph of the open movie, or of the last one.
    MovieGraph* m_pGraph = &m_graphs[0];
    PictureView m_picture;
    // The last movie's last picture, shown until the next movie runs.
    HeldPicture m_held;
    // A close waits for the end of its handling to learn whether a new URL
    // followed it.
    bool m_bClosePending = false;
    MediaInputTranslator m_input;
    long m_nPlayState = kPlayStateUndefined;
    long m_nOpenState = kOpenStateUndefined;
    long m_nVolume = 50;
    // A new movie's first picture is awaited from m_dwCueStart on.
    bool m_bCueing = false;
    DWORD m_dwCueStart = 0;
    // Kept for the container; this control never shows error dialogs.
    BOOL m_bErrorDialogs = TRUE;
};

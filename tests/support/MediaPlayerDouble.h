// A media player control for tests: the same DISPIDs, sub-objects and
// events as the real one, no media. It records every operation, answers
// playState and currentPosition with what the test sets, and fires any
// event on demand (also from inside an operation, through m_onCall). Apart
// from that it records what its container gives it and when.
//
//   MediaDoubleScope doubles;            // control 1000 now hosts doubles
//   dlg.DoModal() ... doubles.Last()->FirePlayStateChange(8);
//   EXPECT_EQ(L"put URL C:\\a.wmv", doubles.Last()->m_calls[0]);
#pragma once
#include "media/MediaPlayerObject.h"
#include "media/MediaFactory.h"
#include <functional>
#include <string>
#include <vector>

class MediaPlayerDouble : public MediaPlayerObject {
public:
    // Operations as recorded: "put URL <url>", "close", "get playState",
    // "play", "stop", "get currentPosition", "put currentPosition <s>",
    // "put volume <n>", "put enableErrorDialogs <0|1>".
    std::vector<std::wstring> m_calls;
    // Runs after each recorded operation, with its record.
    std::function<void(const std::wstring&)> m_onCall;
    long m_nPlayState = 0;
    double m_dPosition = 0.0;
    // The container's side, in order: "properties uiMode=<s> stretchToFit=<s>
    // enableContextMenu=<s> autoStart=<s>" (each as the bag gives it), "activate", "rects <l>,<t>,<r>,<b>",
    // "deactivate" and "close" (each with " with window" while the control's
    // window exists), and "window destroyed".
    std::vector<std::wstring> m_protocol;

    STDMETHODIMP Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog) override;
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG pMsg, IOleClientSite* pActiveSite, LONG lIndex, HWND hwndParent,
                        LPCRECT lprcPosRect) override;
    STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP Close(DWORD dwSaveOption) override;

    void PutURL(const wchar_t* pszURL) override;
    void CloseMedia() override;
    long GetPlayState() override;
    void Play() override;
    void Stop() override;
    double GetCurrentPosition() override;
    void PutCurrentPosition(double dSeconds) override;
    void PutVolume(long nVolume) override;
    void PutEnableErrorDialogs(BOOL bEnable) override;

    using MediaPlayerObject::FireOpenStateChange;
    using MediaPlayerObject::FirePlayStateChange;
    using MediaPlayerObject::FireKeyDown;
    void FireClick(short nButton, short nShift, long x, long y);
    void FireDoubleClick(short nButton, short nShift, long x, long y);
    void FireMouseMove(short nButton, short nShift, long x, long y);

    HWND GetWindow() const { return GetSafeHwnd(); }
    // References held on the double now (by the test, the dialog's site...).
    ULONG RefCount();

protected:
    void OnDestroyWindow() override { m_protocol.push_back(L"window destroyed"); }

private:
    void Record(std::wstring call);
    std::wstring WithWindow(const wchar_t* pszCall) const;
};

// While it lives, the binding hosts a new double for every control it
// creates; the doubles stay readable until the scope ends.
class MediaDoubleScope {
public:
    MediaDoubleScope();
    ~MediaDoubleScope();
    MediaDoubleScope(const MediaDoubleScope&) = delete;
    MediaDoubleScope& operator=(const MediaDoubleScope&) = delete;

    // The double created last, or nullptr.
    MediaPlayerDouble* Last() const;
    size_t Count() const;

private:
    MediaObjectFactory m_pfnPrevious;
};

#include "notices/DisplayRequiredDialog.h"
#include "notices/MissingCodecDialog.h"
#include "notices/RestoreDefaultsDialog.h"
#include "tests/support/CursorCount.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/ResourceLanguage.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>

namespace {
// How the user ends a notice.
enum class Ending { ClickOK, ClickCancel, Escape, CloseButton };

const char* NameOf(Ending ending)
{
    switch (ending) {
    case Ending::ClickOK: return "OK";
    case Ending::ClickCancel: return "Cancel";
    case Ending::Escape: return "Escape";
    case Ending::CloseButton: return "close button";
    }
    return "?";
}

void Click(CDialog& dlg, int nID)
{
    dlg.PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(dlg, nID));
}

// Escape goes to the control with the focus, where the dialog manager's
// keyboard handling turns it into IDCANCEL.
void PressEscape(CDialog& dlg)
{
    HWND hFocus = ::GetFocus();
    ::PostMessageW(hFocus ? hFocus : dlg.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

void End(CDialog& dlg, Ending ending)
{
    switch (ending) {
    case Ending::ClickOK: Click(dlg, IDOK); break;
    case Ending::ClickCancel: Click(dlg, IDCANCEL); break;
    case Ending::Escape: PressEscape(dlg); break;
    case Ending::CloseButton: dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE); break;
    }
}

struct NoticeKind {
    const char* name;
    std::unique_ptr<NoticeDialog> (*make)();
    bool bHasCancel;
};

const NoticeKind kNotices[] = {
    { "MissingCodecDialog", [] { return std::unique_ptr<NoticeDialog>(new MissingCodecDialog(nullptr)); }, false },
    { "DisplayRequiredDialog", [] { return std::unique_ptr<NoticeDialog>(new DisplayRequiredDialog(nullptr)); },
      false },
    { "RestoreDefaultsDialog", [] { return std::unique_ptr<NoticeDialog>(new RestoreDefaultsDialog(nullptr)); },
      true },
};

bool ButtonsAreBound(NoticeDialog& notice, bool bHasCancel)
{
    if (notice.m_btnOK.m_hWnd != ::GetDlgItem(notice, IDOK) || !notice.m_btnOK.m_hWnd) return false;
    if (!bHasCancel) return true;
    HWND hCancel = static_cast<RestoreDefaultsDialog&>(notice).m_btnCancel.m_hWnd;
    return hCancel && hCancel == ::GetDlgItem(notice, IDCANCEL);
}

std::string LanguageName(const ::testing::TestParamInfo<const wchar_t*>& info)
{
    std::string name;
    for (const wchar_t* p = info.param; *p; ++p) name += (char)*p;
    return name;
}

class NoticeLanguageTest : public ::testing::TestWithParam<const wchar_t*> {};

// Each language opens each notice; the ways of ending it take turns over the
// languages, so that every notice meets every ending in some language.
TEST_P(NoticeLanguageTest, EachNoticeEndsAsTheUserChose)
{
    const Ending kEndings[] = { Ending::ClickOK, Ending::Escape, Ending::CloseButton, Ending::ClickCancel };
    const int nLanguage = (int)(std::find(std::begin(kLanguageCodes), std::end(kLanguageCodes), GetParam()) -
                                std::begin(kLanguageCodes));
    ResourceLanguage language(GetParam());
    ASSERT_NE(nullptr, language.Handle());
    for (int nKind = 0; nKind < 3; ++nKind) {
        const NoticeKind& kind = kNotices[nKind];
        const int nEndings = kind.bHasCancel ? 4 : 3;
        const Ending ending = kEndings[(nLanguage + nKind) % nEndings];
        SCOPED_TRACE(std::string(kind.name) + " ended by " + NameOf(ending));
        std::unique_ptr<NoticeDialog> notice = kind.make();
        bool bBound = false;
        const INT_PTR nResult = RunModalWith(*notice, [&](CDialog& dlg) {
            bBound = ButtonsAreBound(*notice, kind.bHasCancel);
            End(dlg, ending);
        });
        EXPECT_EQ(ending == Ending::ClickOK ? IDOK : IDCANCEL, nResult);
        EXPECT_TRUE(bBound);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, NoticeLanguageTest, ::testing::ValuesIn(kLanguageCodes), LanguageName);

TEST(NoticeTest, WithoutTheTemplatesNothingIsShown)
{
    // The program's own module is the resource source when no language
    // library could be loaded; it holds none of the notices.
    for (const NoticeKind& kind : kNotices) EXPECT_EQ(-1, kind.make()->DoModal()) << kind.name;
}

const LPARAM kOverClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

LRESULT SendSetCursor(CDialog& dlg) { return dlg.SendMessage(WM_SETCURSOR, (WPARAM)dlg.m_hWnd, kOverClient); }

TEST(NoticeTest, ShowTheCursorThatThePlayerHid)
{
    ResourceLanguage language(L"eng");
    for (const NoticeKind& kind : kNotices) {
        SCOPED_TRACE(kind.name);
        SetCursorCount(-1);  // as the player leaves it
        std::unique_ptr<NoticeDialog> notice = kind.make();
        int nRaised = 0;
        bool bShowing = false;
        LRESULT lResult = -1;
        LRESULT lDefault = -2;
        RunModalWith(*notice, [&](CDialog& dlg) {
            const int nBefore = CursorCount();
            lResult = SendSetCursor(dlg);
            bShowing = IsCursorShowing();
            lDefault = ::DefDlgProcW(dlg.m_hWnd, WM_SETCURSOR, (WPARAM)dlg.m_hWnd, kOverClient);
            SendSetCursor(dlg);
            SendSetCursor(dlg);
            nRaised = CursorCount() - nBefore;
            Click(dlg, IDOK);
        });
        EXPECT_EQ(3, nRaised) << "one ShowCursor(TRUE) for each WM_SETCURSOR";
        EXPECT_TRUE(bShowing);
        EXPECT_EQ(lDefault, lResult) << "the answer of the default processing";
    }
    SetCursorCount(0);
}
}

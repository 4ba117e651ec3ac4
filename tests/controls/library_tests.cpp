// The library's switches and its dialog bases, used the way the program's
// dialogs use them.
#include "controls/SabrelAPI.h"
#include "controls/SabrelButton.h"
#include "controls/SabrelDialog.h"
#include "controls/SabrelDialog2.h"
#include "controls/SkinColors.h"
#include "tests/controls/sample_ids.h"
#include "tests/support/ModalDriver.h"
#include <gtest/gtest.h>

namespace {
// A notice built the way the program's notices are.
class NoticeLikeDialog : public SabrelDialog {
public:
    NoticeLikeDialog() : SabrelDialog(IDD_SKIN_SAMPLE, nullptr) {}
    SabrelButton m_btnOK;
    int m_nCursorQueries = 0;

    BOOL OnInitDialog() override
    {
        AbstractDialog::OnInitDialog();
        return TRUE;
    }
    BOOL OnSetCursor(CWnd*, UINT, UINT)
    {
        ++m_nCursorQueries;
        return (BOOL)Default();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        SabrelDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDOK, m_btnOK);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NoticeLikeDialog, SabrelDialog)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

COLORREF BrushColour(HBRUSH hBrush)
{
    LOGBRUSH lb = {};
    ::GetObjectW(hBrush, sizeof(lb), &lb);
    return lb.lbColor;
}
}

TEST(SabrelLibraryTest, EnableLunaReturnsThePreviousSetting)
{
    EXPECT_TRUE(SabrelAPI::EnableLuna(false));
    EXPECT_FALSE(SabrelAPI::IsLunaEnabled());
    EXPECT_FALSE(SabrelAPI::EnableLuna(true));
    EXPECT_TRUE(SabrelAPI::IsLunaEnabled());
}

TEST(SabrelLibraryTest, DerivedDialogChainsItsMapThroughTheLibraryToTheFramework)
{
    NoticeLikeDialog dlg;
    bool bBound = false;
    COLORREF clrStatic = 0;
    INT_PTR nResult = RunModalWith(dlg, [&](CDialog&) {
        bBound = dlg.m_btnOK.m_hWnd == ::GetDlgItem(dlg.m_hWnd, IDOK);
        // The library's map answers the colour messages; the derived map its own.
        HDC hdc = ::GetDC(dlg.m_hWnd);
        clrStatic = BrushColour((HBRUSH)dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, 0));
        ::ReleaseDC(dlg.m_hWnd, hdc);
        dlg.SendMessage(WM_SETCURSOR, (WPARAM)dlg.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        // OK reaches the framework's OnOK through both maps.
        dlg.m_btnOK.SendMessage(BM_CLICK);
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_TRUE(bBound);
    EXPECT_EQ(SkinColors::kDialog, clrStatic);
    EXPECT_GE(dlg.m_nCursorQueries, 1);
}

TEST(SabrelLibraryTest, SecondDialogBaseHasItsRunTimeClass)
{
    SabrelDialog2 dlg(IDD_SKIN_SAMPLE, nullptr);
    EXPECT_STREQ("SabrelDialog2", dlg.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_EQ(-1, SabrelDialog2(999, nullptr).DoModal()) << "a missing template shows nothing";
}

#include "framework/Afx.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
const UINT IDD_PROBE = 200;
const int IDC_PROBE_BUTTON = 1001;
const int IDC_PROBE_LIST = 1010;

class RowList : public CListCtrl {
public:
    int drawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
};

class ProbeDialog : public CDialog {
public:
    explicit ProbeDialog(UINT nID = IDD_PROBE) : CDialog(nID) {}
    std::vector<UINT> seen;
    bool bInit = false;
    bool bBound = false;
    bool bCancelled = false;
    int nClickResult = 0;
    CButton m_btnPress;
    RowList m_list;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE || message == WM_INITDIALOG || message == WM_DESTROY) seen.push_back(message);
        return CDialog::WindowProc(message, wParam, lParam);
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_PROBE_BUTTON, m_btnPress);
        DDX_Control(pDX, IDC_PROBE_LIST, m_list);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        bInit = true;
        bBound = m_btnPress.m_hWnd == ::GetDlgItem(m_hWnd, IDC_PROBE_BUTTON) && m_list.m_hWnd != nullptr;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<wchar_t*>(L"row");
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 100;
        m_list.SendMessage(LVM_INSERTCOLUMNW, 0, (LPARAM)&column);
        m_list.SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
        if (nClickResult)
            PostMessage(WM_COMMAND, MAKEWPARAM(IDC_PROBE_BUTTON, BN_CLICKED), (LPARAM)m_btnPress.m_hWnd);
        else
            PostMessage(WM_CLOSE);
        return TRUE;
    }
    void OnCancel() override { bCancelled = true; CDialog::OnCancel(); }
    void OnPress()
    {
        // The dialog manager shows the window only once its queue is empty.
        ShowWindow(SW_SHOW);
        m_list.UpdateWindow();
        EndDialog(nClickResult);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeDialog, CDialog)
    ON_BN_CLICKED(IDC_PROBE_BUTTON, OnPress)
END_MESSAGE_MAP()

// Notes the window it belongs to, and whether that window took input.
class OwnedProbe : public ProbeDialog {
public:
    HWND hOwner = nullptr;
    bool bOwnerEnabled = false;
    BOOL OnInitDialog() override
    {
        hOwner = ::GetWindow(m_hWnd, GW_OWNER);
        bOwnerEnabled = ::IsWindowEnabled(hOwner) != FALSE;
        return ProbeDialog::OnInitDialog();
    }
};

// A main window that runs a parentless dialog from its own modal loop.
class MainProbe : public OwnedProbe {
public:
    OwnedProbe inner;
    HWND hMain = nullptr;
    bool bEnabledAfter = false;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLOSE && !hMain) {
            hMain = m_hWnd;
            inner.DoModal();
            bEnabledAfter = IsWindowEnabled() != FALSE;
        }
        return OwnedProbe::WindowProc(message, wParam, lParam);
    }
};
}

TEST(DialogTest, AParentlessDialogBelongsToTheMainWindowWhichWaitsForIt)
{
    CWinApp app;
    MainProbe main;
    app.m_pMainWnd = &main;
    EXPECT_EQ(IDCANCEL, main.DoModal());
    EXPECT_EQ(nullptr, main.hOwner) << "the main window itself belongs to none";
    EXPECT_EQ(main.hMain, main.inner.hOwner);
    EXPECT_FALSE(main.inner.bOwnerEnabled);
    EXPECT_TRUE(main.bEnabledAfter);
}

TEST(DialogTest, MissingTemplateGivesMinusOne)
{
    ProbeDialog dlg(999);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(dlg.bInit);
}

TEST(DialogTest, SeesItsFirstMessagesBindsControlsAndEndsWithTheGivenResult)
{
    ProbeDialog dlg;
    dlg.nClickResult = 42;
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_TRUE(dlg.bInit);
    EXPECT_TRUE(dlg.bBound);
    ASSERT_EQ(3u, dlg.seen.size());
    EXPECT_EQ((UINT)WM_CREATE, dlg.seen[0]);
    EXPECT_EQ((UINT)WM_INITDIALOG, dlg.seen[1]);
    EXPECT_EQ((UINT)WM_DESTROY, dlg.seen[2]);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_btnPress.m_hWnd);
    EXPECT_GE(dlg.m_list.drawn, 1) << "owner-drawn rows are reflected to the list object";
}

TEST(DialogTest, ClosingRunsTheVirtualCancel)
{
    ProbeDialog dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(dlg.bCancelled);
}

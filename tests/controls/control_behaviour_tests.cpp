// The skinned controls behave like the standard controls they paint over.
#include "tests/controls/SkinSampleDialog.h"
#include <gtest/gtest.h>

namespace {
void PressKey(CWnd& wnd, UINT nKey)
{
    wnd.SetFocus();
    wnd.SendMessage(WM_KEYDOWN, nKey, 1);
    wnd.SendMessage(WM_KEYUP, nKey, 0xC0000001);
}
}

TEST(SkinnedControlBehaviour, ProgramToggledCheckBoxKeepsItsStyleAndCheckState)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_EQ((DWORD)BS_CHECKBOX, dlg.m_chkPlayAll.GetStyle() & BS_TYPEMASK);
        dlg.m_chkPlayAll.SendMessage(BM_SETCHECK, BST_UNCHECKED);
        EXPECT_EQ(BST_UNCHECKED, dlg.m_chkPlayAll.SendMessage(BM_GETCHECK));
        dlg.m_chkPlayAll.SendMessage(BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(BST_CHECKED, dlg.m_chkPlayAll.SendMessage(BM_GETCHECK));

        // A click reaches the dialog, whose handler alone toggles the box.
        dlg.m_chkPlayAll.SendMessage(BM_CLICK);
        EXPECT_EQ(1, dlg.m_nPlayAllClicks);
        EXPECT_EQ(BST_UNCHECKED, dlg.m_chkPlayAll.SendMessage(BM_GETCHECK));
        PressKey(dlg.m_chkPlayAll, VK_SPACE);
        EXPECT_EQ(2, dlg.m_nPlayAllClicks);
        EXPECT_EQ(BST_CHECKED, dlg.m_chkPlayAll.SendMessage(BM_GETCHECK));
    });
}

TEST(SkinnedControlBehaviour, AutomaticCheckBoxTogglesItself)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_EQ(BST_UNCHECKED, dlg.m_chkRepeat.SendMessage(BM_GETCHECK));
        dlg.m_chkRepeat.SendMessage(BM_CLICK);
        EXPECT_EQ(BST_CHECKED, dlg.m_chkRepeat.SendMessage(BM_GETCHECK));
    });
}

TEST(SkinnedControlBehaviour, ButtonClicksReachTheDialogByMouseMessageAndSpace)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        dlg.m_btnPress.SendMessage(BM_CLICK);
        EXPECT_EQ(1, dlg.m_nPresses);
        PressKey(dlg.m_btnPress, VK_SPACE);
        EXPECT_EQ(2, dlg.m_nPresses);
        EXPECT_EQ(dlg.m_btnPress.m_hWnd, ::GetFocus());
        EXPECT_EQ(0, dlg.m_btnPress.SendMessage(BM_GETSTATE) & BST_PUSHED);
    });
}

TEST(SkinnedControlBehaviour, DefaultButtonStaysTheDialogsDefault)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_EQ((DWORD)BS_DEFPUSHBUTTON, dlg.m_btnOK.GetStyle() & BS_TYPEMASK);
        EXPECT_EQ(MAKELRESULT(IDOK, DC_HASDEFID), dlg.SendMessage(DM_GETDEFID));
    });
}

TEST(SkinnedControlBehaviour, SliderKeepsRangeAndPositionAndMovesByKeyboard)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_EQ(1, dlg.m_sliderVolume.SendMessage(TBM_GETRANGEMIN));
        EXPECT_EQ(100, dlg.m_sliderVolume.SendMessage(TBM_GETRANGEMAX));
        EXPECT_EQ(50, dlg.m_sliderVolume.SendMessage(TBM_GETPOS));
        dlg.m_sliderVolume.SendMessage(TBM_SETPOS, TRUE, 60);
        EXPECT_EQ(60, dlg.m_sliderVolume.SendMessage(TBM_GETPOS));
        dlg.m_nScrolls = 0;
        PressKey(dlg.m_sliderVolume, VK_RIGHT);
        EXPECT_EQ(85, dlg.m_sliderVolume.SendMessage(TBM_GETPOS));
        EXPECT_GE(dlg.m_nScrolls, 1) << "WM_HSCROLL reaches the dialog";
    });
}

TEST(SkinnedControlBehaviour, ComboBoxSelectsByMessageAndKeyboard)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_EQ(0, dlg.m_comboFolders.SendMessage(CB_GETCURSEL));
        dlg.m_comboFolders.SendMessage(CB_SETCURSEL, 2);
        EXPECT_EQ(2, dlg.m_comboFolders.SendMessage(CB_GETCURSEL));
        EXPECT_EQ(0, dlg.m_nFolderChanges) << "a program's selection is not notified";
        PressKey(dlg.m_comboFolders, VK_UP);
        EXPECT_EQ(1, dlg.m_comboFolders.SendMessage(CB_GETCURSEL));
        EXPECT_EQ(1, dlg.m_nFolderChanges);
    });
}

TEST(SkinnedControlBehaviour, ListNotifiesSelectionChanges)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        dlg.m_listMovies.SendMessage(LVM_SETITEMSTATE, 2, (LPARAM)&state);
        EXPECT_GE(dlg.m_nItemChanges, 1);
        EXPECT_EQ(2, dlg.m_listMovies.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        PressKey(dlg.m_listMovies, VK_DOWN);
        EXPECT_EQ(3, dlg.m_listMovies.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        EXPECT_EQ(4, dlg.m_listMovies.SendMessage(LVM_GETITEMCOUNT));
    });
}

TEST(SkinnedControlBehaviour, ListRowsTakeTheLibrarysHeightAfterAttaching)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        RECT rc = { LVIR_BOUNDS };
        ASSERT_TRUE(dlg.m_listMovies.SendMessage(LVM_GETITEMRECT, 0, (LPARAM)&rc));
        EXPECT_EQ(dlg.m_listMovies.RowHeight(), rc.bottom - rc.top);

        // A new font measures the rows by the font alone until the list is shown again.
        dlg.m_listMovies.SendMessage(WM_SETFONT, dlg.m_listMovies.SendMessage(WM_GETFONT), TRUE);
        dlg.m_listMovies.ShowWindow(SW_HIDE);
        dlg.m_listMovies.ShowWindow(SW_SHOW);
        rc = { LVIR_BOUNDS };
        dlg.m_listMovies.SendMessage(LVM_GETITEMRECT, 0, (LPARAM)&rc);
        EXPECT_EQ(dlg.m_listMovies.RowHeight(), rc.bottom - rc.top);
    });
}

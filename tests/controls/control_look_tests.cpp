// The skinned controls on the screen: the library's look in every state, and
// again after a message changed the state.
#include "controls/SkinColors.h"
#include "tests/controls/Canvas.h"
#include "tests/controls/SkinSampleDialog.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SkinColors;

namespace {
std::unique_ptr<Canvas> OnScreen(CWnd& wnd)
{
    ::UpdateWindow(::GetParent(wnd.m_hWnd));
    wnd.UpdateWindow();
    PumpFor(50);
    return std::unique_ptr<Canvas>(Canvas::FromScreen(wnd.m_hWnd));
}

bool IsBlue(COLORREF c) { return GetBValue(c) > GetRValue(c) + 60; }

// A pixel inside the check box's box, clear of the check mark.
COLORREF BoxPixel(CWnd& chk)
{
    auto canvas = OnScreen(chk);
    return canvas->Pixel(2, canvas->Height() / 2 - 3);
}
}

TEST(SkinnedControlLook, DialogAndStaticsHaveTheSkinBackground)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        std::unique_ptr<Canvas> canvas(Canvas::PrintClient(dlg.m_hWnd));
        EXPECT_EQ(kDialog, canvas->Pixel(1, 1));
        HBRUSH hBrush = (HBRUSH)dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)canvas->Dc(), (LPARAM)dlg.m_chkPlayAll.m_hWnd);
        LOGBRUSH lb = {};
        ASSERT_TRUE(::GetObjectW(hBrush, sizeof(lb), &lb));
        EXPECT_EQ(kDialog, lb.lbColor);
    });
}

TEST(SkinnedControlLook, ButtonsHaveRoundedFacesAndAFlatDisabledFace)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        auto canvas = OnScreen(dlg.m_btnPress);
        EXPECT_EQ(kDialog, canvas->Pixel(0, 0)) << "the dialog shows through the rounded corner";
        EXPECT_NE(::GetSysColor(COLOR_BTNFACE), canvas->Pixel(canvas->Width() / 2, 3));
        EXPECT_GE(GetGValue(canvas->Pixel(canvas->Width() / 2, 2)), 240) << "the face starts white at the top";

        auto disabled = OnScreen(dlg.m_btnPressOff);
        EXPECT_EQ(kFaceDisabled, disabled->Pixel(3, disabled->Height() / 2));
    });
}

TEST(SkinnedControlLook, CheckBoxShowsItsCheckStateAfterEachChange)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_TRUE(IsBlue(BoxPixel(dlg.m_chkPlayAll))) << "checked: the box is filled";
        dlg.m_chkPlayAll.SendMessage(BM_SETCHECK, BST_UNCHECKED);
        EXPECT_EQ(kField, BoxPixel(dlg.m_chkPlayAll));
        dlg.m_chkPlayAll.SendMessage(BM_CLICK);
        EXPECT_TRUE(IsBlue(BoxPixel(dlg.m_chkPlayAll)));
        EXPECT_EQ(kFaceDisabled, BoxPixel(dlg.m_chkPlayAllOff));
    });
}

TEST(SkinnedControlLook, GroupBoxDrawsItsFrameAndLeavesItsInside)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        auto canvas = OnScreen(dlg.m_groupEnabled);
        EXPECT_EQ(kGroupFrame, canvas->Pixel(0, canvas->Height() / 2));
        auto disabled = OnScreen(dlg.m_groupDisabled);
        EXPECT_EQ(kBorderDisabled, disabled->Pixel(0, disabled->Height() / 2));
    });
}

TEST(SkinnedControlLook, SliderGrooveFillsUpToTheThumb)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        RECT rcChannel, rcThumb;
        dlg.m_sliderVolume.SendMessage(TBM_GETCHANNELRECT, 0, (LPARAM)&rcChannel);
        dlg.m_sliderVolume.SendMessage(TBM_SETPOS, TRUE, 100);
        dlg.m_sliderVolume.SendMessage(TBM_GETTHUMBRECT, 0, (LPARAM)&rcThumb);
        int x = rcChannel.left + (rcChannel.right - rcChannel.left) / 4;
        int y = (rcThumb.top + rcThumb.bottom) / 2;
        EXPECT_TRUE(IsBlue(OnScreen(dlg.m_sliderVolume)->Pixel(x, y)));
        dlg.m_sliderVolume.SendMessage(TBM_SETPOS, TRUE, 1);
        EXPECT_EQ(kChannel, OnScreen(dlg.m_sliderVolume)->Pixel(x, y));
    });
}

TEST(SkinnedControlLook, ComboBoxShowsTheSelectedItemOnItsField)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        dlg.m_btnPress.SetFocus();
        auto canvas = OnScreen(dlg.m_comboFolders);
        EXPECT_EQ(kField, canvas->Pixel(4, 4));
        dlg.m_comboFolders.SetFocus();
        auto focused = OnScreen(dlg.m_comboFolders);
        EXPECT_EQ(kAccent, focused->Pixel(4, 4)) << "a focused closed box shows its item selected";
    });
}

TEST(SkinnedControlLook, ListHeaderHasTheButtonsFaceWithALineBelow)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        CWnd* pHeader = CWnd::FromHandle((HWND)dlg.m_listMovies.SendMessage(LVM_GETHEADER));
        ASSERT_NE(nullptr, pHeader);
        auto canvas = OnScreen(*pHeader);
        EXPECT_EQ(kBorder, canvas->Pixel(2, canvas->Height() - 1));
        EXPECT_EQ(kBorder, canvas->Pixel(canvas->Width() - 2, canvas->Height() - 1)) << "past the last column too";
        EXPECT_GE(GetGValue(canvas->Pixel(2, 1)), 240);
    });
}

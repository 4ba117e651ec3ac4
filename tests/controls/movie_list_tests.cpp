// The movie list's rows, rendered through the real list control.
#include "controls/SkinColors.h"
#include "tests/controls/Canvas.h"
#include "tests/controls/SkinSampleDialog.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <memory>

namespace {
const COLORREF kRowBackground = RGB(142, 223, 255);
const COLORREF kSelectionFrame = RGB(59, 177, 227);
const COLORREF kDisabledBackground = RGB(184, 198, 204);
const COLORREF kDisabledText = RGB(172, 177, 179);
const COLORREF kBlack = RGB(0, 0, 0);

// Text without smoothing, so that every ink pixel has the text colour.
class SharpFont {
public:
    SharpFont()
        : m_hFont(::CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                                L"Tahoma")) {}
    ~SharpFont() { ::DeleteObject(m_hFont); }
    HFONT m_hFont;
};

CRect RowRect(RecordingMovieList& list, int nItem) { return list.m_drawnRows[nItem]; }

void Select(CListCtrl& list, int nItem)
{
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    list.SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&state);
}

// Runs the scenario on the sample's movie list in its own look, with
// sharp text.
void WithOwnLook(const std::function<void(RecordingMovieList&)>& scenario)
{
    SharpFont font;
    RunSampleDialog([&](SkinSampleDialog& dlg) {
        dlg.m_listMovies.SendMessage(WM_SETFONT, (WPARAM)font.m_hFont, TRUE);
        dlg.m_listMovies.SetLibraryDraw(FALSE);
        scenario(dlg.m_listMovies);
    });
}

std::unique_ptr<Canvas> Print(CWnd& list) { return std::unique_ptr<Canvas>(Canvas::PrintClient(list.m_hWnd)); }

// Counts the pixels of a rectangle by colour: the expected ones and the rest.
struct Census {
    int nBackground = 0, nText = 0, nOther = 0;
};
Census Count(const Canvas& canvas, const CRect& rc, COLORREF clrBackground, COLORREF clrText)
{
    Census census;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            COLORREF c = canvas.Pixel(x, y);
            if (c == clrBackground) ++census.nBackground;
            else if (c == clrText) ++census.nText;
            else ++census.nOther;
        }
    return census;
}

// The columns that hold ink (anything but the background) in a rectangle.
struct InkSpan {
    int nLeft = INT_MAX, nRight = -1, nTop = INT_MAX, nBottom = -1;
};
InkSpan FindInk(const Canvas& canvas, const CRect& rc, COLORREF clrBackground)
{
    InkSpan ink;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (canvas.Pixel(x, y) != clrBackground) {
                ink.nLeft = std::min(ink.nLeft, x);
                ink.nRight = std::max(ink.nRight, x);
                ink.nTop = std::min(ink.nTop, y);
                ink.nBottom = std::max(ink.nBottom, y);
            }
    return ink;
}

int TextWidth(CWnd& list, const wchar_t* pszText)
{
    HDC hdc = ::GetDC(list.m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)list.SendMessage(WM_GETFONT));
    SIZE size = {};
    ::GetTextExtentPoint32W(hdc, pszText, (int)wcslen(pszText), &size);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(list.m_hWnd, hdc);
    return size.cx;
}

// Makes the list answer that it has no header control.
WNDPROC g_pfnListProc = nullptr;
LRESULT CALLBACK HeaderlessProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LVM_GETHEADER) return 0;
    return ::CallWindowProcW(g_pfnListProc, hWnd, message, wParam, lParam);
}
}

TEST(MovieListCtrlTest, FreshListDrawsItsRowsInTheLibrarysLook)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        EXPECT_TRUE(dlg.m_listMovies.m_bLibraryDraw);
        auto canvas = Print(dlg.m_listMovies);
        CRect rc = RowRect(dlg.m_listMovies, 0);
        EXPECT_EQ(SkinColors::kRow, canvas->Pixel(rc.left + 1, rc.top + 1));
    });
}

TEST(MovieListCtrlTest, SetLibraryDrawStoresTheChoiceAndRepaintsEveryRow)
{
    RunSampleDialog([](SkinSampleDialog& dlg) {
        dlg.m_listMovies.UpdateWindow();
        dlg.m_listMovies.SetLibraryDraw(FALSE);
        EXPECT_FALSE(dlg.m_listMovies.m_bLibraryDraw);
        RECT rcUpdate, rcClient;
        ASSERT_TRUE(::GetUpdateRect(dlg.m_listMovies.m_hWnd, &rcUpdate, FALSE));
        dlg.m_listMovies.GetClientRect(&rcClient);
        EXPECT_TRUE(::EqualRect(&rcUpdate, &rcClient));
        dlg.m_listMovies.SetLibraryDraw(TRUE);
        EXPECT_TRUE(dlg.m_listMovies.m_bLibraryDraw);
    });
}

TEST(MovieListCtrlTest, EnabledRowsAreLightBlueAndOnlyTheSelectedRowHasTheInsetFrame)
{
    WithOwnLook([](RecordingMovieList& list) {
        Select(list, 1);
        auto canvas = Print(list);
        for (int nItem : { 0, 2, 3 }) {
            Census census = Count(*canvas, RowRect(list, nItem), kRowBackground, kBlack);
            EXPECT_EQ(0, census.nOther) << "row " << nItem;
            EXPECT_GT(census.nText, 0) << "row " << nItem;
        }
        CRect rc = RowRect(list, 1);
        int yMiddle = (rc.top + rc.bottom) / 2;
        EXPECT_EQ(kRowBackground, canvas->Pixel(rc.left, rc.top));
        EXPECT_EQ(kSelectionFrame, canvas->Pixel(rc.left + 1, rc.top + 1));
        EXPECT_EQ(kSelectionFrame, canvas->Pixel(rc.left + 1, yMiddle));
        EXPECT_EQ(kSelectionFrame, canvas->Pixel(rc.right - 2, yMiddle));
        EXPECT_EQ(kSelectionFrame, canvas->Pixel(rc.right - 10, rc.bottom - 2));
        EXPECT_EQ(kRowBackground, canvas->Pixel(rc.right - 1, yMiddle));
        EXPECT_EQ(kRowBackground, canvas->Pixel(rc.right - 10, rc.bottom - 1));
        EXPECT_EQ(kRowBackground, canvas->Pixel(rc.left + 2, rc.top + 2)) << "the frame is filled with the row colour";
    });
}

TEST(MovieListCtrlTest, DisabledRowsAreGreyBlueWithGreyTextAndNoFrame)
{
    WithOwnLook([](RecordingMovieList& list) {
        Select(list, 1);
        list.EnableWindow(FALSE);
        auto canvas = Print(list);
        for (int nItem = 0; nItem < 4; ++nItem) {
            Census census = Count(*canvas, RowRect(list, nItem), kDisabledBackground, kDisabledText);
            EXPECT_EQ(0, census.nOther) << "row " << nItem;
            EXPECT_GT(census.nText, 0) << "row " << nItem;
        }
    });
}

TEST(MovieListCtrlTest, LongTextEndsInAnEllipsisAndAmpersandsStandAsThemselves)
{
    WithOwnLook([](RecordingMovieList& list) {
        Select(list, 0);
        list.SendMessage(LVM_SETCOLUMNWIDTH, 0, 120);
        LVITEMW item = {};
        item.pszText = const_cast<wchar_t*>(L"&&&&&&&&");
        list.SendMessage(LVM_SETITEMTEXTW, 3, (LPARAM)&item);
        auto canvas = Print(list);

        CRect rcLong = RowRect(list, 2);
        InkSpan ink = FindInk(*canvas, rcLong, kRowBackground);
        ASSERT_GE(ink.nRight, 0);
        EXPECT_LT(ink.nRight, rcLong.left + 120) << "the text stays inside its cell";
        // The last dots-wide stretch holds ink only on the baseline.
        int nDots = TextWidth(list, L"...");
        InkSpan tail = FindInk(*canvas, CRect(ink.nRight - nDots + 2, rcLong.top, ink.nRight + 1, rcLong.bottom),
                               kRowBackground);
        EXPECT_GT(tail.nTop, (ink.nTop + ink.nBottom) / 2) << "the text ends in dots";

        // Taken for prefixes, the eight would be drawn as four.
        InkSpan amp = FindInk(*canvas, RowRect(list, 3), kRowBackground);
        EXPECT_GE(amp.nLeft, RowRect(list, 3).left + 2) << "the text starts two pixels in";
        EXPECT_GT(amp.nRight - amp.nLeft + 1, TextWidth(list, L"&&&&&&")) << "every & is drawn";
    });
}

TEST(MovieListCtrlTest, ColumnsComeFromTheHeaderAndAListWithoutOneDrawsOneColumn)
{
    WithOwnLook([](RecordingMovieList& list) {
        Select(list, 3);
        list.SendMessage(LVM_SETCOLUMNWIDTH, 0, 100);
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 80;
        list.SendMessage(LVM_INSERTCOLUMNW, 1, (LPARAM)&column);
        LVITEMW item = {};
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(L"Second");
        list.SendMessage(LVM_SETITEMTEXTW, 0, (LPARAM)&item);
        auto withHeader = Print(list);
        CRect rcRow = RowRect(list, 0);
        CRect rcSecond(rcRow.left + 100, rcRow.top, rcRow.left + 180, rcRow.bottom);
        CRect rcFirst(rcRow.left, rcRow.top, rcRow.left + 100, rcRow.bottom);
        EXPECT_GE(FindInk(*withHeader, rcSecond, kRowBackground).nRight, 0);

        g_pfnListProc = (WNDPROC)::SetWindowLongPtrW(list.m_hWnd, GWLP_WNDPROC, (LONG_PTR)HeaderlessProc);
        auto canvas = Print(list);
        ::SetWindowLongPtrW(list.m_hWnd, GWLP_WNDPROC, (LONG_PTR)g_pfnListProc);
        EXPECT_LT(FindInk(*canvas, rcSecond, kRowBackground).nRight, 0) << "no second column";
        EXPECT_GE(FindInk(*canvas, rcFirst, kRowBackground).nRight, 0) << "the main text";
    });
}

TEST(MovieListCtrlTest, ReportsTheLibrarysRunTimeClass)
{
    MovieListCtrl list;
    EXPECT_EQ(RUNTIME_CLASS(SabrelListCtrl), list.GetRuntimeClass());
    EXPECT_STREQ("SabrelListCtrl", list.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CListCtrl)));
    EXPECT_FALSE(list.IsKindOf(RUNTIME_CLASS(CDialog)));
}

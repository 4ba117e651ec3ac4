// The dialogs as the dialog manager builds them from each language library,
// with that language's font: every control inside the dialog and in its
// group, no control on top of another, and every text whole in its control.
#include "res/ids.h"
#include "tests/lang/LanguageLibrary.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

// One child window of a live dialog, in the dialog's client coordinates.
struct Child {
    HWND hwnd;
    int id;
    DWORD style;
    std::wstring className;
    std::wstring text;
    RECT rect;
};

bool Is(const Child& child, const wchar_t* className)
{
    return lstrcmpiW(child.className.c_str(), className) == 0;
}

bool IsGroupBox(const Child& child)
{
    return Is(child, L"Button") && (child.style & BS_TYPEMASK) == BS_GROUPBOX;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

// Size of `text` drawn with the control's font; `width` > 0 wraps it there.
SIZE Measure(const Child& child, UINT format, int width = 0)
{
    HDC dc = GetDC(child.hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(child.hwnd, WM_GETFONT, 0, 0)));
    RECT r = { 0, 0, width, 0 };
    DrawTextW(dc, child.text.c_str(), -1, &r, format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(child.hwnd, dc);
    return SIZE{ Width(r), Height(r) };
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// A dialog created, hidden, from a language library's template; the test
// program's own module stands in for the screen saver's (icon 128).
class LiveDialog {
public:
    LiveDialog(HMODULE library, int id)
    {
        HRSRC info = FindResourceW(library, MAKEINTRESOURCEW(id), RT_DIALOG);
        const void* data = info ? LockResource(LoadResource(library, info)) : nullptr;
        if (data)
            m_hwnd = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), static_cast<LPCDLGTEMPLATEW>(data),
                                                nullptr, QuietDialogProc, 0);
    }
    ~LiveDialog()
    {
        if (m_hwnd) DestroyWindow(m_hwnd);
    }
    LiveDialog(const LiveDialog&) = delete;
    LiveDialog& operator=(const LiveDialog&) = delete;

    HWND hwnd() const { return m_hwnd; }

    std::vector<Child> Children() const
    {
        std::vector<Child> children;
        for (HWND h = GetWindow(m_hwnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            wchar_t className[64] = {}, text[512] = {};
            GetClassNameW(h, className, 64);
            GetWindowTextW(h, text, 512);
            RECT rect;
            GetWindowRect(h, &rect);
            MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&rect), 2);
            children.push_back(Child{ h, GetDlgCtrlID(h), static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)),
                                      className, text, rect });
        }
        return children;
    }

private:
    HWND m_hwnd = nullptr;
};

void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES };
    InitCommonControlsEx(&classes);
}

using LayoutCase = std::tuple<Language, int>;

class LayoutTest : public testing::TestWithParam<LayoutCase> {
protected:
    static void SetUpTestSuite() { RegisterCommonControls(); }

    void SetUp() override
    {
        ASSERT_NE(m_library.module(), nullptr);
        ASSERT_NE(m_dialog.hwnd(), nullptr) << "the dialog manager refused the template";
        GetClientRect(m_dialog.hwnd(), &m_client);
        m_children = m_dialog.Children();
        ASSERT_FALSE(m_children.empty());
    }

    RECT m_client = {};
    std::vector<Child> m_children;

private:
    LanguageLibrary m_library{ std::get<0>(GetParam()).code };
    LiveDialog m_dialog{ m_library.module(), std::get<1>(GetParam()) };
};

TEST_P(LayoutTest, ControlsLieInsideTheDialogAndTheirGroup)
{
    for (const Child& child : m_children) {
        EXPECT_TRUE(Contains(m_client, child.rect)) << "control " << child.id << " reaches outside";
        if (IsGroupBox(child)) continue;
        for (const Child& group : m_children) {
            if (IsGroupBox(group) && Overlap(group.rect, child.rect)) {
                EXPECT_TRUE(Contains(group.rect, child.rect))
                    << "control " << child.id << " crosses the frame of group " << group.id;
            }
        }
    }
}

TEST_P(LayoutTest, ControlsDoNotCoverEachOther)
{
    for (size_t i = 0; i < m_children.size(); ++i)
        for (size_t j = i + 1; j < m_children.size(); ++j) {
            const Child &a = m_children[i], &b = m_children[j];
            if (!IsGroupBox(a) && !IsGroupBox(b)) {
                EXPECT_FALSE(Overlap(a.rect, b.rect)) << "controls " << a.id << " and " << b.id << " overlap";
            }
        }
}

TEST_P(LayoutTest, TextsFitTheirControls)
{
    const int checkWidth = GetSystemMetrics(SM_CXMENUCHECK) + 6;
    for (const Child& child : m_children) {
        if (child.text.empty()) continue;
        const int width = Width(child.rect), height = Height(child.rect);
        const DWORD buttonType = child.style & BS_TYPEMASK;
        const DWORD staticType = child.style & SS_TYPEMASK;
        const UINT prefix = (Is(child, L"Static") && (child.style & SS_NOPREFIX)) ? DT_NOPREFIX : 0;
        if (Is(child, L"Button")) {
            const SIZE text = Measure(child, DT_SINGLELINE);
            const int room = buttonType == BS_GROUPBOX ? width - 16
                             : buttonType == BS_CHECKBOX ? width - checkWidth
                                                         : width - 8;
            EXPECT_LE(text.cx, room) << "control " << child.id << " cuts its text";
            EXPECT_LE(text.cy, height) << "control " << child.id;
        } else if (Is(child, L"Static") && staticType <= SS_RIGHT) {
            const SIZE text = Measure(child, DT_WORDBREAK | DT_EDITCONTROL | prefix, width);
            EXPECT_LE(text.cx, width) << "text of control " << child.id << " is too wide";
            EXPECT_LE(text.cy, height) << "text of control " << child.id << " needs more lines";
        }
    }
}

const int kTextTemplates[] = { IDD_ABOUTBOX, IDD_SETTINGS, IDD_MISSING_CODEC, IDD_DISPLAY_REQUIRED,
                               IDD_RESTORE_DEFAULTS };

INSTANTIATE_TEST_SUITE_P(AllLanguages, LayoutTest,
                         testing::Combine(testing::ValuesIn(kLanguages), testing::ValuesIn(kTextTemplates)),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             return testing::PrintToString(std::get<0>(info.param)) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace

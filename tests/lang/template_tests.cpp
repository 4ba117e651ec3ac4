// What the program relies on in each language library: the templates and the
// menu text, the controls it drives with the classes and styles its handlers
// assume, and texts that are really in the library's language.
#include "res/ids.h"
#include "tests/lang/DialogTemplate.h"
#include "tests/lang/LanguageLibrary.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iterator>
#include <set>
#include <vector>

namespace {

const int kTemplates[] = { IDD_ABOUTBOX, IDD_PLAYER, IDD_SETTINGS,
                           IDD_MISSING_CODEC, IDD_DISPLAY_REQUIRED, IDD_RESTORE_DEFAULTS };
const int kNotices[] = { IDD_MISSING_CODEC, IDD_DISPLAY_REQUIRED, IDD_RESTORE_DEFAULTS };

bool IsClass(const DialogItem& item, const wchar_t* name)
{
    return lstrcmpiW(item.className.c_str(), name) == 0;
}

bool IsPushButton(DWORD style) { return (style & BS_TYPEMASK) == BS_PUSHBUTTON; }
bool IsDefaultButton(DWORD style) { return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }
bool IsManualCheckBox(DWORD style) { return (style & BS_TYPEMASK) == BS_CHECKBOX; }
bool IsGroupBox(DWORD style) { return (style & BS_TYPEMASK) == BS_GROUPBOX; }
bool IsBlackRect(DWORD style) { return (style & SS_TYPEMASK) == SS_BLACKRECT; }
bool IsPlainLabel(DWORD style) { return (style & SS_TYPEMASK) == SS_LEFT && (style & SS_NOPREFIX); }
bool IsDropDownList(DWORD style) { return (style & 3) == CBS_DROPDOWNLIST && (style & WS_TABSTOP); }
bool IsHorizontalSlider(DWORD style) { return !(style & TBS_VERT) && (style & WS_TABSTOP); }
bool IsMovieList(DWORD style)
{
    const DWORD needed = LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP;
    return (style & LVS_TYPEMASK) == LVS_REPORT && (style & needed) == needed;
}

// One control as the program's code expects to find it.
struct Expected {
    int id;
    const wchar_t* className;
    bool (*fits)(DWORD style);
};

void ExpectControls(const DialogTemplate& dialog, std::initializer_list<Expected> expected)
{
    for (const Expected& e : expected) {
        const DialogItem* item = dialog.Find(e.id);
        if (!item) {
            ADD_FAILURE() << "no control " << e.id;
            continue;
        }
        EXPECT_TRUE(IsClass(*item, e.className)) << "control " << e.id << " has the wrong class";
        EXPECT_TRUE(e.fits(item->style)) << "control " << e.id << " has the wrong style";
        EXPECT_EQ(item->style & (WS_CHILD | WS_VISIBLE), DWORD(WS_CHILD | WS_VISIBLE)) << "control " << e.id;
    }
}

void ExpectMediaPlaceholder(const DialogTemplate& dialog)
{
    ExpectControls(dialog, { { IDC_MEDIA_PLAYER, L"Static", IsBlackRect } });
    const DialogItem* item = dialog.Find(IDC_MEDIA_PLAYER);
    if (item) {
        EXPECT_TRUE(item->text.empty() && item->textOrdinal < 0);
    }
}

bool HasStyle(DWORD style, DWORD bits) { return (style & bits) == bits; }

// The text of a notice: its one static text.
std::wstring Message(const DialogTemplate& notice)
{
    for (const DialogItem& item : notice.items)
        if (IsClass(item, L"Static") && !item.text.empty()) return item.text;
    return std::wstring();
}

std::wstring Text(const DialogTemplate& dialog, int id)
{
    const DialogItem* item = dialog.Find(id);
    return item ? item->text : std::wstring();
}

bool InScript(wchar_t c, Script script)
{
    switch (script) {
    case Script::Ascii: return c < 0x80;
    case Script::AccentedLatin: return c >= 0xE0 && c <= 0xFF;
    case Script::Kana: return c >= 0x3040 && c <= 0x30FF;
    case Script::Ideographs: return c >= 0x4E00 && c <= 0x9FFF;
    case Script::Hangul: return c >= 0xAC00 && c <= 0xD7A3;
    }
    return false;
}

class LanguageLibraryTest : public testing::TestWithParam<Language> {
protected:
    void SetUp() override { ASSERT_NE(m_library.module(), nullptr) << "library not found"; }

    HMODULE module() const { return m_library.module(); }

    DialogTemplate Template(int id) const
    {
        DialogTemplate dialog;
        EXPECT_TRUE(LoadDialogTemplate(module(), id, dialog)) << "template " << id;
        return dialog;
    }

private:
    LanguageLibrary m_library{ GetParam().code };
};

TEST_P(LanguageLibraryTest, HoldsEveryTemplateAndTheMenuTextInItsLanguage)
{
    const LANGID langid = GetParam().langid;
    for (int id : kTemplates) {
        EXPECT_NE(FindResourceExW(module(), RT_DIALOG, MAKEINTRESOURCEW(id), langid), nullptr)
            << "template " << id;
        Template(id);
    }
    EXPECT_NE(FindResourceExW(module(), RT_STRING, MAKEINTRESOURCEW(IDS_ABOUTBOX / 16 + 1), langid), nullptr);
    EXPECT_FALSE(LoadText(module(), IDS_ABOUTBOX).empty());
}

TEST_P(LanguageLibraryTest, PlayerIsAFramelessPopupFilledByTheMediaPlaceholder)
{
    const DialogTemplate player = Template(IDD_PLAYER);
    EXPECT_TRUE(HasStyle(player.style, WS_POPUP | WS_SYSMENU));
    EXPECT_EQ(player.style & (WS_CAPTION | WS_THICKFRAME), 0u);
    ASSERT_EQ(player.items.size(), 1u);
    ExpectMediaPlaceholder(player);
    EXPECT_TRUE(EqualRect(&player.items[0].rect, &player.rect)) << "the placeholder does not fill the player";
}

TEST_P(LanguageLibraryTest, SettingsHoldEveryControlTheDialogDrives)
{
    const DialogTemplate settings = Template(IDD_SETTINGS);
    EXPECT_TRUE(HasStyle(settings.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME));
    EXPECT_EQ(settings.style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u) << "the dialog has a fixed size";
    ExpectMediaPlaceholder(settings);
    ExpectControls(settings, {
        { IDC_MOVIE_LIST, WC_LISTVIEWW, IsMovieList },
        { IDC_FOLDER_COMBO, L"ComboBox", IsDropDownList },
        { IDC_VOLUME_SLIDER, TRACKBAR_CLASSW, IsHorizontalSlider },
        { IDC_PLAY_ALL, L"Button", IsManualCheckBox },
        { IDC_MOVIE_TITLE, L"Static", IsPlainLabel },
        { IDC_MOVE_UP, L"Button", IsPushButton },
        { IDC_MOVE_DOWN, L"Button", IsPushButton },
        { IDC_VOLUME_DOWN, L"Button", IsPushButton },
        { IDC_VOLUME_UP, L"Button", IsPushButton },
        { IDC_PLAY, L"Button", IsPushButton },
        { IDC_STOP, L"Button", IsPushButton },
        { IDC_RESTORE_DEFAULTS, L"Button", IsPushButton },
        { IDOK, L"Button", IsDefaultButton },
        { IDCANCEL, L"Button", IsPushButton },
        { IDC_GROUP1, L"Button", IsGroupBox },
        { IDC_GROUP2, L"Button", IsGroupBox },
        { IDC_GROUP3, L"Button", IsGroupBox },
    });
    std::set<int> ids;
    for (const DialogItem& item : settings.items) {
        if (item.id != -1) {
            EXPECT_TRUE(ids.insert(item.id).second) << "control " << item.id << " twice";
        }
    }
}

// The preview shows 4:3 movies. A dialog unit is about as wide as half its
// height in the usual dialog fonts, so 4:3 on screen is about 4:3 in units.
TEST_P(LanguageLibraryTest, PreviewIsALargeFourByThreePicture)
{
    const DialogItem* preview = Template(IDD_SETTINGS).Find(IDC_MEDIA_PLAYER);
    ASSERT_NE(preview, nullptr);
    const double width = preview->rect.right - preview->rect.left;
    const double height = preview->rect.bottom - preview->rect.top;
    EXPECT_NEAR(3 * width / (4 * height), 1.0, 0.05) << width << " x " << height;
    EXPECT_GE(width, 120);
}

TEST_P(LanguageLibraryTest, NoticesOfferOkAndTheConfirmationAlsoCancel)
{
    for (int id : kNotices) {
        const DialogTemplate notice = Template(id);
        EXPECT_TRUE(HasStyle(notice.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER))
            << "notice " << id;
        EXPECT_EQ(notice.caption, L"Driftreel") << "notice " << id;
        EXPECT_FALSE(Message(notice).empty()) << "notice " << id;
        ExpectControls(notice, { { IDOK, L"Button", IsDefaultButton } });
        if (id == IDD_RESTORE_DEFAULTS)
            ExpectControls(notice, { { IDCANCEL, L"Button", IsPushButton } });
        else
            EXPECT_EQ(notice.Find(IDCANCEL), nullptr) << "notice " << id;
    }
}

TEST_P(LanguageLibraryTest, AboutBoxHasTheLayoutOfTheProgramsOwn)
{
    DialogTemplate own;
    ASSERT_TRUE(LoadDialogTemplate(GetModuleHandleW(nullptr), IDD_ABOUTBOX, own));
    const DialogTemplate about = Template(IDD_ABOUTBOX);
    EXPECT_EQ(about.style, own.style);
    EXPECT_TRUE(EqualRect(&about.rect, &own.rect));
    EXPECT_EQ(about.caption, own.caption);
    ASSERT_EQ(about.items.size(), own.items.size());
    for (size_t i = 0; i < own.items.size(); ++i) {
        EXPECT_EQ(about.items[i].id, own.items[i].id) << "item " << i;
        EXPECT_EQ(about.items[i].style, own.items[i].style) << "item " << i;
        EXPECT_TRUE(IsClass(about.items[i], own.items[i].className.c_str())) << "item " << i;
        EXPECT_TRUE(EqualRect(&about.items[i].rect, &own.items[i].rect)) << "item " << i;
        EXPECT_EQ(about.items[i].textOrdinal, own.items[i].textOrdinal) << "item " << i;
    }
    // The box shows the icon from the library it comes from.
    EXPECT_NE(FindResourceW(module(), MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON), nullptr);
}

TEST_P(LanguageLibraryTest, UsesOneFontThroughout)
{
    const DialogTemplate settings = Template(IDD_SETTINGS);
    EXPECT_FALSE(settings.faceName.empty());
    for (int id : kTemplates) {
        const DialogTemplate dialog = Template(id);
        EXPECT_EQ(dialog.faceName, settings.faceName) << "template " << id;
        EXPECT_EQ(dialog.pointSize, settings.pointSize) << "template " << id;
    }
}

TEST_P(LanguageLibraryTest, TextsAreTranslated)
{
    if (lstrcmpW(GetParam().code, L"eng") == 0) GTEST_SKIP() << "English is the language compared with";
    LanguageLibrary english(L"eng");
    ASSERT_NE(english.module(), nullptr);
    DialogTemplate reference;

    EXPECT_NE(LoadText(module(), IDS_ABOUTBOX), LoadText(english.module(), IDS_ABOUTBOX));
    ASSERT_TRUE(LoadDialogTemplate(english.module(), IDD_SETTINGS, reference));
    const DialogTemplate settings = Template(IDD_SETTINGS);
    EXPECT_NE(settings.caption, reference.caption);
    for (int id : { IDC_GROUP1, IDC_GROUP2, IDC_GROUP3, IDC_PLAY_ALL, IDC_MOVE_UP, IDC_MOVE_DOWN,
                    IDC_PLAY, IDC_STOP, IDC_RESTORE_DEFAULTS, IDCANCEL })
        EXPECT_NE(Text(settings, id), Text(reference, id)) << "control " << id;
    for (int id : kNotices) {
        ASSERT_TRUE(LoadDialogTemplate(english.module(), id, reference));
        EXPECT_NE(Message(Template(id)), Message(reference)) << "notice " << id;
    }
    ASSERT_TRUE(LoadDialogTemplate(english.module(), IDD_ABOUTBOX, reference));
    EXPECT_NE(Template(IDD_ABOUTBOX).items.at(2).text, reference.items.at(2).text);
}

// UTF-8 read in another code page turns letters into characters of no
// language's script: "é" becomes "Ã©", Japanese becomes Latin noise.
TEST_P(LanguageLibraryTest, TextsReadBackInTheLanguagesScript)
{
    std::wstring messages;
    for (int id : kNotices) messages += Message(Template(id));
    size_t inScript = 0;
    for (wchar_t c : messages) inScript += InScript(c, GetParam().script) ? 1 : 0;
    if (GetParam().script == Script::Ascii)
        EXPECT_EQ(inScript, messages.size());
    else
        EXPECT_GT(inScript, 0u);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageLibraryTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return testing::PrintToString(info.param);
                         });

TEST(LanguageLibraries, EachLanguageHasTextsOfItsOwn)
{
    std::set<std::wstring> menuTexts, messages;
    for (const Language& language : kLanguages) {
        LanguageLibrary library(language.code);
        DialogTemplate notice;
        ASSERT_TRUE(LoadDialogTemplate(library.module(), IDD_MISSING_CODEC, notice)) << language;
        menuTexts.insert(LoadText(library.module(), IDS_ABOUTBOX));
        messages.insert(Message(notice));
    }
    EXPECT_EQ(menuTexts.size(), std::size(kLanguages));
    EXPECT_EQ(messages.size(), std::size(kLanguages));
}

// The program loads its library as an ordinary module; all ten at once also
// shows that they load when their preferred addresses are taken.
TEST(LanguageLibraries, LoadAsModules)
{
    std::vector<HMODULE> modules;
    for (const Language& language : kLanguages) {
        HMODULE module = LoadLibraryW((ProgramFolder() + language.code + L".dll").c_str());
        EXPECT_NE(module, nullptr) << language;
        if (!module) continue;
        modules.push_back(module);
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(IDD_SETTINGS), RT_DIALOG), nullptr) << language;
    }
    for (HMODULE module : modules) FreeLibrary(module);
}

}  // namespace

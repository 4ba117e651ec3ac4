// The framework prepares the common controls only for templates that need
// them: every library's templates must answer as their controls are, and a
// damaged template must never be read past its end.
#include "framework/DialogTemplateClasses.h"
#include "res/ids.h"
#include "tests/lang/LanguageLibrary.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<BYTE> TemplateBytes(HMODULE hModule, int nId)
{
    HRSRC hInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(nId), MAKEINTRESOURCEW(5));
    if (!hInfo) return {};
    const BYTE* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(hModule, hInfo)));
    return std::vector<BYTE>(pData, pData + ::SizeofResource(hModule, hInfo));
}

bool SystemClassesOnly(const std::vector<BYTE>& bytes, size_t cbSize)
{
    return AfxTemplateUsesSystemClassesOnly(reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                            static_cast<DWORD>(cbSize));
}

class TemplateClassesTest : public ::testing::TestWithParam<Language> {};
}

TEST_P(TemplateClassesTest, OnlyTheSettingsDialogNeedsTheCommonControls)
{
    LanguageLibrary library(GetParam().code);
    ASSERT_NE(library.module(), nullptr);
    for (int nId : { IDD_PLAYER, IDD_ABOUTBOX, IDD_MISSING_CODEC, IDD_DISPLAY_REQUIRED, IDD_RESTORE_DEFAULTS }) {
        std::vector<BYTE> bytes = TemplateBytes(library.module(), nId);
        ASSERT_FALSE(bytes.empty()) << nId;
        EXPECT_TRUE(SystemClassesOnly(bytes, bytes.size())) << nId;
    }
    std::vector<BYTE> settings = TemplateBytes(library.module(), IDD_SETTINGS);
    EXPECT_FALSE(SystemClassesOnly(settings, settings.size()));
}

// Each cut copy lies at the end of its own allocation, so a read past the
// cut would read past the copy.
TEST_P(TemplateClassesTest, CutTemplatesAnswerThatAnyClassMayBeNeeded)
{
    LanguageLibrary library(GetParam().code);
    ASSERT_NE(library.module(), nullptr);
    std::vector<BYTE> bytes = TemplateBytes(library.module(), IDD_PLAYER);
    ASSERT_FALSE(bytes.empty());
    // Past the last control come only its creation-data count and padding.
    for (size_t cbCut = 0; cbCut + 8 < bytes.size(); ++cbCut) {
        std::vector<BYTE> cut(bytes.begin(), bytes.begin() + static_cast<long>(cbCut));
        EXPECT_FALSE(SystemClassesOnly(cut, cbCut)) << cbCut;
    }
}

INSTANTIATE_TEST_SUITE_P(Libraries, TemplateClassesTest, ::testing::ValuesIn(kLanguages));

TEST(TemplateClassesTest, NamedAndNumberedClassesAreToldApart)
{
    // A classic template with one control whose class comes by ordinal or by name.
    auto OneControl = [](std::initializer_list<WORD> cls) {
        std::vector<WORD> words = { 0, 0, 0, 0, 1, 0, 0, 10, 10, 0, 0, 0 }; // style, ex style, 1 item, rect, menu, class, title
        words.insert(words.end(), { 0, 0x5000, 0, 0, 0, 0, 5, 5, 1 });      // (aligned) style, ex style, rect, id
        words.insert(words.end(), cls);
        words.insert(words.end(), { 0, 0 });                                // title, creation data
        std::vector<BYTE> bytes(reinterpret_cast<BYTE*>(words.data()),
                                reinterpret_cast<BYTE*>(words.data() + words.size()));
        return SystemClassesOnly(bytes, bytes.size());
    };
    EXPECT_TRUE(OneControl({ 0xFFFF, 0x80 }));
    EXPECT_TRUE(OneControl({ 0xFFFF, 0x85 }));
    EXPECT_FALSE(OneControl({ 0xFFFF, 0x86 }));
    EXPECT_TRUE(OneControl({ 'e', 'D', 'I', 'T', 0 }));
    EXPECT_FALSE(OneControl({ 'E', 'd', 'i', 't', 's', 0 }));
    EXPECT_FALSE(OneControl({ 'S', 'y', 's', 'L', 'i', 's', 't', 'V', 'i', 'e', 'w', '3', '2', 0 }));
    EXPECT_FALSE(AfxTemplateUsesSystemClassesOnly(nullptr, 0));
}

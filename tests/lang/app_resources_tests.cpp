// The program's own resources, linked into this test program as into the
// screen saver: the icon, the About box, the product name and the version.
#include "res/ids.h"
#include "tests/lang/DialogTemplate.h"
#include "tests/lang/LanguageLibrary.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

#pragma pack(push, 2)
struct IconDirEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

HMODULE Own() { return GetModuleHandleW(nullptr); }

void ExpectItem(const DialogItem& item, int id, const wchar_t* className, RECT rect)
{
    EXPECT_EQ(item.id, id);
    EXPECT_EQ(lstrcmpiW(item.className.c_str(), className), 0);
    EXPECT_TRUE(EqualRect(&item.rect, &rect))
        << item.rect.left << "," << item.rect.top << " " << item.rect.right - item.rect.left << "x"
        << item.rect.bottom - item.rect.top;
}

TEST(ProgramResources, AboutBoxIsLaidOutAsThePlayerExpects)
{
    DialogTemplate about;
    ASSERT_TRUE(LoadDialogTemplate(Own(), IDD_ABOUTBOX, about));
    const DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    EXPECT_EQ(about.style & style, style);
    EXPECT_EQ(about.caption, L"Driftreel");
    EXPECT_EQ(about.pointSize, 9);
    EXPECT_EQ(about.faceName, L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
    EXPECT_EQ(about.rect.right - about.rect.left, 235);
    EXPECT_EQ(about.rect.bottom - about.rect.top, 55);
    ASSERT_EQ(about.items.size(), 4u);

    ExpectItem(about.items[0], -1, L"Static", RECT{ 11, 17, 31, 37 });
    EXPECT_EQ(about.items[0].style & SS_TYPEMASK, DWORD(SS_ICON));
    EXPECT_EQ(about.items[0].textOrdinal, IDR_MAINFRAME);

    ExpectItem(about.items[1], -1, L"Static", RECT{ 40, 10, 159, 18 });
    EXPECT_EQ(about.items[1].text, L"Driftreel Version 1.0");
    EXPECT_TRUE(about.items[1].style & SS_NOPREFIX);

    ExpectItem(about.items[2], -1, L"Static", RECT{ 40, 25, 159, 33 });
    EXPECT_FALSE(about.items[2].text.empty());

    ExpectItem(about.items[3], IDOK, L"Button", RECT{ 178, 7, 228, 21 });
    EXPECT_EQ(about.items[3].text, L"OK");
    EXPECT_EQ(about.items[3].style & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
}

TEST(ProgramResources, IconComesInSmallMediumAndLargeSizes)
{
    HRSRC info = FindResourceW(Own(), MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    ASSERT_NE(info, nullptr);
    const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(Own(), info)));
    ASSERT_NE(group, nullptr);
    WORD count;
    memcpy(&count, group + 4, sizeof count);
    ASSERT_GE(SizeofResource(Own(), info), 6 + count * sizeof(IconDirEntry));
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        IconDirEntry entry;
        memcpy(&entry, group + 6 + i * sizeof entry, sizeof entry);
        EXPECT_EQ(entry.width, entry.height);
        sizes.insert(entry.width);
    }
    EXPECT_EQ(sizes, (std::set<int>{ 16, 32, 48 }));
    for (int size : sizes) {
        HANDLE icon = LoadImageW(Own(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

// Not stretched as a bitmap at any scaling: aware of each monitor's DPI
// (v2, with the older per-monitor and system-wide forms for older systems),
// run as the user who starts it, on the systems it was made for.
TEST(ProgramResources, ManifestDeclaresPerMonitorDpiAwareness)
{
    HRSRC info = FindResourceW(Own(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(info, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(Own(), info)));
    ASSERT_NE(data, nullptr);
    std::string manifest(data, SizeofResource(Own(), info));
    for (const char* part : { "WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>",
                              "WindowsSettings\">true/pm</dpiAware>", "level=\"asInvoker\"",
                              "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" })
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

TEST(ProgramResources, NamesTheProductAndItsVersion)
{
    EXPECT_EQ(LoadText(Own(), IDS_PRODUCT_NAME), L"Driftreel");
    EXPECT_NE(FindResourceW(Own(), MAKEINTRESOURCEW(1), RT_VERSION), nullptr);
}

}  // namespace

// The real program in configure mode, driven from outside as a user would:
// the dialog opens on the stored folder, Down reorders, OK stores and the
// process ends cleanly.
#include "tests/config/SettingsDialogFixture.h"
#include "res/ids.h"
#include "tests/support/ScreenSaverProcess.h"

using ::testing::ElementsAre;

TEST_F(SettingsDialogTest, ConfigureModeStoresTheReorderedFolderOnOk)
{
    CString strTrio = m_root.AddFolder(L"Trio", { L"A.wmv", L"B.wmv", L"C.wmv" });
    StoreChoice(strTrio, 1, 30);
    StoreOrder(L"Trio", { L"A", L"B", L"C" });

    ScreenSaverProcess process(L"/c");
    HWND hDlg = process.WaitForWindow(10000);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(CString(L"Driftreel Settings"), WindowText(hDlg));
    EXPECT_TRUE(IsChecked(hDlg, IDC_PLAY_ALL));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_MOVE_DOWN));
    EXPECT_EQ(30, SliderPos(hDlg));
    EXPECT_EQ(CString(L"A"), ControlText(hDlg, IDC_MOVIE_TITLE));

    Click(hDlg, IDC_MOVE_DOWN);
    Click(hDlg, IDOK);
    EXPECT_EQ(0u, process.WaitForExit(10000));
    ExpectRecord(strTrio, 1, 30, 1);
    EXPECT_THAT(StoredOrder(L"Trio"), ElementsAre(CString(L"B"), CString(L"A"), CString(L"C")));
}

// Reordering, the playing mode, and what OK, Cancel and the restore of the
// defaults leave in the registry.
#include "tests/config/SettingsDialogFixture.h"
#include "res/ids.h"

using ::testing::ElementsAre;

namespace {
const CString A(L"A"), B(L"B"), C(L"C");
}

class SettingsReorderTest : public SettingsDialogTest {
protected:
    void SetUp() override
    {
        m_strFolder = m_root.AddFolder(L"Trio", { L"A.wmv", L"B.wmv", L"C.wmv" });
        m_root.AddFolder(L"Other", { L"x.wmv", L"y.wmv" });
        StoreChoice(m_strFolder, 1);
        StoreOrder(L"Trio", { L"A", L"B", L"C" });
    }
    CString m_strFolder;
};

TEST_F(SettingsReorderTest, UpAndDownMoveTheSelectedMovieAndKeepItSelected)
{
    Run([](CDialog& dlg) {
        SelectItem(dlg, 1);
        Click(dlg, IDC_MOVE_UP);
        EXPECT_THAT(ListItems(dlg), ElementsAre(B, A, C));
        EXPECT_EQ(0, SelectedItem(dlg));
        EXPECT_EQ(0, FocusedItem(dlg));
        EXPECT_EQ(::GetDlgItem(dlg, IDC_MOVE_UP), ::GetFocus());
        // At the top Up does nothing; Down brings the order back.
        Click(dlg, IDC_MOVE_UP);
        EXPECT_THAT(ListItems(dlg), ElementsAre(B, A, C));
        Click(dlg, IDC_MOVE_DOWN);
        EXPECT_THAT(ListItems(dlg), ElementsAre(A, B, C));
        EXPECT_EQ(1, SelectedItem(dlg));
        SelectItem(dlg, 2);
        Click(dlg, IDC_MOVE_DOWN);
        EXPECT_THAT(ListItems(dlg), ElementsAre(A, B, C));
    });
}

TEST_F(SettingsReorderTest, OkStoresTheFolderTheMethodAndTheOrder)
{
    m_user.SetDword(nullptr, L"Volume", 75);
    INT_PTR nResult = Run([](CDialog& dlg) {
        SelectItem(dlg, 1);
        Click(dlg, IDC_MOVE_UP);
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, nResult);
    ExpectRecord(m_strFolder, 1, 75, 1);
    EXPECT_TRUE(m_user.HasValue(nullptr, L"Display"));
    EXPECT_THAT(StoredOrder(L"Trio"), ElementsAre(B, A, C));
}

TEST_F(SettingsReorderTest, CancelAfterAFolderChangeKeepsTheOrderOfTheFolderLeft)
{
    INT_PTR nResult = Run([](CDialog& dlg) {
        SelectItem(dlg, 2);
        Click(dlg, IDC_MOVE_UP);
        ChooseFolder(dlg, L"Other");
        EXPECT_EQ(2u, ListItems(dlg).size());
        SelectItem(dlg, 1);
        Click(dlg, IDC_MOVE_UP);
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_THAT(StoredOrder(L"Trio"), ElementsAre(A, C, B));
    EXPECT_FALSE(m_user.Exists(L"Other"));
    EXPECT_EQ(m_strFolder, m_user.GetString(nullptr, L"FilePath"));
}

TEST_F(SettingsReorderTest, SingleMovieModeStoresThePreviewedMovieAndNoOrder)
{
    Run([](CDialog& dlg) {
        Click(dlg, IDC_PLAY_ALL);
        EXPECT_FALSE(IsChecked(dlg, IDC_PLAY_ALL));
        EXPECT_FALSE(IsEnabled(dlg, IDC_MOVE_UP));
        SelectItem(dlg, 2);
        // Moving does nothing in this mode, even when asked.
        Click(dlg, IDC_MOVE_UP);
        EXPECT_THAT(ListItems(dlg), ElementsAre(A, B, C));
        Click(dlg, IDOK);
    });
    EXPECT_EQ(m_strFolder + L"\\C.wmv", m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"PlayingMethod"));
    EXPECT_THAT(StoredOrder(L"Trio"), ElementsAre(A, B, C));
}

TEST_F(SettingsDialogTest, OkInAFolderOfOneMovieStoresThatMovie)
{
    CString strLake = m_root.AddFolder(L"Lake", { L"calm.wmv" });
    StoreChoice(strLake, 1);
    Run([](CDialog& dlg) { Click(dlg, IDOK); });
    EXPECT_EQ(strLake + L"\\calm.wmv", m_user.GetString(nullptr, L"FilePath"));
    EXPECT_EQ(0u, m_user.GetDword(nullptr, L"PlayingMethod"));
    EXPECT_FALSE(m_user.Exists(L"Lake"));
}

class SettingsRestoreTest : public SettingsDialogTest {
protected:
    void SetUp() override
    {
        m_strSea = m_root.AddFolder(L"Sea", { L"a.wmv", L"b.wmv" });
        StoreChoice(m_strSea + L"\\a.wmv", 0, 10);
        m_machine.SetString(nullptr, L"FilePath", m_strSea);
        m_machine.SetDword(nullptr, L"PlayingMethod", 1);
        m_machine.SetDword(nullptr, L"Volume", 60);
    }
    CString m_strSea;
};

TEST_F(SettingsRestoreTest, ConfirmedRestoreWritesTheMachineDefaultsAndCloses)
{
    INT_PTR nResult = Run([](CDialog& dlg) {
        AnswerNextNotice(dlg, IDOK);
        Click(dlg, IDC_RESTORE_DEFAULTS);
        EXPECT_EQ(dlg.m_hWnd, LastNoticeSeen().hOwner);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    ExpectRecord(m_strSea, 1, 60, 0);
}

TEST_F(SettingsRestoreTest, RestoreAnsweredWithCancelWritesNothingAndStaysOpen)
{
    Run([](CDialog& dlg) {
        AnswerNextNotice(dlg, IDCANCEL);
        Click(dlg, IDC_RESTORE_DEFAULTS);
        EXPECT_TRUE(::IsWindowVisible(dlg));
        // The notice belongs to the dialog, which takes no input until it ends.
        EXPECT_EQ(dlg.m_hWnd, LastNoticeSeen().hOwner);
        EXPECT_FALSE(LastNoticeSeen().bOpenerEnabled);
        EXPECT_GT(LastNoticeSeen().dSkinShare, 0.5) << "the confirmation over the dialog is not painted on the screen";
        EXPECT_TRUE(::IsWindowEnabled(dlg));
    });
    ExpectRecord(m_strSea + L"\\a.wmv", 0, 10, 1);
}

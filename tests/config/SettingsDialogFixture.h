// What the settings dialog tests share: English templates, a fresh content
// root, the user's and the machine's records cleared around each test, media
// doubles in the preview, and the dialog driven through its controls' own
// messages from inside its modal loop.
#pragma once
#include "config/SettingsDialog.h"
#include "settings/SettingsRecord.h"
#include "tests/support/ContentRootScope.h"
#include "tests/support/MediaPlayerDouble.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/Printers.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/ResourceLanguage.h"
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

class SettingsDialogTest : public ::testing::Test {
protected:
    // The stored choice, as OK of an earlier run left it.
    void StoreChoice(const CString& strFilePath, int nPlayingMethod, int nVolume = 50);
    // A folder's stored play order, as the dialog writes it.
    void StoreOrder(const wchar_t* pszFolder, std::initializer_list<const wchar_t*> titles);
    std::vector<CString> StoredOrder(const wchar_t* pszFolder) const;
    // The user's record holds these values.
    void ExpectRecord(const CString& strFilePath, DWORD nPlayingMethod, DWORD nVolume, DWORD nInitialize) const;

    // Runs the dialog as the application's main window, as configure mode
    // does; action acts on it once it shows and may end it. A dialog still
    // open afterwards is cancelled. Returns DoModal's result.
    INT_PTR Run(const std::function<void(CDialog&)>& action);
    INT_PTR Run(SettingsDialog& dlg, const std::function<void(CDialog&)>& action);

    MediaPlayerDouble& Preview() const { return *m_doubles.Last(); }

    ResourceLanguage m_language{L"eng"};
    ContentRootScope m_root;
    RegistryTestKey m_user{HKEY_CURRENT_USER, kProductKeyPath};
    RegistryTestKey m_machine{HKEY_LOCAL_MACHINE, kProductKeyPath};
    MediaDoubleScope m_doubles;
    CWinApp m_app;
};

// The dialog's controls, through their own messages.
void Click(HWND hDlg, int nID);
bool IsEnabled(HWND hDlg, int nID);
bool IsChecked(HWND hDlg, int nID);
CString ControlText(HWND hDlg, int nID);
std::vector<CString> ListItems(HWND hDlg);
int SelectedItem(HWND hDlg);
int FocusedItem(HWND hDlg);
// Selects one item as a click would (the list notifies the dialog).
void SelectItem(HWND hDlg, int nItem);
// Chooses a folder in the combo box as the user would.
void ChooseFolder(HWND hDlg, const wchar_t* pszTitle);
int SliderPos(HWND hDlg);

// Answers the next notice that a button of the settings dialog opens with
// the given button, once it shows.
void AnswerNextNotice(HWND hOpener, int nButton);

// What the last answered notice found when it showed.
struct NoticeSeen {
    HWND hOwner = nullptr;
    bool bOpenerEnabled = true;
    // Share of the notice's client area that the screen showed in the skin's
    // background colour a moment after it appeared: a black or unpainted
    // notice has none.
    double dSkinShare = 0;
};
NoticeSeen LastNoticeSeen();

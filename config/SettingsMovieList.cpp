// The settings dialog's choice of folder and movie, and the list's order.
#include "config/SettingsDialog.h"
#include "catalogue/FolderScan.h"
#include "catalogue/MovieList.h"
#include "config/TitleLabel.h"
#include "settings/SettingsRecord.h"
#include <commctrl.h>

BOOL SettingsDialog::SelectStoredFolder()
{
    int nCount = (int)m_comboFolder.SendMessage(CB_GETCOUNT);
    if (nCount <= 0) return FALSE;
    if (m_strFilePath.IsEmpty() || m_strFilePath == m_strContentRoot) return TRUE;
    if (m_nPlayingMethod != kPlayOneMovie && m_nPlayingMethod != kPlayFolder) return TRUE;

    CString strRelative = m_strFilePath;
    strRelative.Replace(m_strContentRoot + L"\\", L"");
    CString strName = strRelative;
    if (m_nPlayingMethod == kPlayOneMovie) {
        int nSlash = strRelative.Find(L'\\');
        strName = nSlash < 0 ? CString() : strRelative.Left(nSlash);
    }
    int nFound = -1;
    for (int i = 0; i < nCount && nFound < 0; ++i)
        if (FolderName(i) == strName) nFound = i;
    if (nFound < 0 && m_nPlayingMethod == kPlayOneMovie) nFound = 0;
    if (nFound >= 0) m_comboFolder.SendMessage(CB_SETCURSEL, nFound);
    return TRUE;
}

// The real name of the folder that combo box item nItem offers by its title.
CString SettingsDialog::FolderName(int nItem) const
{
    LRESULT nIndex = m_comboFolder.SendMessage(CB_GETITEMDATA, nItem);
    if (nIndex < 0 || (size_t)nIndex >= m_arrFolderNames.size()) return CString();
    return m_arrFolderNames[nIndex];
}

CString SettingsDialog::GetSelectedFolderPath()
{
    if ((int)m_comboFolder.SendMessage(CB_GETCOUNT) <= 0) return CString();
    int nSelected = (int)m_comboFolder.SendMessage(CB_GETCURSEL);
    if (nSelected == CB_ERR) return CString();
    return m_strContentRoot + L"\\" + FolderName(nSelected);
}

BOOL SettingsDialog::SelectStoredMovie()
{
    int nCount = GetMovieCount();
    if (nCount == 0) return FALSE;
    int nItem = -1;
    if (m_nPlayingMethod == kPlayFolder) {
        nItem = 0;
    } else if (m_nPlayingMethod == kPlayOneMovie) {
        CString strTitle = StoredMovieTitle();
        nItem = 0;
        for (int i = 0; i < nCount; ++i) {
            if (m_viewMovies.GetItemText(i) == strTitle) {
                nItem = i;
                break;
            }
        }
    }
    if (nItem >= 0) m_viewMovies.SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
    SetTitleLabel();
    return TRUE;
}

// The title of the last file that the stored path names; empty when none.
CString SettingsDialog::StoredMovieTitle() const
{
    CString strTitle;
    ForEachEntry(m_strFilePath, [&strTitle](const CFileFind& find) {
        if (!find.IsDirectory()) strTitle = find.GetFileTitle();
    });
    return strTitle;
}

void SettingsDialog::SetTitleLabel()
{
    int nSelected = GetSelectedMovie();
    CString strLabel = nSelected == -1 ? CString() : TitleLabelText(m_viewMovies.GetItemText(nSelected));
    m_staticTitle.SetWindowText(strLabel);
}

void SettingsDialog::OnFolderSelChange()
{
    m_staticTitle.SetWindowText(L"");
    m_bWideTitles = FALSE;
    // The order of the folder being left is kept, whatever ends the dialog.
    if (GetMovieCount() > 0) SaveMovieList(m_strContentRoot, m_strFolderPath, m_viewMovies);
    m_viewMovies.DeleteAllItems();
    m_strFolderPath = GetSelectedFolderPath();
    LoadFolderMovies();
    UpdateColumnWidth();
    if (!SelectStoredMovie()) {
        ShowNoFilePicture();
        m_btnOK.EnableWindow(FALSE);
    }
    UpdateMoveButtons();
    UpdatePlayAllCheck();
    UpdatePlayButtons();
    UpdateVolumeControls();
    PreviewOrShowNoFile();
}

// Hands the selected movie to the preview and allows OK when the list has
// movies; otherwise the no-file picture and no OK.
void SettingsDialog::PreviewOrShowNoFile()
{
    BOOL bMovies = GetMovieCount() > 0;
    if (bMovies)
        PreviewSelectedMovie(m_strFolderPath);
    else
        ShowNoFilePicture();
    m_btnOK.EnableWindow(bMovies);
}

void SettingsDialog::OnMovieListItemChanged(NMHDR*, LRESULT* pResult)
{
    if (GetMovieCount() > 0) {
        PreviewSelectedMovie(m_strFolderPath);
        m_btnOK.EnableWindow(TRUE);
        SetTitleLabel();
    }
    UpdateMoveButtons();
    UpdatePlayButtons();
    if (GetSelectedMovie() == -1) m_btnOK.EnableWindow(FALSE);
    *pResult = 0;
}

// Exchanges the texts of two neighbouring items and selects the moved one at nTo.
void SettingsDialog::SwapMovies(int nFrom, int nTo)
{
    CString strMoved = m_viewMovies.GetItemText(nFrom);
    CString strOther = m_viewMovies.GetItemText(nTo);
    m_viewMovies.DeleteItem(nTo);
    m_viewMovies.InsertItem(nTo, strMoved);
    m_viewMovies.DeleteItem(nFrom);
    m_viewMovies.InsertItem(nFrom, strOther);
    m_viewMovies.SetItemState(nTo, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_viewMovies.EnsureVisible(nTo);
    PreviewSelectedMovie(m_strFolderPath);
}

void SettingsDialog::OnMoveUp()
{
    if (m_nPlayingMethod != kPlayFolder) return;
    int nSelected = GetSelectedMovie();
    if (nSelected <= 0) return;
    SwapMovies(nSelected, nSelected - 1);
    m_btnUp.SetFocus();
}

void SettingsDialog::OnMoveDown()
{
    if (m_nPlayingMethod != kPlayFolder) return;
    int nSelected = GetSelectedMovie();
    if (nSelected < 0 || nSelected >= GetMovieCount() - 1) return;
    SwapMovies(nSelected, nSelected + 1);
    m_btnDown.SetFocus();
}

void SettingsDialog::OnPlayAllClicked()
{
    BOOL bChecked = m_chkPlayAll.SendMessage(BM_GETCHECK) != BST_CHECKED;
    m_chkPlayAll.SendMessage(BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED);
    m_nPlayingMethod = bChecked ? kPlayFolder : kPlayOneMovie;
    m_listMovies.SetLibraryDraw(m_nPlayingMethod == kPlayOneMovie);
    PreviewOrShowNoFile();
    UpdateMoveButtons();
    UpdatePlayButtons();
}

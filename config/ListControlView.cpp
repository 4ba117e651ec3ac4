#include "config/ListControlView.h"
#include <commctrl.h>

int ListControlView::GetItemCount() const
{
    return (int)m_list.SendMessage(LVM_GETITEMCOUNT);
}

CString ListControlView::GetItemText(int nItem) const
{
    wchar_t szText[MAX_PATH] = {};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = szText;
    item.cchTextMax = MAX_PATH;
    m_list.SendMessage(LVM_GETITEMTEXTW, (WPARAM)nItem, (LPARAM)&item);
    return CString(szText);
}

int ListControlView::InsertItem(int nItem, const CString& strText)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<wchar_t*>((const wchar_t*)strText);
    return (int)m_list.SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
}

int ListControlView::GetStringWidth(const CString& strText) const
{
    return (int)m_list.SendMessage(LVM_GETSTRINGWIDTHW, 0, (LPARAM)(const wchar_t*)strText);
}

int ListControlView::GetSelection() const
{
    return (int)m_list.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

void ListControlView::DeleteItem(int nItem)
{
    m_list.SendMessage(LVM_DELETEITEM, (WPARAM)nItem);
}

void ListControlView::DeleteAllItems()
{
    m_list.SendMessage(LVM_DELETEALLITEMS);
}

void ListControlView::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMW item = {};
    item.state = nState;
    item.stateMask = nMask;
    m_list.SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&item);
}

void ListControlView::EnsureVisible(int nItem)
{
    m_list.SendMessage(LVM_ENSUREVISIBLE, (WPARAM)nItem, TRUE);
}

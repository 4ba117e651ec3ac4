// The settings dialog's movie list as the list operations see it: thin calls
// that send the list control's own messages. The control is read at each
// call, so the view can be made before the control is attached.
#pragma once
#include "catalogue/MovieListView.h"

class ListControlView : public MovieListView {
public:
    explicit ListControlView(const CWnd& list) : m_list(list) {}

    int GetItemCount() const override;
    CString GetItemText(int nItem) const override;
    int InsertItem(int nItem, const CString& strText) override;
    int GetStringWidth(const CString& strText) const override;

    // The first selected item, or -1.
    int GetSelection() const;
    void DeleteItem(int nItem);
    void DeleteAllItems();
    // Sets the states of nMask to nState on one item (-1: every item).
    void SetItemState(int nItem, UINT nState, UINT nMask);
    void EnsureVisible(int nItem);

private:
    const CWnd& m_list;
};

// A movie list held in memory, standing in for the settings dialog's list
// control wherever the list operations run without a dialog.
#pragma once
#include "catalogue/MovieListView.h"
#include <vector>

class MemoryListView : public MovieListView {
public:
    int GetItemCount() const override { return static_cast<int>(m_items.size()); }
    CString GetItemText(int nItem) const override
    {
        return nItem >= 0 && nItem < GetItemCount() ? m_items[static_cast<size_t>(nItem)] : CString();
    }
    int InsertItem(int nItem, const CString& strText) override
    {
        int position = nItem < 0 || nItem > GetItemCount() ? GetItemCount() : nItem;
        m_items.insert(m_items.begin() + position, strText);
        return position;
    }
    // Ten pixels a character is enough to follow the width bookkeeping.
    int GetStringWidth(const CString& strText) const override { return strText.GetLength() * 10; }

    std::vector<CString> m_items;
};

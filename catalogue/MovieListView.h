// The list a folder's movie titles are shown in, as the list operations see it.
// The settings dialog implements it over its list control; tests over memory.
#pragma once
#include "framework/Afx.h"

class MovieListView {
public:
    virtual ~MovieListView() = default;
    virtual int GetItemCount() const = 0;
    // Column 0 of an item (at most 259 characters, as the control reads it);
    // empty past the end.
    virtual CString GetItemText(int nItem) const = 0;
    // Inserts a text-only item; an index past the end places it at the end.
    // Returns the item's position, or -1.
    virtual int InsertItem(int nItem, const CString& strText) = 0;
    // The pixel width of a text in the list's font.
    virtual int GetStringWidth(const CString& strText) const = 0;
};

// The dialog's bookkeeping while titles are appended. The insert index is
// never reset, so every title lands at the end of the list; the wide-title
// width only ever grows.
struct TitleAppendState {
    int m_nInsertIndex = 0;
    BOOL m_bWideTitles = FALSE;
    int m_nWideWidth = 0;
};

// The settings dialog's movie list: rows in the library's look, or in a
// light-blue look of its own while all movies of a folder are played.
#pragma once
#include "controls/SabrelListCtrl.h"

class MovieListCtrl : public SabrelListCtrl {
public:
    MovieListCtrl();
    ~MovieListCtrl() override;

    // Chooses who draws the rows and redraws them all.
    void SetLibraryDraw(BOOL bLibraryDraw);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    BOOL m_bLibraryDraw;

    DECLARE_MESSAGE_MAP()

private:
    void DrawSelectionFrame(HDC hdc, const RECT& rcRow);
};

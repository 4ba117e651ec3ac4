#include "media/PictureFit.h"

RECT FitPicture(SIZE picture, const RECT& rcBounds, bool bStretchToFit)
{
    LONG cxBounds = rcBounds.right - rcBounds.left, cyBounds = rcBounds.bottom - rcBounds.top;
    if (picture.cx <= 0 || picture.cy <= 0) return rcBounds;
    SIZE fit = picture;
    if (bStretchToFit || fit.cx > cxBounds || fit.cy > cyBounds) {
        // The side that meets the bounds first sets the scale. Fitting a
        // fitted size again gives it back, so a held picture lands where the
        // movie was.
        if ((LONGLONG)cxBounds * picture.cy <= (LONGLONG)cyBounds * picture.cx)
            fit = { cxBounds, ::MulDiv(cxBounds, picture.cy, picture.cx) };
        else
            fit = { ::MulDiv(cyBounds, picture.cx, picture.cy), cyBounds };
    }
    LONG x = rcBounds.left + (cxBounds - fit.cx) / 2, y = rcBounds.top + (cyBounds - fit.cy) / 2;
    return { x, y, x + fit.cx, y + fit.cy };
}

void FillAroundPicture(HDC hDC, const RECT& rcBounds, const RECT& rcPicture)
{
    int nSaved = ::SaveDC(hDC);
    ::ExcludeClipRect(hDC, rcPicture.left, rcPicture.top, rcPicture.right, rcPicture.bottom);
    ::FillRect(hDC, &rcBounds, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::RestoreDC(hDC, nSaved);
}

// Where a movie's picture goes in the control, by the stretchToFit property:
// scaled to fill the control keeping its shape, or at its own size (shrunk
// keeping its shape when larger); centred either way, the rest black.
#pragma once
#include <windows.h>

// The rectangle in rcBounds for a picture of size picture; rcBounds itself
// for a picture of no known size.
RECT FitPicture(SIZE picture, const RECT& rcBounds, bool bStretchToFit);
// Paints rcBounds black outside rcPicture.
void FillAroundPicture(HDC hDC, const RECT& rcBounds, const RECT& rcPicture);

// The shape of the primary screen, by its height-to-width ratio.
#pragma once
#include "framework/Afx.h"

enum class ScreenShape { Normal = 0, Wide = 1, Vertical = 2 };

// What the dialogs keep of the screen besides its shape.
struct ScreenSize {
    int m_cxScreen = 0;
    int m_cyScreen = 0;
    float m_fAspect = 0.0f;   // height / width
};

// Wide below 0.75, Normal up to and including 1.0, Vertical above. A zero
// width gives an infinite ratio (Vertical), or with a zero height no number
// at all (Wide). pSize, when given, receives the size and the ratio.
ScreenShape ClassifyScreenShape(int cxScreen, int cyScreen, ScreenSize* pSize = nullptr);
// The same for the primary display as it is now.
ScreenShape ClassifyScreenShape(ScreenSize* pSize = nullptr);

// The tag by which a movie title names the shape it suits: "n", "w" or "v".
const wchar_t* ShapeTagOf(ScreenShape shape);

#include "catalogue/ScreenShape.h"

ScreenShape ClassifyScreenShape(int cxScreen, int cyScreen, ScreenSize* pSize)
{
    double ratio = static_cast<double>(cyScreen) / static_cast<double>(cxScreen);
    if (pSize) {
        pSize->m_cxScreen = cxScreen;
        pSize->m_cyScreen = cyScreen;
        pSize->m_fAspect = static_cast<float>(ratio);
    }
    // Written so that a ratio that is not a number falls into the first case.
    if (!(ratio >= 0.75)) return ScreenShape::Wide;
    if (ratio <= 1.0) return ScreenShape::Normal;
    return ScreenShape::Vertical;
}

ScreenShape ClassifyScreenShape(ScreenSize* pSize)
{
    return ClassifyScreenShape(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), pSize);
}

const wchar_t* ShapeTagOf(ScreenShape shape)
{
    switch (shape) {
    case ScreenShape::Wide: return L"w";
    case ScreenShape::Vertical: return L"v";
    default: return L"n";
    }
}

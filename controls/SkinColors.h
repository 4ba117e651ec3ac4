// The colours of the library's look: a cool light-blue skin with one accent.
#pragma once
#include <windows.h>

namespace SkinColors {
constexpr COLORREF kDialog = RGB(234, 239, 245);
constexpr COLORREF kText = RGB(30, 42, 56);
constexpr COLORREF kTextDisabled = RGB(150, 158, 168);
constexpr COLORREF kAccent = RGB(46, 125, 196);
constexpr COLORREF kAccentLight = RGB(88, 158, 222);
constexpr COLORREF kOnAccent = RGB(255, 255, 255);

constexpr COLORREF kBorder = RGB(140, 158, 180);
constexpr COLORREF kBorderHot = RGB(86, 150, 214);
constexpr COLORREF kBorderDisabled = RGB(196, 203, 211);

constexpr COLORREF kFaceTop = RGB(255, 255, 255);
constexpr COLORREF kFaceBottom = RGB(219, 229, 240);
constexpr COLORREF kFaceHotBottom = RGB(200, 223, 247);
constexpr COLORREF kFacePressedTop = RGB(186, 208, 232);
constexpr COLORREF kFacePressedBottom = RGB(214, 229, 245);
constexpr COLORREF kFaceDisabled = RGB(238, 241, 244);
constexpr COLORREF kField = RGB(255, 255, 255);
constexpr COLORREF kFieldHot = RGB(236, 245, 253);

constexpr COLORREF kGroupFrame = RGB(178, 194, 214);
constexpr COLORREF kGroupCaption = RGB(32, 84, 138);

constexpr COLORREF kChannel = RGB(203, 213, 225);

constexpr COLORREF kRow = RGB(255, 255, 255);
constexpr COLORREF kRowAlternate = RGB(243, 247, 252);
constexpr COLORREF kRowDisabled = RGB(241, 243, 246);
constexpr COLORREF kRowSelectedDisabled = RGB(211, 218, 226);
}

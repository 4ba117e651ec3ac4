// How our component turns window input into its events, and its volume
// scale.
#include "media/MediaInput.h"
#include "media/MediaIds.h"
#include "media/MovieGraph.h"
#include "media/PictureView.h"
#include <gtest/gtest.h>

TEST(MediaInputTest, ButtonReleasesAreClicksWithTheButtonAndPosition)
{
    struct { UINT message; short nButton; } cases[] = {
        { WM_LBUTTONUP, kMouseLeft }, { WM_RBUTTONUP, kMouseRight }, { WM_MBUTTONUP, kMouseMiddle } };
    MediaInputTranslator input;
    for (const auto& c : cases) {
        MediaInputEvent e{};
        ASSERT_TRUE(input.Translate(c.message, 0, MAKELPARAM(-3, 250), kShiftKey | kAltKey, 0, e)) << c.message;
        EXPECT_EQ(MediaDispid::Click, e.dispid) << c.message;
        EXPECT_EQ(c.nButton, e.nButton) << c.message;
        EXPECT_EQ(kShiftKey | kAltKey, e.nShiftState);
        EXPECT_EQ(-3, e.x);  // left of the window while it holds the capture
        EXPECT_EQ(250, e.y);
    }
}

TEST(MediaInputTest, ASecondPressSoonAndCloseByIsADoubleClick)
{
    const DWORD dwSoon = ::GetDoubleClickTime() / 2;
    MediaInputTranslator input;
    MediaInputEvent e{};
    EXPECT_FALSE(input.Translate(WM_RBUTTONDOWN, 0, MAKELPARAM(20, 20), 0, 1000, e));
    ASSERT_TRUE(input.Translate(WM_RBUTTONDOWN, 0, MAKELPARAM(21, 20), kControlKey, 1000 + dwSoon, e));
    EXPECT_EQ(MediaDispid::DoubleClick, e.dispid);
    EXPECT_EQ(kMouseRight, e.nButton);
    EXPECT_EQ(kControlKey, e.nShiftState);
    EXPECT_EQ(21, e.x);
    // A third press starts over; so does a late press, another button or one far off.
    EXPECT_FALSE(input.Translate(WM_RBUTTONDOWN, 0, MAKELPARAM(21, 20), 0, 1000 + 2 * dwSoon, e));
    EXPECT_FALSE(input.Translate(WM_RBUTTONDOWN, 0, MAKELPARAM(21, 20), 0, 5000 + 4 * dwSoon, e));
    EXPECT_FALSE(input.Translate(WM_LBUTTONDOWN, 0, MAKELPARAM(21, 20), 0, 5000 + 5 * dwSoon, e));
    EXPECT_FALSE(input.Translate(WM_LBUTTONDOWN, 0, MAKELPARAM(80, 20), 0, 5000 + 6 * dwSoon, e));
}

TEST(MediaInputTest, MouseMoveCarriesTheButtonsHeldAndKeysTheirCode)
{
    MediaInputTranslator input;
    MediaInputEvent e{};
    ASSERT_TRUE(input.Translate(WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON, MAKELPARAM(10, 20), 0, 0, e));
    EXPECT_EQ(MediaDispid::MouseMove, e.dispid);
    EXPECT_EQ(kMouseLeft | kMouseMiddle, e.nButton);
    EXPECT_EQ(10, e.x);
    ASSERT_TRUE(input.Translate(WM_KEYDOWN, 'Q', 0, kControlKey, 0, e));
    EXPECT_EQ(MediaDispid::KeyDown, e.dispid);
    EXPECT_EQ('Q', e.nButton);
    EXPECT_EQ(kControlKey, e.nShiftState);
    ASSERT_TRUE(input.Translate(WM_SYSKEYDOWN, VK_F4, 0, kAltKey, 0, e));
    EXPECT_EQ(VK_F4, e.nButton);
}

TEST(MediaInputTest, OtherMessagesAreNoEvents)
{
    MediaInputTranslator input;
    MediaInputEvent e{};
    for (UINT message : { WM_KEYUP, WM_CHAR, WM_PAINT, WM_LBUTTONDBLCLK })
        EXPECT_FALSE(input.Translate(message, 0, 0, 0, 0, e)) << message;
}

TEST(MediaVolumeTest, VolumeMapsOntoDecibelsFromSilenceToFull)
{
    EXPECT_EQ(-10000, VolumeToAttenuation(0));
    EXPECT_EQ(-10000, VolumeToAttenuation(-5));
    EXPECT_EQ(-4000, VolumeToAttenuation(1));
    EXPECT_EQ(-602, VolumeToAttenuation(50));
    EXPECT_EQ(0, VolumeToAttenuation(100));
    EXPECT_EQ(0, VolumeToAttenuation(250));
}

TEST(MediaUrlTest, PicturesAreKnownByTheirExtension)
{
    EXPECT_TRUE(IsPicturePath(L"C:\\Program Files\\Velnor\\Driftreel\\ErrorNoFile.JPG"));
    EXPECT_TRUE(IsPicturePath(L"a.jpeg"));
    EXPECT_FALSE(IsPicturePath(L"C:\\x.jpg\\movie.wmv"));
    EXPECT_FALSE(IsPicturePath(L"C:\\movie"));
    EXPECT_FALSE(IsPicturePath(nullptr));
}

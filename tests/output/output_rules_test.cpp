// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the picture export and the printed page that need no window: which names give
// which format, the page picture's size and where it lands on the page.
#include <gtest/gtest.h>

#include <cstdlib>

#include "output/image_format.h"
#include "output/print_layout.h"

using namespace voltaris;

TEST(ImageFormat, TheLastFourCharactersDecideCaseSensitively) {
    EXPECT_EQ(ImageFormatOfName("/tmp/bild.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOfName("/tmp/bild.jpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOfName("bild.bmp"), ImageFormat::Bitmap);
    // Without the dot only "jpeg" counts: four characters of "xjpg" are not ".jpg".
    EXPECT_EQ(ImageFormatOfName("bildjpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOfName("bildxjpg"), ImageFormat::Unknown);
    EXPECT_EQ(ImageFormatOfName("x.JPG"), ImageFormat::Unknown);
    EXPECT_EQ(ImageFormatOfName("x.Bmp"), ImageFormat::Unknown);
    EXPECT_EQ(ImageFormatOfName("x.png"), ImageFormat::Png);
    EXPECT_EQ(ImageFormatOfName("x.PNG"), ImageFormat::Unknown);
    EXPECT_EQ(ImageFormatOfName("bild.jpg.txt"), ImageFormat::Unknown);
}

TEST(ImageFormat, ShortNamesAreComparedWhole) {
    EXPECT_EQ(ImageFormatOfName("jpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOfName(".bmp"), ImageFormat::Bitmap);
    EXPECT_EQ(ImageFormatOfName("bmp"), ImageFormat::Unknown);
    EXPECT_EQ(ImageFormatOfName(""), ImageFormat::Unknown);
}

TEST(PrintLayout, PagePictureStacksTheTopViewAboveThe3DView) {
    EXPECT_EQ(PagePictureSize({400, 300}, {600, 300}), (PixelSize{600, 600}));
    EXPECT_EQ(PagePictureSize({700, 250}, {500, 320}), (PixelSize{700, 570}));
}

TEST(PrintLayout, TargetBottomComesFromTheWidthAloneWhileThePictureFits) {
    const PixelSize page{4800, 6788};  // A4 at 580 dpi
    // The square picture goes from (400, 500) to (4400, 4400).
    EXPECT_EQ(PrintTargetRect(page, {600, 600}), (PageRect{400, 500, 4400, 4400}));
    // Truncated, not rounded: 4400 / 600 * 599 = 4392.67.
    EXPECT_EQ(PrintTargetRect(page, {600, 599}).bottom, 4392);
    EXPECT_EQ(PrintTargetRect(page, {0, 0}), (PageRect{400, 500, 4400, 0}));
    // The last shape whose bottom stays 400 pixels above the page's lower edge.
    EXPECT_EQ(PrintTargetRect(page, {4400, 6388}), (PageRect{400, 500, 4400, 6388}));
}

TEST(PrintLayout, ATallOrFlatPictureIsScaledIntoThePrintableAreaWithItsShape) {
    // A4 at 1200 dpi and the two views of a 1600 x 1000 window: the rule would end at 14603.
    const PixelSize page{9917, 14033};
    const PixelSize picture{1258, 1930};
    ASSERT_EQ(PrintableArea(page), (PageRect{400, 500, 9517, 13633}));
    const PageRect r = PrintTargetRect(page, picture);
    EXPECT_EQ(r.top, 500);
    EXPECT_EQ(r.bottom, 13633);
    EXPECT_NEAR(double(r.right - r.left) / (r.bottom - r.top), 1258.0 / 1930, 1e-3);
    EXPECT_LE(std::abs((r.left - 400) - (9517 - r.right)), 1);  // centred across the page

    // One pixel taller than the last fitting shape above: unsqueezed, it fills the width.
    EXPECT_EQ(PrintTargetRect({4800, 6788}, {4400, 6389}), (PageRect{400, 500, 4400, 6308}));

    // So flat that the rule leaves no height: the full width, with its shape.
    EXPECT_EQ(PrintTargetRect(page, {3000, 100}), (PageRect{400, 500, 9517, 804}));
}

// The rules of the picture export and the printed page that need no window: which names give
// which format, the page picture's size and where it lands on the page.
#include <gtest/gtest.h>

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
    EXPECT_EQ(ImageFormatOfName("x.png"), ImageFormat::Unknown);
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

TEST(PrintLayout, TargetBottomComesFromTheWidthAlone) {
    // A 4800-pixel page: the square picture goes from (400, 500) to (4400, 4400).
    EXPECT_EQ(PrintTargetRect(4800, {600, 600}), (PageRect{400, 500, 4400, 4400}));
    // Truncated, not rounded: 4400 / 600 * 599 = 4392.67.
    EXPECT_EQ(PrintTargetRect(4800, {600, 599}).bottom, 4392);
    EXPECT_EQ(PrintTargetRect(4800, {0, 0}), (PageRect{400, 500, 4400, 0}));
}

TEST(PrintLayout, HeadingNamesProjectAndTab) {
    EXPECT_EQ(PrintHeading("Voltaris 2010 - Projekt: Beispielprojekt", "Dipol"),
              "Voltaris 2010 - Projekt: Beispielprojekt - Dipol");
}

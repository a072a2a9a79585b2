#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "engine/engine_frame.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

size_t DistinctColours(const OffscreenImage& image) {
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        colours.insert(image.rgba[i] | image.rgba[i + 1] << 8 | image.rgba[i + 2] << 16);
    }
    return colours.size();
}

TEST(RenderTest, BothViewsOfATabShowASurface) {
    if (const std::string reason = NoEglDisplayReason(); !reason.empty()) GTEST_SKIP() << reason;
    for (EngineView view : {EngineView::ThreeD, EngineView::TopView}) {
        OffscreenImage image;
        std::string error;
        ASSERT_TRUE(RenderActiveTab(DipoleProject(), view, 200, 150, image, error)) << error;
        ASSERT_EQ(image.rgba.size(), 200u * 150 * 4);
        EXPECT_GT(DistinctColours(image), 8u);
        // The top-left corner lies beyond the square in both views: background.
        EXPECT_GT(image.rgba[0], 245);
        EXPECT_GT(image.rgba[2], 245);
    }
}

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(VOLTARIS_CLI)) GTEST_SKIP() << "voltaris-cli is not built";
        if (const std::string reason = NoEglDisplayReason(); !reason.empty()) GTEST_SKIP() << reason;
        dir = std::filesystem::temp_directory_path() / ("voltaris_render_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        if (!dir.empty()) std::filesystem::remove_all(dir);
    }
    int Render(const std::string& arguments) {
        const std::string command = std::string(VOLTARIS_CLI) + " render sample 1 " + arguments + " 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string Head(const std::filesystem::path& file, size_t n) {
        std::ifstream in(file, std::ios::binary);
        std::string head(n, '\0');
        in.read(head.data(), static_cast<std::streamsize>(n));
        return head;
    }
    std::filesystem::path dir;
};

TEST_F(RenderCommandTest, WritesTheFormatOfTheExtension) {
    const auto png = dir / "view.png", jpeg = dir / "view.jpeg", bmp = dir / "view.bmp";
    ASSERT_EQ(Render("--view 2d --size 64x48 --out " + png.string()), 0);
    ASSERT_EQ(Render("--view 3d --size 64x48 --out " + jpeg.string()), 0);
    ASSERT_EQ(Render("--size 64x48 --out " + bmp.string()), 0);
    EXPECT_EQ(Head(png, 4), "\x89PNG");
    EXPECT_EQ(Head(jpeg, 3), "\xFF\xD8\xFF");
    EXPECT_EQ(Head(bmp, 2), "BM");
}

TEST_F(RenderCommandTest, RefusesUnknownFormatsAndBadOptionsWithoutWritingAFile) {
    const auto gif = dir / "view.gif";
    EXPECT_NE(Render("--size 64x48 --out " + gif.string()), 0);
    EXPECT_FALSE(std::filesystem::exists(gif));
    const auto png = dir / "bad.png";
    EXPECT_NE(Render("--view 4d --out " + png.string()), 0);
    EXPECT_NE(Render("--size 0x10 --out " + png.string()), 0);
    EXPECT_NE(Render("--size 64 --out " + png.string()), 0);
    EXPECT_NE(Render("--size 64x48"), 0);
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace voltaris::test

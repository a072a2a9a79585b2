// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>
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
    int Render(const std::string& arguments, int tab = 1) {
        const std::string command =
            std::string(VOLTARIS_CLI) + " render sample " + std::to_string(tab) + " " + arguments + " 2>/dev/null";
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

// A picture as the tool writes it in BMP: 24 or 32 bits per pixel, rows bottom up.
struct Bitmap {
    int width = 0, height = 0;
    std::vector<std::array<int, 3>> rgb;  // top row first
    std::array<int, 3> At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

Bitmap ReadBitmap(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), {});
    auto u32 = [&](size_t at) { return static_cast<int32_t>(uint8_t(data[at]) | uint8_t(data[at + 1]) << 8 |
                                                           uint8_t(data[at + 2]) << 16 | uint8_t(data[at + 3]) << 24); };
    Bitmap b;
    if (data.size() < 54) return b;
    const int offset = u32(10), bytes = (uint8_t(data[28]) | uint8_t(data[29]) << 8) / 8;
    b.width = u32(18);
    const int rows = u32(22);
    b.height = std::abs(rows);
    const int stride = (b.width * bytes + 3) / 4 * 4;
    for (int y = 0; y < b.height; ++y) {
        const size_t row = offset + static_cast<size_t>(rows > 0 ? b.height - 1 - y : y) * stride;
        for (int x = 0; x < b.width; ++x) {
            const size_t p = row + static_cast<size_t>(x) * bytes;
            b.rgb.push_back({uint8_t(data[p + 2]), uint8_t(data[p + 1]), uint8_t(data[p])});
        }
    }
    return b;
}

// The graph points (gx, gz) strictly inside the square of a voltaris-cli CSV, with the columns of
// graph x and graph z.
std::vector<std::pair<float, float>> PointsOf(const std::string& arguments, int xColumn, int zColumn) {
    std::vector<std::pair<float, float>> points;
    FILE* pipe = popen((std::string(VOLTARIS_CLI) + " " + arguments + " 2>/dev/null").c_str(), "r");
    char line[512];
    while (pipe && std::fgets(line, sizeof line, pipe)) {
        std::vector<float> cells;
        for (char* cell = std::strtok(line, ","); cell; cell = std::strtok(nullptr, ",")) cells.push_back(std::strtof(cell, nullptr));
        if (line[0] < '0' || line[0] > '9' || static_cast<int>(cells.size()) <= std::max(xColumn, zColumn)) continue;
        const float gx = cells[xColumn], gz = cells[zColumn];
        if (gx > 0.2f && gx < 9.8f && gz > 0.2f && gz < 9.8f) points.emplace_back(gx, gz);
    }
    if (pipe) pclose(pipe);
    return points;
}

// The share of the points near which (2 pixels) the picture holds a pixel of the colour. The
// top view's square is found as the box of its blue surface in `plain`.
double ShareNear(const Bitmap& picture, const Bitmap& plain, const std::vector<std::pair<float, float>>& points,
                 bool (*colour)(const std::array<int, 3>&)) {
    int left = plain.width, right = 0, top = plain.height, bottom = 0;
    for (int y = 0; y < plain.height; ++y)
        for (int x = 0; x < plain.width; ++x)
            if (const auto c = plain.At(x, y); c[2] > 200 && c[0] < 60) {
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
            }
    int found = 0;
    for (const auto& [gx, gz] : points) {
        // The top view looks at the square with graph z to the right and graph x upwards.
        const int px = left + static_cast<int>(gz / 10 * (right - left)), py = bottom - static_cast<int>(gx / 10 * (bottom - top));
        bool near = false;
        for (int dy = -2; dy <= 2 && !near; ++dy)
            for (int dx = -2; dx <= 2 && !near; ++dx) near = colour(picture.At(px + dx, py + dy));
        found += near;
    }
    return points.empty() ? 0 : static_cast<double>(found) / points.size();
}

TEST_F(RenderCommandTest, OverlaysLieWhereTheTracedLinesAndThePathLie) {
    const auto plain = dir / "plain.bmp", equipotentials = dir / "eq.bmp", fieldLines = dir / "fl.bmp",
               path = dir / "path.bmp";
    const std::string view = "--view 2d --size 500x500 --out ";
    ASSERT_EQ(Render(view + plain.string(), 2), 0);
    ASSERT_EQ(Render("--equipotentials " + view + equipotentials.string(), 2), 0);
    ASSERT_EQ(Render("--field-lines " + view + fieldLines.string(), 2), 0);
    ASSERT_EQ(Render("--path " + view + path.string(), 2), 0);
    const Bitmap a = ReadBitmap(plain);
    ASSERT_EQ(a.width, 500);

    const auto red = [](const std::array<int, 3>& c) { return c[0] > 200 && c[1] < 60 && c[2] < 60; };
    const auto black = [](const std::array<int, 3>& c) { return c[0] < 50 && c[1] < 50 && c[2] < 50; };
    const auto violet = [](const std::array<int, 3>& c) { return c[0] > 70 && c[0] < 140 && c[1] < 50 && c[2] > 200; };
    const struct {
        const std::filesystem::path& file;
        std::vector<std::pair<float, float>> points;
        bool (*colour)(const std::array<int, 3>&);
    } overlays[] = {{equipotentials, PointsOf("lines sample 2 equipotential", 2, 4), red},
                    {fieldLines, PointsOf("lines sample 2 field", 2, 4), black},
                    {path, PointsOf("path sample 2", 5, 7), violet}};
    for (const auto& o : overlays) {
        ASSERT_GT(o.points.size(), 20u) << o.file;
        EXPECT_GT(ShareNear(ReadBitmap(o.file), a, o.points, o.colour), 0.9) << o.file;
        EXPECT_LT(ShareNear(a, a, o.points, o.colour), 0.5) << o.file;
    }
}

}  // namespace
}  // namespace voltaris::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/overlay_text.h"

#include <GL/gl.h>

#include <cstdint>

namespace voltaris {

namespace {

constexpr int Advance = GlyphColumns + 1;  // one blank column between characters

struct Glyph {
    char c;
    uint8_t rows[GlyphRows];  // top row first, bit 4 = leftmost column
};

constexpr Glyph Font[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}}, {'-', {0x00, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x15, 0x15}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}}, {'x', {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}},
    {'y', {0x00, 0x00, 0x11, 0x11, 0x0F, 0x01, 0x0E}}, {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
};

const Glyph* Find(char c) {
    for (const Glyph& g : Font) {
        if (g.c == c) return &g;
    }
    return nullptr;
}

}  // namespace

int OverlayTextWidth(std::string_view text, int zoom) {
    if (text.empty()) return 0;
    return (static_cast<int>(text.size()) * Advance - 1) * zoom;
}

bool GlyphPixel(char c, int column, int row) {
    const Glyph* g = Find(c);
    if (!g || column < 0 || column >= GlyphColumns || row < 0 || row >= GlyphRows) return false;
    return (g->rows[row] >> (GlyphColumns - 1 - column)) & 1;
}

void DrawOverlayText(std::string_view text, int x, int y, int zoom) {
    glBegin(GL_QUADS);
    for (size_t i = 0; i < text.size(); ++i) {
        const int left = x + static_cast<int>(i) * Advance * zoom;
        for (int row = 0; row < GlyphRows; ++row) {
            const int bottom = y + (GlyphRows - 1 - row) * zoom;
            for (int column = 0; column < GlyphColumns; ++column) {
                if (!GlyphPixel(text[i], column, row)) continue;
                const float x0 = static_cast<float>(left + column * zoom), y0 = static_cast<float>(bottom);
                glVertex2f(x0, y0);
                glVertex2f(x0 + zoom, y0);
                glVertex2f(x0 + zoom, y0 + zoom);
                glVertex2f(x0, y0 + zoom);
            }
        }
    }
    glEnd();
}

}  // namespace voltaris

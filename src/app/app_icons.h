// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>

namespace voltaris {

// The pictures of the toolbar buttons, drawn at run time.
enum class Glyph {
    NewProject, OpenProject, SampleProject, SaveProject,
    NewTab, DuplicateTab, PrintTab, DeleteTab, RenameTab,
    SwapSigns, ElementaryUnits,
    TotalFieldStrength, AllFieldStrengths, ColouredSurface, Equipotentials, FieldLines, ColourGradient, ExportImage,
    AxisLabels, ColourBar,
};

QIcon GlyphIcon(Glyph glyph);

}  // namespace voltaris

// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli render FILE TAB [--view 3d|2d] [--size WxH] [--equipotentials] [--field-lines]
//                    [--path] [--arrows X,Y] [--stepped] [--axes] [--legend] [--lang de|en] --out IMAGE
// Draws a tab as the 3D or the top view shows it with its default settings, without a mouse
// pointer, on a headless OpenGL context, and writes the picture. The switches add what the
// view's buttons add: the red equipotential lines, the black field lines, the particle path
// (with its time step settled, as the program ends up showing it), the field-strength arrows
// at the point X,Y (metres, the view's pointer there, with one arrow per charge and the
// total), the stepped colours in the 3D view (flat shaded, as its render page sets them), the
// metre labels on the axes and (top view) the colour bar with its potentials; --lang en writes
// their numbers with the decimal point, as the English interface shows them.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "cli_common.h"
#include "command_registry.h"
#include "engine/engine_frame.h"
#include "engine/redraw.h"
#include "image_file.h"
#include "model/number_format.h"
#include "particle/settled_paths.h"

namespace voltaris::cli {
namespace {

bool ParseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return false;
    const std::string w = text.substr(0, x), h = text.substr(x + 1);
    char* end = nullptr;
    const long wv = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end != '\0') return false;
    const long hv = std::strtol(h.c_str(), &end, 10);
    if (h.empty() || *end != '\0') return false;
    if (wv < 1 || hv < 1 || wv > 8192 || hv > 8192) return false;
    width = static_cast<int>(wv);
    height = static_cast<int>(hv);
    return true;
}

struct RenderArguments {
    std::string file, tab, out;
    EngineView view = EngineView::ThreeD;
    int width = 800, height = 600;
    bool equipotentials = false, fieldLines = false, path = false, stepped = false;
    bool axes = false, legend = false;
    bool arrows = false;
    float arrowX = 0, arrowY = 0;  // metres
};

// "X,Y" in metres written with a point.
bool ParsePoint(const std::string& text, float& x, float& y) {
    const size_t comma = text.find(',');
    return comma != std::string::npos && ParseMetresArgument(text.substr(0, comma), x) &&
           ParseMetresArgument(text.substr(comma + 1), y);
}

bool ParseArguments(const std::vector<std::string>& args, RenderArguments& a) {
    if (args.size() < 2) {
        std::fprintf(stderr, "voltaris-cli render: FILE and TAB are required\n");
        return false;
    }
    a.file = args[0];
    a.tab = args[1];
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        bool* const flag = option == "--equipotentials" ? &a.equipotentials
                           : option == "--field-lines"  ? &a.fieldLines
                           : option == "--path"         ? &a.path
                           : option == "--stepped"      ? &a.stepped
                           : option == "--axes"         ? &a.axes
                           : option == "--legend"       ? &a.legend
                                                        : nullptr;
        if (flag) {
            *flag = true;
            continue;
        }
        if (option == "--arrows" && i + 1 < args.size()) {
            if (!ParsePoint(args[++i], a.arrowX, a.arrowY)) {
                std::fprintf(stderr, "voltaris-cli render: --arrows is X,Y in metres, not '%s'\n", args[i].c_str());
                return false;
            }
            a.arrows = true;
            continue;
        }
        if (i + 1 >= args.size() ||
            (option != "--view" && option != "--size" && option != "--lang" && option != "--out")) {
            std::fprintf(stderr, "voltaris-cli render: unknown or incomplete option '%s'\n", option.c_str());
            return false;
        }
        const std::string& value = args[++i];
        if (option == "--view") {
            if (value == "3d") {
                a.view = EngineView::ThreeD;
            } else if (value == "2d") {
                a.view = EngineView::TopView;
            } else {
                std::fprintf(stderr, "voltaris-cli render: --view is 3d or 2d, not '%s'\n", value.c_str());
                return false;
            }
        } else if (option == "--lang") {
            if (value != "de" && value != "en") {
                std::fprintf(stderr, "voltaris-cli render: --lang is de or en, not '%s'\n", value.c_str());
                return false;
            }
            SetInterfaceNumberStyle(value == "en" ? NumberStyle::DecimalPoint : NumberStyle::DecimalComma);
        } else if (option == "--size") {
            if (!ParseSize(value, a.width, a.height)) {
                std::fprintf(stderr, "voltaris-cli render: --size is WxH with 1 to 8192 pixels each, not '%s'\n",
                             value.c_str());
                return false;
            }
        } else {
            a.out = value;
        }
    }
    if (a.out.empty()) {
        std::fprintf(stderr, "voltaris-cli render: --out IMAGE is required\n");
        return false;
    }
    return true;
}

int Run(const std::vector<std::string>& args) {
    RenderArguments a;
    if (!ParseArguments(args, a)) return 2;
    Project project;
    if (!LoadProjectArgument(a.file, project) || !ShowTabArgument(project, a.tab)) return 1;

    if (a.path) {
        // The views build again while the time step is cut; the picture shows the settled path.
        ParticleSwitches moving;
        moving.ParticleEnabled = true;
        auto scratch = std::make_unique<PathStore>();
        BuildSettledPaths(project, moving, *scratch);
    }
    OffscreenSetup setup;
    setup.particleEnabled = a.path;
    const float unitLength = project.unitLength;
    setup.configure = [&a, unitLength](GraphEngine& engine) {
        engine.showEquipotentials = a.equipotentials;
        engine.showFieldLines = a.fieldLines;
        engine.showFieldStrength = engine.showAllFieldStrengths = a.arrows;
        engine.showAxisLabels = a.axes;
        engine.showColourBar = a.legend;
        if (a.arrows) {
            // The pointer of the other view mirrored into this one: a cross-hair and the arrows.
            engine.markX = a.arrowX / unitLength;
            engine.markZ = a.arrowY / unitLength;
        }
        if (a.stepped) {
            engine.colourMode = 1;
            if (!engine.isTopView) engine.shadeRequest = 1;
        }
        // The top view draws the stores the 3D view fills; here the one frame fills them itself.
        if (a.equipotentials || a.fieldLines || a.path) engine.linesDirty = true;
    };
    setup.rebuildLines = [&a](GraphEngine&, const SceneState& scene) {
        SceneState wanted = scene;
        wanted.EquipotentialsWanted = a.equipotentials;
        wanted.FieldLinesWanted = a.fieldLines;
        RebuildLinesAndPath(wanted, ProcessTracedStores());
    };
    OffscreenImage image;
    std::string error;
    if (!RenderActiveTab(project, a.view, a.width, a.height, image, error, setup)) {
        std::fprintf(stderr, "voltaris-cli render: %s\n", error.c_str());
        return 1;
    }
    if (!WriteImageFile(a.out, image, error)) {
        std::fprintf(stderr, "voltaris-cli render: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

RegisterCommand reg({"render",
                     "FILE TAB [--view 3d|2d] [--size WxH] [--equipotentials] [--field-lines] [--path] "
                     "[--arrows X,Y] [--stepped] [--axes] [--legend] [--lang de|en] --out IMAGE",
                     &Run, "A picture of the 3D or the top view (.png, .jpg, .bmp), drawn without a display."});

}  // namespace
}  // namespace voltaris::cli

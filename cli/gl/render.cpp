// voltaris-cli render FILE TAB [--view 3d|2d] [--size WxH] --out IMAGE
// Draws a tab as the 3D or the top view shows it with its default settings, without a mouse
// pointer, on a headless OpenGL context, and writes the picture.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine_frame.h"
#include "cli_common.h"
#include "command_registry.h"
#include "image_file.h"

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
};

bool ParseArguments(const std::vector<std::string>& args, RenderArguments& a) {
    if (args.size() < 2) {
        std::fprintf(stderr, "voltaris-cli render: FILE and TAB are required\n");
        return false;
    }
    a.file = args[0];
    a.tab = args[1];
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size() || (option != "--view" && option != "--size" && option != "--out")) {
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

    OffscreenImage image;
    std::string error;
    if (!RenderActiveTab(project, a.view, a.width, a.height, image, error)) {
        std::fprintf(stderr, "voltaris-cli render: %s\n", error.c_str());
        return 1;
    }
    if (!WriteImageFile(a.out, image, error)) {
        std::fprintf(stderr, "voltaris-cli render: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

RegisterCommand reg({"render", "FILE TAB [--view 3d|2d] [--size WxH] --out IMAGE", &Run});

}  // namespace
}  // namespace voltaris::cli

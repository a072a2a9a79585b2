// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_common.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "model/project_file.h"

namespace voltaris::cli {

void StderrDialogs::ShowMessage(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

void StderrDialogs::ShowError(const std::string& text) {
    failed = true;
    std::fprintf(stderr, "%s\n", text.c_str());
}

Answer StderrDialogs::Ask(const std::string& text, bool) {
    std::fprintf(stderr, "%s (answered No)\n", text.c_str());
    return Answer::No;
}

bool LoadProjectArgument(const std::string& file, Project& project) {
    StderrDialogs dialogs;
    project = Project::Initial();
    return LoadProject(project, file, dialogs);
}

bool ShowTabArgument(Project& project, const std::string& tab) {
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(tab.c_str(), &end, 10);
    if (tab.empty() || *end != '\0' || errno != 0 || n < 1 || n > project.TabCount) {
        std::fprintf(stderr, "voltaris-cli: TAB must be a number from 1 to %d, not '%s'\n",
                     project.TabCount, tab.c_str());
        return false;
    }
    ShowTab(project, static_cast<int>(n) - 1, -1);
    return true;
}

bool ParseMetresArgument(const std::string& text, float& value) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);  // the tool never changes the C locale
    if (text.empty() || *end != '\0') {
        std::fprintf(stderr, "voltaris-cli: '%s' is not a number of metres (write it with a point)\n",
                     text.c_str());
        return false;
    }
    value = static_cast<float>(v);
    return true;
}

bool ApplySwapOption(Project& project, const std::string& option) {
    if (option != "--swap") {
        std::fprintf(stderr, "voltaris-cli: unknown option '%s'\n", option.c_str());
        return false;
    }
    project.SignFactor = -1;
    return true;
}

std::string Format17g(double value) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

}  // namespace voltaris::cli

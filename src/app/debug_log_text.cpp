// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/debug_log_text.h"

namespace voltaris {

namespace {

// The logs separate their entries with CR LF; the memo takes plain line feeds.
std::string WithLineFeeds(const std::string& log) {
    std::string text;
    text.reserve(log.size());
    for (char c : log) {
        if (c != '\r') text += c;
    }
    return text;
}

}  // namespace

std::string DebugLogText(const std::string& log3D, const std::string& log2D) {
    return "3D-Graph\n-----------------\n" + WithLineFeeds(log3D) + "\n2D-Graph\n-----------------\n" +
           WithLineFeeds(log2D);
}

}  // namespace voltaris

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris {

// The debug memo's text: the 3D view's log under "3D-Graph", then the top view's under
// "2D-Graph", each heading underlined with dashes; one line per entry.
std::string DebugLogText(const std::string& log3D, const std::string& log2D);

}  // namespace voltaris

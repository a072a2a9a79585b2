// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris {

// The product's web server and the usage-report server. Each comes from the environment
// variable of the same name when it is set (also when set to empty), else from the value
// the program was built with (CMake cache variables VOLTARIS_WEB_URL, VOLTARIS_REPORT_URL).
std::string WebsiteUrl();
std::string ReportUrl();  // empty: no usage report

std::string WebsitePageUrl();   // the website's start page
std::string HelpDownloadUrl();  // where the help document can be downloaded

}  // namespace voltaris

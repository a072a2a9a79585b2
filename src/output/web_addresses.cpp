// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/web_addresses.h"

#include <cstdlib>

namespace voltaris {

namespace {

std::string Configured(const char* variable, const char* builtIn) {
    const char* value = std::getenv(variable);
    return value ? value : builtIn;
}

std::string Join(std::string base, const char* path) {
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + path;
}

}  // namespace

std::string WebsiteUrl() { return Configured("VOLTARIS_WEB_URL", VOLTARIS_WEB_URL_DEFAULT); }
std::string ReportUrl() { return Configured("VOLTARIS_REPORT_URL", VOLTARIS_REPORT_URL_DEFAULT); }
std::string WebsitePageUrl() { return Join(WebsiteUrl(), "/voltaris2010/"); }
std::string HelpDownloadUrl() { return Join(WebsiteUrl(), "/voltaris2010/help.php"); }

}  // namespace voltaris

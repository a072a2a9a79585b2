#pragma once
#include <string>

namespace voltaris {

// The path the usage report is posted to on the report server.
constexpr const char* UsageReportPath = "/potenzial/index2.php";

// Sends the usage report once: one multipart POST of the field "Send" = 1 to the report
// server's UsageReportPath, the answer read and discarded. Silent on every failure; returns
// whether the report got through. An empty URL sends nothing. Blocks until done: run it away
// from the user-interface thread.
bool SendUsageReport(const std::string& reportUrl);

}  // namespace voltaris

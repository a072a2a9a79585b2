// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <string>
#include <thread>

namespace voltaris {

// The path the usage report is posted to on the report server.
constexpr const char* UsageReportPath = "/potenzial/index2.php";

// Sends the usage report once: one multipart POST of the field "Send" = 1 to the report
// server's UsageReportPath, the answer read and discarded. Silent on every failure; returns
// whether the report got through. An empty URL sends nothing. Blocks until done (or until
// `abort` is raised): run it away from the user-interface thread.
bool SendUsageReport(const std::string& reportUrl, const std::atomic<bool>* abort = nullptr);

// Sends the usage report on a thread of its own, so a slow or unreachable server never holds
// up the caller. Destroying the sender cuts a report still in progress short.
class UsageReportSender {
public:
    UsageReportSender() = default;
    ~UsageReportSender();
    UsageReportSender(const UsageReportSender&) = delete;
    UsageReportSender& operator=(const UsageReportSender&) = delete;

    // Starts the report to `reportUrl`; only the first call of a sender sends anything.
    void Start(const std::string& reportUrl);
    bool Started() const { return thread_.joinable(); }
    // The report has been sent, or has failed.
    bool Finished() const { return finished_.load(); }
    bool Delivered() const { return delivered_.load(); }

private:
    std::atomic<bool> abort_{false}, finished_{false}, delivered_{false};
    std::thread thread_;
};

}  // namespace voltaris

// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/usage_report.h"

#include "output/http_client.h"

namespace voltaris {

bool SendUsageReport(const std::string& reportUrl, const std::atomic<bool>* abort) {
    if (reportUrl.empty()) return false;
    // Only scheme, host and port are used, so the connection's own path is "/".
    const ParsedUrl url = ParseUrl(reportUrl);
    std::string serverOnly = url.schemeText + "://" + url.host;
    if (url.port != DefaultPort(url.scheme)) serverOnly += ":" + std::to_string(url.port);

    HttpClient client;
    client.SetAbortFlag(abort);
    bool delivered = false;
    if (client.Connect(serverOnly, "", "", "Mozilla/4.0 (compatible; )")) {
        client.AddFormField("Send", "1", false);
        if (client.SendRequest(UsageReportPath, HttpClient::MultipartPost, "")) {
            char scratch[1024];
            while (client.ReadResponseChunk(scratch, sizeof scratch) > 0) {
            }
            delivered = true;
        }
        client.CloseHandles();
    }
    client.ClearFormFields();
    client.ClearCookies();
    return delivered;
}

UsageReportSender::~UsageReportSender() {
    abort_ = true;
    if (thread_.joinable()) thread_.join();
}

void UsageReportSender::Start(const std::string& reportUrl) {
    if (thread_.joinable()) return;
    thread_ = std::thread([this, reportUrl] {
        delivered_ = SendUsageReport(reportUrl, &abort_);
        finished_ = true;
    });
}

}  // namespace voltaris

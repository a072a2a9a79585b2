// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The libcurl side of the HTTP client: one connect-only probe and one whole transfer whose
// answer is collected in memory. No request header is sent that the caller did not ask for,
// except "Host" (and "Content-Length" of a body).
#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "output/http_url.h"

namespace voltaris {

struct ServerAddress {
    UrlScheme scheme = UrlScheme::Http;
    std::string host;
    int32_t port = 80;
    std::string user, password;  // HTTP: answered to a challenge only; FTP: the login
    // When set and raised, a probe or transfer in progress gives up (with a false result).
    const std::atomic<bool>* abort = nullptr;
};

struct TransferRequest {
    std::string path;             // sent as it is on HTTP; FTP file names are encoded here
    std::string userAgent;        // empty: no User-Agent header
    std::string referrer;         // empty: no Referer header
    std::string cookieLine;       // empty: no Cookie header
    std::vector<std::string> headers;  // extra header lines without CR LF
    const std::string* body = nullptr;  // a POST of these bytes when set, else a GET
    size_t responseLimit = 0;     // an answer longer than this fails the transfer
};

// Whether a connection to the server can be made (and, for FTP, the login accepted); nothing
// is requested. Gives up after ten seconds.
bool ProbeServer(const ServerAddress& server, const std::string& userAgent);

// Sends the request and collects the answer's body in `response`. False when the request
// cannot be sent or the answer breaks off, stalls or exceeds the limit; `response` is then empty.
// An answer with any status counts as received, redirects included: they are not followed.
bool PerformTransfer(const ServerAddress& server, const TransferRequest& request, std::string& response);

}  // namespace voltaris

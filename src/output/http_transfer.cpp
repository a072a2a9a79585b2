// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/http_transfer.h"

#include <curl/curl.h>

#include <mutex>
#include <string_view>

namespace voltaris {

namespace {

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

const char* SchemePrefix(UrlScheme scheme) {
    switch (scheme) {
        case UrlScheme::Ftp: return "ftp://";
        case UrlScheme::Https: return "https://";
        default: return "http://";
    }
}

std::string ServerUrl(const ServerAddress& server) {
    return SchemePrefix(server.scheme) + server.host + ":" + std::to_string(server.port);
}

// FTP paths are file names: every byte outside the plain URL characters is percent-encoded so
// libcurl asks the server for exactly that name.
std::string EncodeFtpPath(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string_view("-._~/!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

struct Collector {
    std::string* out;
    size_t limit;
};

size_t Collect(char* data, size_t size, size_t count, void* target) {
    auto* collector = static_cast<Collector*>(target);
    const size_t n = size * count;
    if (collector->out->size() + n > collector->limit) return 0;  // ends the transfer with an error
    collector->out->append(data, n);
    return n;
}

// Owns one easy handle and its header list.
struct Handle {
    CURL* curl = nullptr;
    curl_slist* headers = nullptr;
    Handle() {
        InitialiseCurlOnce();
        curl = curl_easy_init();
    }
    ~Handle() {
        curl_slist_free_all(headers);
        if (curl) curl_easy_cleanup(curl);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

// libcurl asks this often while it resolves, connects and transfers; non-zero ends the work.
int AbortWhenRaised(void* flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

void CommonOptions(CURL* curl, const ServerAddress& server, const std::string& userAgent) {
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    if (server.abort) {
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &AbortWhenRaised);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(server.abort));
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    }
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    // A server that stops sending ends the transfer instead of hanging it.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 30L);
    if (!userAgent.empty()) curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    if (!server.user.empty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, server.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, server.password.c_str());
        // Credentials go out only when the server asks for them.
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_ANY);
    }
    if (server.scheme == UrlScheme::Ftp) curl_easy_setopt(curl, CURLOPT_FTPPORT, nullptr);  // passive
}

}  // namespace

bool Aborted(const ServerAddress& server) { return server.abort && server.abort->load(); }

bool ProbeServer(const ServerAddress& server, const std::string& userAgent) {
    if (Aborted(server)) return false;
    Handle probe;
    if (!probe.curl) return false;
    CommonOptions(probe.curl, server, userAgent);
    curl_easy_setopt(probe.curl, CURLOPT_URL, (ServerUrl(server) + "/").c_str());
    curl_easy_setopt(probe.curl, CURLOPT_CONNECT_ONLY, 1L);
    return curl_easy_perform(probe.curl) == CURLE_OK;
}

bool PerformTransfer(const ServerAddress& server, const TransferRequest& request, std::string& response) {
    response.clear();
    if (Aborted(server)) return false;
    Handle t;
    if (!t.curl) return false;
    CommonOptions(t.curl, server, request.userAgent);
    if (server.scheme == UrlScheme::Ftp) {
        curl_easy_setopt(t.curl, CURLOPT_URL, (ServerUrl(server) + EncodeFtpPath(request.path)).c_str());
    } else {
        // The path goes into the request line exactly as given, without libcurl's URL clean-up.
        curl_easy_setopt(t.curl, CURLOPT_URL, (ServerUrl(server) + "/").c_str());
        curl_easy_setopt(t.curl, CURLOPT_REQUEST_TARGET, request.path.c_str());
        curl_easy_setopt(t.curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
        for (const std::string& h : request.headers) {
            curl_slist* longer = curl_slist_append(t.headers, h.c_str());
            if (!longer) return false;
            t.headers = longer;
        }
        curl_slist* longer = curl_slist_append(t.headers, "Expect:");  // no 100-continue round trip
        if (!longer) return false;
        t.headers = longer;
        curl_easy_setopt(t.curl, CURLOPT_HTTPHEADER, t.headers);
        if (!request.referrer.empty()) curl_easy_setopt(t.curl, CURLOPT_REFERER, request.referrer.c_str());
        if (!request.cookieLine.empty()) curl_easy_setopt(t.curl, CURLOPT_COOKIE, request.cookieLine.c_str());
    }
    if (request.body) {
        curl_easy_setopt(t.curl, CURLOPT_POST, 1L);
        curl_easy_setopt(t.curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
        curl_easy_setopt(t.curl, CURLOPT_POSTFIELDS, request.body->data());
    }
    Collector collector{&response, request.responseLimit};
    curl_easy_setopt(t.curl, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(t.curl, CURLOPT_WRITEDATA, &collector);
    if (curl_easy_perform(t.curl) != CURLE_OK) {
        response.clear();
        return false;
    }
    return true;
}

}  // namespace voltaris

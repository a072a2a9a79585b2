// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/http_client.h"

#include <algorithm>
#include <cstring>

#include "output/http_transfer.h"

namespace voltaris {

namespace {

// Host names and addresses only: anything else would let the URL handed to libcurl mean
// another server or another path than the one given.
bool IsPlainHost(const std::string& host) {
    if (host.empty()) return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
               c == '_';
    });
}

}  // namespace

HttpClient::~HttpClient() = default;

bool HttpClient::Connect(const std::string& url, const std::string& user, const std::string& password,
                         const std::string& userAgent) {
    const ParsedUrl parsed = ParseUrl(url);
    currentPath_ = parsed.path;
    return OpenConnection(parsed.host, parsed.port, user.empty() ? parsed.user : user,
                          password.empty() ? parsed.password : password, parsed.scheme, userAgent);
}

bool HttpClient::OpenConnection(const std::string& host, int32_t port, const std::string& user,
                                const std::string& password, UrlScheme scheme, const std::string& userAgent) {
    CloseHandles();
    const int32_t usedPort = port == 0 ? DefaultPort(scheme) : port;
    std::string error;
    try {
        if (!IsSafeHeaderText(userAgent))
            error = "open internet failed...";
        else if (!IsPlainHost(host) || usedPort < 1 || usedPort > 65535 ||
                 !ProbeServer(ServerAddress{scheme, host, usedPort, user, password, abort_}, userAgent))
            error = "connect failed...";
    } catch (...) {
        error = "unknown exception...";
    }
    if (!error.empty()) {
        OnConnectError(host, usedPort, scheme, error);
        return false;
    }
    host_ = host;
    port_ = usedPort;
    scheme_ = scheme;
    // Credentials of an earlier server are never offered to this one.
    user_ = user;
    password_ = password;
    userAgent_ = userAgent;
    formFields_.clear();
    cookies_.clear();
    connected_ = true;
    return true;
}

void HttpClient::AddFormField(const std::string& name, const std::string& value, bool isFile) {
    formFields_.push_back(FormField{name, value, isFile});
}

void HttpClient::AddCookie(const std::string& name, const std::string& value) { cookies_.emplace_back(name, value); }

void HttpClient::ClearFormFields() { formFields_.clear(); }

void HttpClient::ClearCookies() { cookies_.clear(); }

void HttpClient::CloseHandles() {
    connected_ = false;
    requestOpen_ = false;
    response_.clear();
    responseRead_ = 0;
}

bool HttpClient::Report(const std::string& path, const std::string& error) {
    if (error.empty()) return true;
    OnRequestError(host_, port_, scheme_, path, error);
    return false;
}

std::string HttpClient::Perform(const std::string& path, const std::string& referrer,
                                std::vector<std::string> headers, const std::string* body,
                                const char* transferFailure) {
    const bool ftp = scheme_ == UrlScheme::Ftp;
    if (ftp && body) return "request failed...";  // FTP serves downloads only
    const bool pathIsSafe = ftp ? IsSafeHeaderText(path) : !path.empty() && IsSafeRequestPath(path);
    if (!pathIsSafe || !IsSafeHeaderText(referrer)) return "request failed...";

    TransferRequest request;
    request.path = path;
    request.userAgent = userAgent_;
    request.body = body;
    request.responseLimit = responseLimit_;
    if (!ftp) {
        if (!BuildCookieLine(cookies_, request.cookieLine)) return "add cookie failed...";
        headers.insert(headers.begin(), "Accept: */*");
        request.headers = std::move(headers);
        request.referrer = referrer;
    }
    const ServerAddress server{scheme_, host_, port_, user_, password_, abort_};
    if (!PerformTransfer(server, request, response_)) return transferFailure;
    responseRead_ = 0;
    requestOpen_ = true;
    return {};
}

bool HttpClient::SendGet(const std::string& path, const std::string& referrer) {
    if (!connected_) return Report(path, "handle not opened...");
    return Report(path, Perform(path, referrer, {}, nullptr));
}

bool HttpClient::SendFormPost(const std::string& path, const std::string& referrer) {
    if (!connected_) return Report(path, "handle not opened...");
    std::string body;
    if (!BuildFormBody(formFields_, body)) return Report(path, "request failed...");
    return Report(path, Perform(path, referrer, {"Content-Type: application/x-www-form-urlencoded"}, &body));
}

bool HttpClient::SendMultipartPost(const std::string& path, const std::string& referrer) {
    if (!connected_) return Report(path, "handle not opened...");
    std::string body;
    if (!BuildMultipartBody(formFields_, body)) return Report(path, "request failed...");
    // A multipart body that does not get through is reported without the dots.
    return Report(path, Perform(path, referrer,
                                {std::string("Content-Type: multipart/form-data; boundary=") + MultipartBoundary,
                                 "Content-Length: " + std::to_string(body.size())},
                                &body, "request failed"));
}

bool HttpClient::SendRequest(const std::string& path, RequestKind kind, const std::string& referrer) {
    requestOpen_ = false;
    response_.clear();
    responseRead_ = 0;
    bool sent = false;
    try {
        switch (kind) {
            case Get: sent = SendGet(path, referrer); break;
            case FormPost: sent = SendFormPost(path, referrer); break;
            case MultipartPost: sent = SendMultipartPost(path, referrer); break;
            default: Report(path, "request failed..."); break;
        }
    } catch (...) {
        sent = false;
        Report(path, "unknown exception...");
    }
    if (sent) {
        currentPath_ = path;
    } else {
        requestOpen_ = false;
        response_.clear();
    }
    return sent;
}

size_t HttpClient::ReadResponseChunk(char* buffer, size_t size) {
    if (!requestOpen_) {
        Report(currentPath_, "connection failed...");
        return 0;
    }
    const size_t n = std::min(size, response_.size() - responseRead_);
    if (n > 0) std::memcpy(buffer, response_.data() + responseRead_, n);
    responseRead_ += n;
    return n;
}

}  // namespace voltaris

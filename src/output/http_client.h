// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "output/http_bodies.h"
#include "output/http_url.h"

namespace voltaris {

// A small client for one connection to one web (or FTP) server: connect, collect form fields,
// send one request (GET, URL-form POST or multipart POST), read the answer in chunks, close.
// Requests go out as HTTP/1.0 with "Accept: */*"; FTP serves plain downloads (GET) in passive
// mode. Failures are never shown: every operation reports them by its result and through the
// error hooks. The answer is received whole when the request is sent and handed out from memory.
class HttpClient {
public:
    enum RequestKind { Get = 0, FormPost = 1, MultipartPost = 2 };

    static constexpr size_t DefaultResponseLimit = 64u << 20;

    HttpClient() = default;
    virtual ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Parses `url`; user and password default to the URL's when empty. The URL's path becomes
    // the current path. Then OpenConnection.
    bool Connect(const std::string& url, const std::string& user, const std::string& password,
                 const std::string& userAgent);
    // Makes sure the server can be reached: a connection is opened and closed again, nothing is
    // requested. Port 0 means the scheme's default. Empties the form fields and cookies.
    virtual bool OpenConnection(const std::string& host, int32_t port, const std::string& user,
                                const std::string& password, UrlScheme scheme, const std::string& userAgent);

    void AddFormField(const std::string& name, const std::string& value, bool isFile);
    void AddCookie(const std::string& name, const std::string& value);
    void ClearFormFields();
    void ClearCookies();

    // Sends one request of `kind` for `path`; on success `path` becomes the current path.
    bool SendRequest(const std::string& path, RequestKind kind, const std::string& referrer);
    // Copies the next part of the answer's body; 0 at its end (or without a request).
    size_t ReadResponseChunk(char* buffer, size_t size);
    void CloseHandles();

    // An answer longer than this makes the request fail instead of filling the memory.
    void SetResponseLimit(size_t bytes) { responseLimit_ = bytes; }
    // While `flag` is raised (by any thread), connecting and requests fail at once, and one
    // in progress gives up within a fraction of a second. Null: never.
    void SetAbortFlag(const std::atomic<bool>* flag) { abort_ = flag; }

    const std::string& Host() const { return host_; }
    int32_t Port() const { return port_; }
    UrlScheme Scheme() const { return scheme_; }
    const std::string& CurrentPath() const { return currentPath_; }

protected:
    // Each reports its own failure through OnRequestError.
    virtual bool SendMultipartPost(const std::string& path, const std::string& referrer);
    virtual bool SendFormPost(const std::string& path, const std::string& referrer);
    virtual bool SendGet(const std::string& path, const std::string& referrer);

    // Error hooks; they do nothing here.
    virtual void OnConnectError(const std::string& host, int32_t port, UrlScheme scheme, const std::string& message) {}
    virtual void OnRequestError(const std::string& host, int32_t port, UrlScheme scheme, const std::string& path,
                                const std::string& message) {}

private:
    // Sends the request, a POST when `body` is given, else a GET. On failure returns the text
    // for the error hook (`transferFailure` when the server does not take the request or its
    // answer breaks off); on success an empty text, and the answer waits in response_.
    std::string Perform(const std::string& path, const std::string& referrer, std::vector<std::string> headers,
                        const std::string* body, const char* transferFailure = "request failed...");
    bool Report(const std::string& path, const std::string& error);

    bool connected_ = false;  // OpenConnection succeeded and CloseHandles was not called since
    bool requestOpen_ = false;
    std::string host_, user_, password_, userAgent_, currentPath_;
    int32_t port_ = 80;
    UrlScheme scheme_ = UrlScheme::Http;
    std::vector<FormField> formFields_;
    std::vector<Cookie> cookies_;
    size_t responseLimit_ = DefaultResponseLimit;
    const std::atomic<bool>* abort_ = nullptr;
    std::string response_;
    size_t responseRead_ = 0;
};

}  // namespace voltaris

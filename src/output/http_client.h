#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "output/http_bodies.h"
#include "output/http_url.h"

namespace voltaris {

// A small client for one connection to one web (or FTP) server: connect, collect form fields,
// send one request (GET, URL-form POST or multipart POST), read the answer in chunks, close.
// Requests go out as HTTP/1.0 with "Accept: */*". Failures are never shown: every operation
// reports them by its result and through the error hooks.
class HttpClient {
public:
    enum RequestKind { Get = 0, FormPost = 1, MultipartPost = 2 };

    HttpClient() = default;
    virtual ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Parses `url`; user and password default to the URL's when empty. The URL's path becomes
    // the current path. Then OpenConnection.
    bool Connect(const std::string& url, const std::string& user, const std::string& password,
                 const std::string& userAgent);
    // Makes sure the server can be reached (a connection is opened and closed again).
    virtual bool OpenConnection(const std::string& host, int32_t port, const std::string& user,
                                const std::string& password, UrlScheme scheme, const std::string& userAgent);

    void AddFormField(const std::string& name, const std::string& value, bool isFile);
    void AddCookie(const std::string& name, const std::string& value);
    void ClearFormFields();
    void ClearCookies();

    // Sends one request of `kind` for `path`; on success `path` becomes the current path.
    bool SendRequest(const std::string& path, int kind, const std::string& referrer);
    // Copies the next part of the answer's body; 0 at its end (or without a request).
    size_t ReadResponseChunk(char* buffer, size_t size);
    void CloseHandles();

    const std::string& Host() const { return host_; }
    int32_t Port() const { return port_; }
    UrlScheme Scheme() const { return scheme_; }
    const std::string& CurrentPath() const { return currentPath_; }

protected:
    virtual bool SendMultipartPost(const std::string& path, const std::string& referrer);
    virtual bool SendFormPost(const std::string& path, const std::string& referrer);
    virtual bool SendGet(const std::string& path, const std::string& referrer);

    // Error hooks; they do nothing here.
    virtual void OnConnectError(const std::string& host, int32_t port, UrlScheme scheme, const std::string& message) {}
    virtual void OnRequestError(const std::string& host, int32_t port, UrlScheme scheme, const std::string& path,
                                const std::string& message) {}

private:
    // Performs the request, a POST when `body` is given, else a GET; `error` receives the
    // failure text.
    bool Perform(const std::string& path, const std::string& referrer,
                 const std::vector<std::string>& headers, const std::string* body, std::string& error);
    std::string BaseUrl() const;

    bool connected_ = false;  // OpenConnection succeeded and CloseHandles was not called since
    bool requestOpen_ = false;
    std::string host_, user_, password_, userAgent_, currentPath_;
    int32_t port_ = 80;
    UrlScheme scheme_ = UrlScheme::Http;
    std::vector<FormField> formFields_;
    std::vector<std::pair<std::string, std::string>> cookies_;
    std::string response_;
    size_t responseRead_ = 0;
};

}  // namespace voltaris

#include "output/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace voltaris {

namespace {

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t AppendToString(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

const char* SchemePrefix(UrlScheme scheme) {
    switch (scheme) {
        case UrlScheme::Ftp: return "ftp://";
        case UrlScheme::Https: return "https://";
        default: return "http://";
    }
}

// Owns one easy handle and its header list.
struct Transfer {
    CURL* curl = curl_easy_init();
    curl_slist* headers = nullptr;
    ~Transfer() {
        curl_slist_free_all(headers);
        if (curl) curl_easy_cleanup(curl);
    }
};

void CommonOptions(CURL* curl, const std::string& userAgent) {
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    // A server that stops sending ends the transfer instead of hanging it.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 30L);
    if (!userAgent.empty()) curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
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

std::string HttpClient::BaseUrl() const {
    return SchemePrefix(scheme_) + host_ + ":" + std::to_string(port_);
}

bool HttpClient::OpenConnection(const std::string& host, int32_t port, const std::string& user,
                                const std::string& password, UrlScheme scheme, const std::string& userAgent) {
    InitialiseCurlOnce();
    CloseHandles();
    host_ = host;
    port_ = port > 0 ? port : DefaultPort(scheme);
    scheme_ = scheme;
    user_ = user;
    password_ = password;
    userAgent_ = userAgent;
    formFields_.clear();
    cookies_.clear();

    Transfer probe;
    if (!probe.curl) {
        OnConnectError(host, port_, scheme, "open internet failed...");
        return false;
    }
    // Only the connection is made: nothing is requested from the server here.
    CommonOptions(probe.curl, userAgent);
    curl_easy_setopt(probe.curl, CURLOPT_URL, (BaseUrl() + "/").c_str());
    curl_easy_setopt(probe.curl, CURLOPT_CONNECT_ONLY, 1L);
    if (host.empty() || curl_easy_perform(probe.curl) != CURLE_OK) {
        OnConnectError(host, port_, scheme, "connect failed...");
        return false;
    }
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

bool HttpClient::Perform(const std::string& path, const std::string& referrer,
                         const std::vector<std::string>& headers, const std::string* body, std::string& error) {
    if (!connected_) {
        error = "handle not opened...";
        return false;
    }
    Transfer t;
    if (!t.curl) {
        error = "request failed...";
        return false;
    }
    CommonOptions(t.curl, userAgent_);
    curl_easy_setopt(t.curl, CURLOPT_URL, (BaseUrl() + path).c_str());
    if (!user_.empty()) {
        curl_easy_setopt(t.curl, CURLOPT_USERNAME, user_.c_str());
        curl_easy_setopt(t.curl, CURLOPT_PASSWORD, password_.c_str());
    }
    if (scheme_ != UrlScheme::Ftp) {
        curl_easy_setopt(t.curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
        t.headers = curl_slist_append(t.headers, "Accept: */*");
        for (const std::string& h : headers) t.headers = curl_slist_append(t.headers, h.c_str());
        t.headers = curl_slist_append(t.headers, "Expect:");  // no 100-continue round trip
        curl_easy_setopt(t.curl, CURLOPT_HTTPHEADER, t.headers);
        if (!referrer.empty()) curl_easy_setopt(t.curl, CURLOPT_REFERER, referrer.c_str());
        std::string cookieLine;
        for (const auto& [name, value] : cookies_) {
            if (!cookieLine.empty()) cookieLine += "; ";
            cookieLine += name + "=" + value;
        }
        if (!cookieLine.empty()) curl_easy_setopt(t.curl, CURLOPT_COOKIE, cookieLine.c_str());
    }
    if (body) {
        curl_easy_setopt(t.curl, CURLOPT_POST, 1L);
        curl_easy_setopt(t.curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
        curl_easy_setopt(t.curl, CURLOPT_COPYPOSTFIELDS, body->data());
    }
    response_.clear();
    responseRead_ = 0;
    curl_easy_setopt(t.curl, CURLOPT_WRITEFUNCTION, &AppendToString);
    curl_easy_setopt(t.curl, CURLOPT_WRITEDATA, &response_);
    // Redirects are not followed: an answer that redirects counts as sent.
    if (curl_easy_perform(t.curl) != CURLE_OK) {
        response_.clear();
        error = "request failed...";
        return false;
    }
    requestOpen_ = true;
    return true;
}

bool HttpClient::SendGet(const std::string& path, const std::string& referrer) {
    std::string error;
    if (Perform(path, referrer, {}, nullptr, error)) return true;
    OnRequestError(host_, port_, scheme_, path, error);
    return false;
}

bool HttpClient::SendFormPost(const std::string& path, const std::string& referrer) {
    std::string body, error = "request failed...";
    if (connected_ && !BuildFormBody(formFields_, body)) {
        OnRequestError(host_, port_, scheme_, path, error);
        return false;
    }
    if (Perform(path, referrer, {"Content-Type: application/x-www-form-urlencoded"}, &body, error))
        return true;
    OnRequestError(host_, port_, scheme_, path, error);
    return false;
}

bool HttpClient::SendMultipartPost(const std::string& path, const std::string& referrer) {
    std::string body, error = "request failed";
    if (connected_ && !BuildMultipartBody(formFields_, body)) {
        OnRequestError(host_, port_, scheme_, path, error);
        return false;
    }
    const std::vector<std::string> headers = {
        std::string("Content-Type: multipart/form-data; boundary=") + MultipartBoundary,
        "Content-Length: " + std::to_string(body.size())};
    if (Perform(path, referrer, headers, &body, error)) return true;
    if (error == "request failed...") error = "request failed";
    OnRequestError(host_, port_, scheme_, path, error);
    return false;
}

bool HttpClient::SendRequest(const std::string& path, int kind, const std::string& referrer) {
    requestOpen_ = false;
    bool sent = false;
    switch (kind) {
        case Get: sent = SendGet(path, referrer); break;
        case FormPost: sent = SendFormPost(path, referrer); break;
        case MultipartPost: sent = SendMultipartPost(path, referrer); break;
        default: OnRequestError(host_, port_, scheme_, path, "unknown exception..."); break;
    }
    if (sent) currentPath_ = path;
    return sent;
}

size_t HttpClient::ReadResponseChunk(char* buffer, size_t size) {
    if (!requestOpen_) {
        OnRequestError(host_, port_, scheme_, currentPath_, "connection failed...");
        return 0;
    }
    const size_t n = std::min(size, response_.size() - responseRead_);
    std::memcpy(buffer, response_.data() + responseRead_, n);
    responseRead_ += n;
    return n;
}

}  // namespace voltaris

// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/http_url.h"

namespace voltaris {

int32_t DefaultPort(UrlScheme scheme) {
    switch (scheme) {
        case UrlScheme::Https: return 443;
        case UrlScheme::Ftp: return 21;
        default: return 80;
    }
}

namespace {

// The scheme text compared over its first 5, 4 and 3 characters, in that order.
UrlScheme SchemeCode(const std::string& text) {
    if (text.compare(0, 5, "https") == 0) return UrlScheme::Https;
    if (text.compare(0, 4, "http") == 0) return UrlScheme::Http;
    if (text.compare(0, 3, "ftp") == 0) return UrlScheme::Ftp;
    return UrlScheme::Http;
}

int32_t DefaultPortOf(const std::string& schemeText) {
    return schemeText == "https" ? 443 : schemeText == "ftp" ? 21 : 80;
}

// Decimal digits only, 1 to 65535; anything else would reach a port nobody asked for.
int32_t ReadPort(const std::string& text) {
    if (text.empty() || text.size() > 5) return InvalidPort;
    int32_t port = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return InvalidPort;
        port = port * 10 + (c - '0');
    }
    return port >= 1 && port <= 65535 ? port : InvalidPort;
}

}  // namespace

ParsedUrl ParseUrl(const std::string& url) {
    ParsedUrl out;
    std::string rest = url;
    const size_t colon = url.find(':');
    if (colon != std::string::npos && colon + 1 < url.size() && url[colon + 1] == '/') {
        out.schemeText = url.substr(0, colon);
        rest = colon + 3 <= url.size() ? url.substr(colon + 3) : std::string();
    } else {
        out.schemeText = "http";
    }
    out.scheme = SchemeCode(out.schemeText);

    const size_t slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    out.path = slash == std::string::npos ? "/" : rest.substr(slash);

    // Credentials end at the last "@" before the path: an "@" in the path or the query, or one
    // inside the password, must not move the host.
    const size_t at = authority.rfind('@');
    if (at != std::string::npos) {
        const std::string credentials = authority.substr(0, at);
        const size_t split = credentials.find(':');
        out.user = credentials.substr(0, split);
        if (split != std::string::npos) out.password = credentials.substr(split + 1);
        authority = authority.substr(at + 1);
    }

    const size_t portColon = authority.find(':');
    out.host = authority.substr(0, portColon);
    const std::string portText = portColon == std::string::npos ? "" : authority.substr(portColon + 1);
    out.port = portText.empty() ? DefaultPortOf(out.schemeText) : ReadPort(portText);
    return out;
}

}  // namespace voltaris

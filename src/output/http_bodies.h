// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the client puts on the wire: request bodies, the cookie line, and the checks that
// keep a caller's text from breaking the structure of a request.
#include <string>
#include <utility>
#include <vector>

namespace voltaris {

struct FormField {
    std::string name;
    std::string value;
    bool isFile = false;  // never set by this program; sent like a text field
};

using Cookie = std::pair<std::string, std::string>;  // name, value

// The boundary text of multipart bodies; each part starts with "--" followed by it.
constexpr const char* MultipartBoundary = "--MULTI-PARTS-FORM-DATA-BOUNDARY";

// "a=1&b=2": names and values as they are, joined by "&". False (and no body) when a field
// would break that structure: CR, LF, "&" or "=" in a name or value.
bool BuildFormBody(const std::vector<FormField>& fields, std::string& body);

// One part per field, then the closing boundary; sized to its content. False when a name
// holds CR, LF or a double quote, or a value holds the boundary text.
bool BuildMultipartBody(const std::vector<FormField>& fields, std::string& body);

// "n1=v1; n2=v2". False when a name or value holds CR, LF, NUL or ";", or a name holds "=".
bool BuildCookieLine(const std::vector<Cookie>& cookies, std::string& line);

// A header value (user agent, referrer) that cannot start a header line of its own.
bool IsSafeHeaderText(const std::string& text);

// A request path that keeps the request line in one piece: no spaces or control characters.
bool IsSafeRequestPath(const std::string& path);

}  // namespace voltaris

// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/http_bodies.h"

namespace voltaris {

namespace {

bool Holds(const std::string& text, const char* characters) {
    return text.find_first_of(characters) != std::string::npos;
}

bool HoldsLineBreakOrNul(const std::string& text) { return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

}  // namespace

bool BuildFormBody(const std::vector<FormField>& fields, std::string& body) {
    body.clear();
    for (const FormField& f : fields) {
        if (Holds(f.name, "\r\n&=") || Holds(f.value, "\r\n&=")) {
            body.clear();
            return false;
        }
        if (&f != &fields.front()) body += '&';
        body += f.name + "=" + f.value;
    }
    return true;
}

bool BuildMultipartBody(const std::vector<FormField>& fields, std::string& body) {
    body.clear();
    const std::string boundary = MultipartBoundary;
    for (const FormField& f : fields) {
        if (Holds(f.name, "\r\n\"") || f.value.find(boundary) != std::string::npos) {
            body.clear();
            return false;
        }
        body += "--" + boundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"" + f.name + "\"\r\n\r\n";
        body += f.value + "\r\n";
    }
    body += "--" + boundary + "--\r\n";
    return true;
}

bool BuildCookieLine(const std::vector<Cookie>& cookies, std::string& line) {
    line.clear();
    for (const auto& [name, value] : cookies) {
        if (HoldsLineBreakOrNul(name) || HoldsLineBreakOrNul(value) || Holds(name, ";=") || Holds(value, ";")) {
            line.clear();
            return false;
        }
        if (!line.empty()) line += "; ";
        line += name + "=" + value;
    }
    return true;
}

bool IsSafeHeaderText(const std::string& text) { return !HoldsLineBreakOrNul(text); }

bool IsSafeRequestPath(const std::string& path) {
    for (const unsigned char c : path)
        if (c <= ' ' || c == 0x7f) return false;
    return true;
}

}  // namespace voltaris

#pragma once
#include <string>
#include <vector>

namespace voltaris {

struct FormField {
    std::string name;
    std::string value;
    bool isFile = false;  // never set by this program; sent like a text field
};

// The boundary text of multipart bodies; each part starts with "--" followed by it.
constexpr const char* MultipartBoundary = "--MULTI-PARTS-FORM-DATA-BOUNDARY";

// "a=1&b=2": names and values as they are, joined by "&". False (and no body) when a field
// would break that structure: CR, LF, "&" or "=" in a name or value.
bool BuildFormBody(const std::vector<FormField>& fields, std::string& body);

// One part per field, then the closing boundary; sized to its content. False when a name
// holds CR, LF or a double quote, or a value holds the boundary text.
bool BuildMultipartBody(const std::vector<FormField>& fields, std::string& body);

}  // namespace voltaris

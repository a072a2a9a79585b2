#include "output/http_bodies.h"

namespace voltaris {

bool BuildFormBody(const std::vector<FormField>& fields, std::string& body) {
    body.clear();
    for (const FormField& f : fields) {
        if (f.name.find_first_of("\r\n&=") != std::string::npos ||
            f.value.find_first_of("\r\n&=") != std::string::npos) {
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
        if (f.name.find_first_of("\r\n\"") != std::string::npos || f.value.find(boundary) != std::string::npos) {
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

}  // namespace voltaris

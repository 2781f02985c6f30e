#pragma once

#include <map>
#include <string>
#include <string_view>

// The fields of a posted form, by name. Field values are the exact bytes sent.
class FormData
{
public:
    // multipart/form-data: the boundary comes from the Content-Type header value. False when
    // the body is not a well-formed multipart body for that boundary.
    bool parseMultipart(std::string_view contentType, std::string_view body);
    // application/x-www-form-urlencoded ("a=1&b=x%2Fy").
    void parseUrlEncoded(std::string_view body);

    bool has(const std::string& name) const { return fields_.count(name) != 0; }
    // The field's bytes, empty when absent.
    std::string field(const std::string& name) const;

private:
    std::map<std::string, std::string> fields_;
};

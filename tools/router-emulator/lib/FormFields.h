// The fields of a form body ("a=1&b=2"), values decoded the way a web
// server decodes application/x-www-form-urlencoded data.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class FormFields {
public:
    FormFields() = default;
    static FormFields Parse(std::string_view body);

    // The value of the last field of that name, or empty.
    std::string Get(std::string_view name) const;
    bool Has(std::string_view name) const;
    std::size_t Size() const { return fields_.size(); }

private:
    static std::string Decode(std::string_view text);

    std::vector<std::pair<std::string, std::string>> fields_;
};

#include "FormFields.h"

#include <algorithm>
#include <cctype>

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

} // namespace

FormFields FormFields::Parse(std::string_view body)
{
    FormFields form;
    while (!body.empty()) {
        const auto end = body.find('&');
        const std::string_view pair = body.substr(0, end);
        body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
        if (pair.empty()) {
            continue; // "a=1&&b=2" carries an empty field; routers skip it
        }
        const auto equals = pair.find('=');
        const std::string_view name = pair.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view{} : pair.substr(equals + 1);
        form.fields_.emplace_back(Decode(name), Decode(value));
    }
    return form;
}

std::string FormFields::Get(std::string_view name) const
{
    const auto found = std::find_if(fields_.rbegin(), fields_.rend(),
                                    [name](const auto& field) { return field.first == name; });
    return found == fields_.rend() ? std::string{} : found->second;
}

bool FormFields::Has(std::string_view name) const
{
    return std::any_of(fields_.begin(), fields_.end(), [name](const auto& field) { return field.first == name; });
}

std::string FormFields::Decode(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape = text[i] == '%' && i + 2 < text.size();
        const int high = escape ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i] == '+' ? ' ' : text[i];
        }
    }
    return decoded;
}

#include "CompiledPagePattern.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kAnyRun = R"([\w\W]*)";
constexpr auto kSyntax = boost::regex::perl | boost::regex::icase;
constexpr std::string_view kQuantifiers = "*+?{";

bool IsEscaped(std::string_view pattern, std::size_t position)
{
    std::size_t backslashes = 0;
    while (position > backslashes && pattern[position - backslashes - 1] == '\\') {
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

// Alternatives, anchors, word boundaries, groups with options or lookaround
// and back-references all depend on more than the text from the match start on.
bool CoreIsPlain(std::string_view core)
{
    constexpr std::string_view kContextEscapes = "bBAzZGkg<>0123456789";
    if (core.empty() || kQuantifiers.find(core.front()) != std::string_view::npos
        || core.find_first_of("|^$") != std::string_view::npos || core.find("(?") != std::string_view::npos) {
        return false;
    }
    for (std::size_t i = core.find('\\'); i != std::string_view::npos; i = core.find('\\', i + 2)) {
        if (i + 1 >= core.size() || kContextEscapes.find(core[i + 1]) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// ASCII characters that stand for themselves in a pattern.
bool IsPlainCharacter(char c)
{
    const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return alphanumeric || std::string_view(" _=\":;,-").find(c) != std::string_view::npos;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

CompiledPagePattern::CompiledPagePattern(const std::string& pattern) : whole_(pattern, kSyntax)
{
    const auto core = CoreOf(pattern);
    std::string literal = core ? LiteralStart(*core) : std::string();
    if (!literal.empty()) {
        core_.emplace(*core, kSyntax);
        literalStart_ = std::move(literal);
        const char first = literalStart_.front();
        for (std::size_t byte = 0; byte < mayBeFirst_.size(); ++byte) {
            mayBeFirst_[byte] = byte >= 0x80 || LowerAscii(static_cast<char>(byte)) == first;
        }
    }
}

std::string CompiledPagePattern::LiteralStart(const std::string& core)
{
    std::string literal;
    for (std::size_t i = 0; i < core.size() && IsPlainCharacter(core[i]); ++i) {
        // A character under a quantifier need not appear.
        if (i + 1 < core.size() && kQuantifiers.find(core[i + 1]) != std::string_view::npos) {
            break;
        }
        literal += LowerAscii(core[i]);
    }
    return literal;
}

std::optional<std::string> CompiledPagePattern::CoreOf(const std::string& pattern)
{
    std::string_view core(pattern);
    if (!core.starts_with(kAnyRun)) {
        return std::nullopt;
    }
    core.remove_prefix(kAnyRun.size());
    if (core.ends_with(kAnyRun) && !IsEscaped(core, core.size() - kAnyRun.size())) {
        core.remove_suffix(kAnyRun.size());
    }
    if (!CoreIsPlain(core)) {
        return std::nullopt;
    }
    return std::string(core);
}

std::string CompiledPagePattern::FirstCapture(const std::string& text) const
{
    if (core_) {
        return LastCoreCapture(text);
    }
    boost::smatch match;
    if (!boost::regex_search(text, match, whole_) || match.size() < 2) {
        return {};
    }
    return match.str(1);
}

std::string CompiledPagePattern::LastCoreCapture(const std::string& text) const
{
    if (text.size() < literalStart_.size()) {
        return {};
    }
    boost::smatch match;
    for (std::size_t position = text.size() - literalStart_.size() + 1; position-- > 0;) {
        if (!mayBeFirst_[static_cast<unsigned char>(text[position])] || !MayStartAt(text, position)) {
            continue;
        }
        const auto flags = boost::match_continuous | (position > 0 ? boost::match_prev_avail : boost::match_default);
        const auto start = text.begin() + static_cast<std::ptrdiff_t>(position);
        if (boost::regex_search(start, text.end(), match, *core_, flags, text.begin())) {
            return match.size() < 2 ? std::string() : match.str(1);
        }
    }
    return {};
}

bool CompiledPagePattern::MayStartAt(const std::string& text, std::size_t position) const
{
    // Bytes outside ASCII are let through: a locale may fold them onto a letter.
    for (std::size_t i = 0; i < literalStart_.size(); ++i) {
        const char c = text[position + i];
        if (LowerAscii(c) != literalStart_[i] && static_cast<unsigned char>(c) < 0x80) {
            return false;
        }
    }
    return true;
}

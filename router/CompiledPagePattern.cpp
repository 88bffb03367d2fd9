#include "CompiledPagePattern.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kAnyRun = R"([\w\W]*)";
constexpr auto kSyntax = boost::regex::perl | boost::regex::icase;
constexpr std::string_view kQuantifiers = "*+?{";
// How many bytes the search for a literal's first character tests at once.
constexpr std::size_t kBlock = 32;

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
        // A letter is found in either case by setting the case bit; a literal
        // of one character is paired with any byte.
        for (std::size_t i = 0; i < folded_.size(); ++i) {
            const char c = i < literalStart_.size() ? literalStart_[i] : '\0';
            foldMask_[i] = i >= literalStart_.size() ? 0xFF : (c >= 'a' && c <= 'z' ? 0x20 : 0x00);
            folded_[i] = i >= literalStart_.size() ? 0xFF : static_cast<unsigned char>(c);
        }
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
    std::size_t blockStart = text.size();  // bytes from here on were let through by a block test
    for (std::size_t position = text.size() - literalStart_.size() + 1; position-- > 0;) {
        if (position < blockStart) {
            position = SkipBlocksThatCannotStart(text, position);
            blockStart = position >= kBlock ? position + 1 - kBlock : 0;
        }
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

std::size_t CompiledPagePattern::SkipBlocksThatCannotStart(const std::string& text, std::size_t position) const
{
    // Whole blocks where no byte pair may open the literal are passed in one
    // step; the test is plain arithmetic so the compiler can vectorise it.
    // Bytes outside ASCII always pass, as a locale may fold them onto a letter.
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    while (position >= kBlock && position + 1 < text.size()) {
        const unsigned char* block = bytes + position + 1 - kBlock;
        unsigned char seen = 0;
        for (std::size_t i = 0; i < kBlock; ++i) {
            const unsigned char first = block[i];
            const unsigned char second = block[i + 1];
            seen |= static_cast<unsigned char>(((first | foldMask_[0]) == folded_[0]) & ((second | foldMask_[1]) == folded_[1]));
            seen |= static_cast<unsigned char>((first | second) >> 7);
        }
        if (seen) {
            break;
        }
        position -= kBlock;
    }
    return position;
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

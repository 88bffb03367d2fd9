// A page pattern compiled once, with a fast way to its first match.
//
// The router's patterns read "[\w\W]*" + core + "[\w\W]*": the leading run
// makes the one match start at the beginning of the page and capture from the
// last place where the core matches; the trailing run only swallows the rest.
// Running the two runs over a whole page costs far more than the search, so
// such a pattern is answered by trying its core at the places where the
// core's leading literal text appears, from the end of the page backwards;
// the first place where it matches gives the same capture.
#pragma once

#include <boost/regex.hpp>

#include <array>
#include <optional>
#include <string>

class CompiledPagePattern {
public:
    // Throws boost::regex_error for a pattern that does not compile.
    explicit CompiledPagePattern(const std::string& pattern);

    // The first marked sub-expression of the first match; empty when none.
    std::string FirstCapture(const std::string& text) const;

    // The core of a pattern of the form above, when dropping the runs cannot
    // change what it captures; nothing otherwise.
    static std::optional<std::string> CoreOf(const std::string& pattern);
    // The plain characters a core starts with, in lower case; they must appear,
    // in any letter case, wherever the core matches.
    static std::string LiteralStart(const std::string& core);

private:
    std::string LastCoreCapture(const std::string& text) const;
    bool MayStartAt(const std::string& text, std::size_t position) const;
    // The position, moved back past whole blocks ending there that cannot hold a match start.
    std::size_t SkipBlocksThatCannotStart(const std::string& text, std::size_t position) const;

    boost::regex whole_;
    std::optional<boost::regex> core_;
    std::string literalStart_;
    std::array<bool, 256> mayBeFirst_{}; // bytes that may stand for the literal's first character
    std::array<unsigned char, 2> foldMask_{}; // 0x20 for each of the literal's first two characters that is a letter
    std::array<unsigned char, 2> folded_{};   // those characters in lower case
};

// Picks a value out of a router page with a regular expression.
#pragma once

#include <string>

// The first marked sub-expression of the first match of `pattern` (Perl syntax,
// case-insensitive) in `text`; empty when nothing matches or the pattern fails.
std::string ExtractFirstMatch(const std::string& pattern, const std::string& text);

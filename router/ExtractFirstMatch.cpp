#include "ExtractFirstMatch.h"

#include <boost/regex.hpp>

#include <exception>
#include <map>
#include <mutex>

namespace {

// The library uses a handful of fixed patterns; a pattern is compiled once.
// Others beyond the limit are compiled for each call.
constexpr std::size_t kCachedPatternLimit = 32;

// A copy of a compiled expression shares its compiled form.
boost::regex Compiled(const std::string& pattern)
{
    static std::mutex guard;
    static std::map<std::string, boost::regex> cache;
    const std::lock_guard lock(guard);
    if (const auto found = cache.find(pattern); found != cache.end()) {
        return found->second;
    }
    const boost::regex compiled(pattern, boost::regex::perl | boost::regex::icase);
    if (cache.size() < kCachedPatternLimit) {
        cache.emplace(pattern, compiled);
    }
    return compiled;
}

} // namespace

std::string ExtractFirstMatch(const std::string& pattern, const std::string& text)
{
    try {
        boost::smatch match;
        if (!boost::regex_search(text, match, Compiled(pattern)) || match.size() < 2) {
            return {};
        }
        return match.str(1);
    } catch (const std::exception&) {
        // A bad pattern or a search too complex to finish counts as no match.
        return {};
    }
}

#include "ExtractFirstMatch.h"

#include "CompiledPagePattern.h"

#include <exception>
#include <map>
#include <memory>
#include <mutex>

namespace {

// The library uses a handful of fixed patterns; a pattern is compiled once.
// Others beyond the limit are compiled for each call.
constexpr std::size_t kCachedPatternLimit = 32;

std::shared_ptr<const CompiledPagePattern> Compiled(const std::string& pattern)
{
    static std::mutex guard;
    static std::map<std::string, std::shared_ptr<const CompiledPagePattern>> cache;
    {
        const std::lock_guard lock(guard);
        if (const auto found = cache.find(pattern); found != cache.end()) {
            return found->second;
        }
    }
    auto compiled = std::make_shared<const CompiledPagePattern>(pattern);
    const std::lock_guard lock(guard);
    if (cache.size() < kCachedPatternLimit) {
        cache.emplace(pattern, compiled);
    }
    return compiled;
}

} // namespace

std::string ExtractFirstMatch(const std::string& pattern, const std::string& text)
{
    try {
        return Compiled(pattern)->FirstCapture(text);
    } catch (const std::exception&) {
        // A bad pattern or a search too complex to finish counts as no match.
        return {};
    }
}

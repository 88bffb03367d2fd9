#include "ExtractFirstMatch.h"

#include <boost/regex.hpp>

#include <exception>

std::string ExtractFirstMatch(const std::string& pattern, const std::string& text)
{
    try {
        const boost::regex expression(pattern, boost::regex::perl | boost::regex::icase);
        boost::smatch match;
        // The first value a split over successive matches would collect.
        if (!boost::regex_search(text, match, expression) || match.size() < 2) {
            return {};
        }
        return match.str(1);
    } catch (const std::exception&) {
        // A bad pattern or a search too complex to finish counts as no match.
        return {};
    }
}

#include "CompiledPagePattern.h"
#include "ExtractFirstMatch.h"
#include "RouterPagePatterns.h"

#include <boost/regex.hpp>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

struct CoreCase {
    const char* name;
    std::string pattern;
    std::optional<std::string> core;
};

class RouterPatternCore : public testing::TestWithParam<CoreCase> {};

TEST_P(RouterPatternCore, IsTakenOnlyWhenDroppingTheRunsIsSafe)
{
    EXPECT_EQ(CompiledPagePattern::CoreOf(GetParam().pattern), GetParam().core);
}

INSTANTIATE_TEST_SUITE_P(Patterns, RouterPatternCore,
    testing::Values(CoreCase{"BothRuns", R"re([\w\W]*a="(\d)";[\w\W]*)re", R"re(a="(\d)";)re"},
        CoreCase{"LeadingRunOnly", R"re([\w\W]*a="(\d)"[\w\W])re", R"re(a="(\d)"[\w\W])re"},
        CoreCase{"NoLeadingRun", R"re(a="(\d)";[\w\W]*)re", std::nullopt},
        CoreCase{"LazyLeadingRun", R"re([\w\W]*?a(\d))re", std::nullopt},
        CoreCase{"Alternatives", R"re([\w\W]*a(\d)|b(\d))re", std::nullopt},
        CoreCase{"Anchor", R"re([\w\W]*a(\d)$)re", std::nullopt},
        CoreCase{"WordBoundary", R"re([\w\W]*\ba(\d))re", std::nullopt},
        CoreCase{"Lookbehind", R"re([\w\W]*(?<=x)a(\d))re", std::nullopt},
        CoreCase{"BackReference", R"re([\w\W]*(a)\1)re", std::nullopt},
        CoreCase{"EscapedTrailingClass", R"re([\w\W]*a(\d)\[\w\W]*)re", R"re(a(\d)\[\w\W]*)re"},
        CoreCase{"NothingLeft", R"re([\w\W]*)re", std::nullopt}),
    [](const testing::TestParamInfo<CoreCase>& info) { return std::string(info.param.name); });

struct LiteralCase {
    const char* name;
    std::string core;
    std::string literal;
};

class RouterCoreLiteral : public testing::TestWithParam<LiteralCase> {};

TEST_P(RouterCoreLiteral, StopsBeforeAnythingThatNeedNotAppear)
{
    EXPECT_EQ(CompiledPagePattern::LiteralStart(GetParam().core), GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(Cores, RouterCoreLiteral,
    testing::Values(LiteralCase{"Assignment", R"re(wanIP = "([\w\W]{0,15})";)re", "wanip = \""},
        LiteralCase{"QuantifiedLastLetter", "abc*d", "ab"}, LiteralCase{"OptionalLetter", "ab?c", "a"},
        LiteralCase{"StartsWithClass", "[ab]c", ""}, LiteralCase{"Dot", "a.b", "a"}),
    [](const testing::TestParamInfo<LiteralCase>& info) { return std::string(info.param.name); });

// What the patterns capture when the whole pattern runs over the whole page.
std::string ReferenceCapture(const std::string& pattern, const std::string& text)
{
    const boost::regex expression(pattern, boost::regex::perl | boost::regex::icase);
    boost::smatch match;
    return boost::regex_search(text, match, expression) ? match.str(1) : std::string();
}

const std::vector<const char*> kPatterns = {RouterPagePatterns::kCableDsl, RouterPagePatterns::kCloneMac,
    RouterPagePatterns::kDefaultMac, RouterPagePatterns::kFactoryMac, RouterPagePatterns::kWanIp,
    RouterPagePatterns::kGateway, RouterPagePatterns::kSubnetMask, RouterPagePatterns::kWanMac,
    RouterPagePatterns::kConnectionTypeIndex};

// Pages stitched from pieces of variable assignments, quotes and separators,
// so that near misses, repeats and overlaps occur often; markup runs long
// enough to be passed over whole, and bytes outside ASCII, are mixed in.
std::string RandomPage(std::mt19937& random)
{
    static const std::vector<std::string> kPieces = {"cableDSL=\"", "CABLEdsl=\"", "cln_MAC = \"", "def_MAC = \"",
        "fac_MAC = \"", "wanIP = \"", "wanip = \"", "gateWay=\"", "subMask=\"", "wan_mac=\"", "conTypeIdx=\"",
        "\"", "\";", ";", "\n", " ", "2", "4", "192.168.100.200", "00:11:22:33:44:55", "0A:0B:0C:0D:0E:0F0",
        "255.255.255.2550", "x", "\xC3\x89", "<tr><td class=\"label\">Item 12</td><td>document.write(s)</td></tr>\n"};
    std::uniform_int_distribution<std::size_t> count(0, 40);
    std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
    std::string page;
    for (std::size_t i = count(random); i > 0; --i) {
        page += kPieces[piece(random)];
    }
    return page;
}

TEST(RouterPatternEquivalence, FastCaptureEqualsTheWholePatternsCapture)
{
    std::mt19937 random(20261207);
    int captures = 0;
    for (int round = 0; round < 1500; ++round) {
        const std::string page = RandomPage(random);
        for (const char* pattern : kPatterns) {
            const std::string expected = ReferenceCapture(pattern, page);
            ASSERT_EQ(ExtractFirstMatch(pattern, page), expected) << "pattern " << pattern << "\npage " << page;
            captures += expected.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(captures, 300);
}

} // namespace

// The parsers against a reading of the router's variables written without
// regular expressions, over pages stitched at random.
#include "RouterPageParsers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace RouterPageParsers;

// One page variable as the router writes it: the assignment up to the opening
// quote, the value's length range, what must close it, and whether one more
// character must follow.
struct Variable {
    std::string assignment;
    std::size_t shortest;
    std::size_t longest;
    std::string closing;
    bool needsOneMore = false;
};

const Variable kCable{"cableDSL=\"", 0, 3, "\"", true};
const Variable kCloneMac{"cln_MAC = \"", 17, 17, "\""};
const Variable kDefaultMac{"def_MAC = \"", 17, 17, "\""};
const Variable kFactoryMac{"fac_MAC = \"", 17, 17, "\""};
const Variable kWanIp{"wanIP = \"", 0, 15, "\";"};
const Variable kGateway{"gateWay=\"", 0, 15, "\";"};
const Variable kSubnetMask{"subMask=\"", 0, 15, "\";"};
const Variable kWanMac{"wan_mac=\"", 17, 17, "\";"};
const Variable kTypeIndex{"conTypeIdx=\"", 0, 3, "\";"};

bool HoldsAt(const std::string& page, std::size_t at, const std::string& word)
{
    if (at + word.size() > page.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(page[at + i])) != std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

// The value of the last assignment that fits, taken as long as it may be.
std::string LastValue(const std::string& page, const Variable& variable)
{
    for (std::size_t start = page.size() + 1; start-- > 0;) {
        if (!HoldsAt(page, start, variable.assignment))
            continue;
        const std::size_t valueStart = start + variable.assignment.size();
        for (std::size_t length = variable.longest + 1; length-- > variable.shortest;) {
            const std::size_t end = valueStart + length;
            const std::size_t needed = end + variable.closing.size() + (variable.needsOneMore ? 1 : 0);
            if (HoldsAt(page, end, variable.closing) && needed <= page.size())
                return page.substr(valueStart, length);
        }
    }
    return {};
}

// Pages stitched from pieces of variable assignments, quotes and separators,
// so that near misses, repeats and overlaps occur often; markup and bytes
// outside ASCII are mixed in.
std::string RandomPage(std::mt19937& random)
{
    static const std::vector<std::string> kPieces = {"cableDSL=\"", "CABLEdsl=\"", "cln_MAC = \"", "def_MAC = \"",
        "fac_MAC = \"", "wanIP = \"", "wanip = \"", "gateWay=\"", "subMask=\"", "wan_mac=\"", "conTypeIdx=\"",
        "\"", "\";", ";", "\n", " ", "2", "4", "192.168.100.200", "00:11:22:33:44:55", "0A:0B:0C:0D:0E:0F0",
        "255.255.255.2550", "x", "\xC3\x89", "<tr><td class=\"label\">Item 12</td><td>document.write(s)</td></tr>\n"};
    std::uniform_int_distribution<std::size_t> count(0, 40);
    std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
    std::string page;
    for (std::size_t i = count(random); i > 0; --i)
        page += kPieces[piece(random)];
    return page;
}

TEST(RouterPagesAtRandom, ParsersReadTheLastAssignmentThatFits)
{
    std::mt19937 random(20261207);
    int valuesFound = 0;
    for (int round = 0; round < 1500; ++round) {
        const std::string page = RandomPage(random);
        SCOPED_TRACE(page);
        WanStatusInfo status;
        status.connectionType = "before";
        ReadWanStatus(page, status);
        MacInfo mac;
        ReadMacAddresses(page, mac);
        const std::vector<std::pair<std::string, std::string>> readAndExpected = {
            {status.wanIp, LastValue(page, kWanIp)},
            {status.gateway, LastValue(page, kGateway)},
            {status.subnetMask, LastValue(page, kSubnetMask)},
            {status.wanMac, LastValue(page, kWanMac)},
            {mac.cloneMac, LastValue(page, kCloneMac)},
            {mac.defaultMac, LastValue(page, kDefaultMac)},
            {mac.factoryMac, LastValue(page, kFactoryMac)},
        };
        for (const auto& [read, expected] : readAndExpected) {
            ASSERT_EQ(read, expected);
            valuesFound += expected.empty() ? 0 : 1;
        }
        ASSERT_EQ(status.connectionType, ConnectionTypeName(LastValue(page, kTypeIndex)).value_or("before"));
        ASSERT_EQ(CableStatusFromPage(page), LastValue(page, kCable) == "2" ? 1 : 0);
    }
    EXPECT_GT(valuesFound, 300);
}

} // namespace

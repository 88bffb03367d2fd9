#include "AddressRules.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t Ip(const char* text)
{
    return ParseDottedAddress(text);
}

TEST(IsValidHostAddress, ChecksOnlyFirstAndLastOctet)
{
    const struct {
        const char* address;
        bool valid;
    } cases[] = {
        {"10.0.0.0", false}, {"10.0.0.255", false}, {"0.1.2.3", false}, {"255.1.2.3", false},
        {"127.0.0.1", true}, {"224.1.2.3", true},   {"1.0.0.1", true},  {"254.255.255.254", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidHostAddress(Ip(c.address)), c.valid) << c.address;
}

TEST(IsValidSubnetMask, AcceptsOnlyLeadingOnes)
{
    const struct {
        std::uint32_t mask;
        bool valid;
    } cases[] = {
        {0xFFFFFF00, true}, {0xFFFFFFFF, true}, {0x80000000, true}, {0xFFFFFFFE, true},
        {0x00000000, false}, {0xFFFF00FF, false}, {0x00000001, false}, {0x7FFFFFFF, false}, {0xFFFFFF01, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidSubnetMask(c.mask), c.valid) << std::hex << c.mask;
}

TEST(IsDifferentSegment, ComparesTheMaskedNetworks)
{
    EXPECT_TRUE(IsDifferentSegment(Ip("192.168.1.10"), Ip("192.168.0.1"), Ip("255.255.255.0")));
    EXPECT_FALSE(IsDifferentSegment(Ip("192.168.1.10"), Ip("192.168.0.1"), Ip("255.255.0.0")));
    EXPECT_FALSE(IsDifferentSegment(Ip("192.168.0.200"), Ip("192.168.0.1"), Ip("255.255.255.0")));
    EXPECT_TRUE(IsDifferentSegment(Ip("192.168.0.200"), Ip("192.168.0.1"), Ip("255.255.255.128")));
}

TEST(IsValidMacText, WantsSixColonPairsAndAnEvenFirstOctet)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"00:1a:2b:3c:4d:5e", true}, {"FE:FF:FF:FF:FF:FF", true}, {"0c:00:00:00:00:00", true},
        {"01:00:5E:00:00:01", false}, {"0f:00:00:00:00:00", false}, {"0b:00:00:00:00:00", false},
        {"00-1A-2B-3C-4D-5E", false}, {"001A2B3C4D5E", false}, {"00:1A:2B:3C:4D:5E:", false},
        {"00:1G:2B:3C:4D:5E", false}, {"00:1A:2B:3C:4D:5", false}, {"0:01A:2B:3C:4D:5E", false},
        {"", false},
        // U+FB00 upper-cases to "FF" only as part of a whole text.
        {"00:1a:2b:3c:4d:\uFB00", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidMacText(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(EscapeFormValue, EscapesTheTwentyCharactersInLowerCaseHex)
{
    const QString escaped = QStringLiteral("!\"#$%&'+,<>[\\]^`{|}~");
    ASSERT_EQ(escaped.size(), 20);
    for (const QChar c : escaped) {
        const QString expected = u'%' + QString::number(c.unicode(), 16).rightJustified(2, u'0');
        EXPECT_EQ(EscapeFormValue(c), expected) << c.toLatin1();
    }
    for (char16_t code = 10; code <= 127; ++code) {
        const QChar c(code);
        if (!escaped.contains(c)) {
            EXPECT_EQ(EscapeFormValue(c), QString(c)) << int(code);
        }
    }
}

TEST(EscapeFormValue, DropsTheWholeValueOutsideTenTo127)
{
    const struct {
        QString text;
        QString result;
    } cases[] = {
        {QStringLiteral("pass word"), QStringLiteral("pass word")},
        {QStringLiteral("a=b"), QStringLiteral("a=b")},
        {QStringLiteral("a&b[1]"), QStringLiteral("a%26b%5b1%5d")},
        {QStringLiteral("caf\u00e9"), QString()},
        {QStringLiteral("a") + QChar(9), QString()},
        {QStringLiteral("a") + QChar(10), QStringLiteral("a\n")},
        {QStringLiteral("a") + QChar(127), QStringLiteral("a\x7f")},
        {QStringLiteral("a") + QChar(128), QString()},
        {QStringLiteral("a") + QChar(0), QString()},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeFormValue(c.text), c.result) << c.text.toStdString();
}

// The router's address is read as every network tool reads it: octal and
// hex parts and the short forms, and nothing more.
TEST(DottedAddress, ReadsTheSystemsAddressForms)
{
    const struct {
        const char* text;
        std::uint32_t address;
    } cases[] = {
        {"192.168.0.1", 0xC0A80001},   {"0.0.0.0", 0},           {"255.255.255.255", 0xFFFFFFFF},
        {"192.168.0.01", 0xC0A80001},  {"010.0.0.1", 0x08000001}, {"0xC0.0xA8.0.1", 0xC0A80001},
        {"10.1", 0x0A000001},          {"1.2.3", 0x01020003},     {"3232235521", 0xC0A80001},
        {"1.2.3.4 ", 0x01020304},      {"256.0.0.1", 0xFFFFFFFF}, {"1.2.3.4.5", 0xFFFFFFFF},
        {"1..3.4", 0xFFFFFFFF},        {"08.1.1.1", 0xFFFFFFFF},  {" 1.2.3.4", 0xFFFFFFFF},
        {"1.2.3.4x", 0xFFFFFFFF},      {"-1.2.3.4", 0xFFFFFFFF},  {"", 0xFFFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDottedAddress(c.text), c.address) << c.text;
    EXPECT_EQ(ParseDottedAddress(std::string("1.2.3.4\0junk", 12)), 0xFFFFFFFFu);
}

TEST(DottedAddress, FormatsWithoutLeadingZerosAndRoundTrips)
{
    for (const char* text : {"192.168.0.1", "0.0.0.0", "255.255.255.255", "10.20.30.40"})
        EXPECT_EQ(FormatDottedAddress(ParseDottedAddress(text)), text);
}

} // namespace

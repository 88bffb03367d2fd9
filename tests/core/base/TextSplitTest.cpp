#include "FormatText.h"
#include "TextSplit.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitText, KeepsQuotedSeparatorsAndInnerEmptyParts)
{
    const struct {
        const char* text;
        QStringList parts;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a,,c", {"a", "", "c"}},
        {"a,b,", {"a", "b"}},
        {",", {""}},
        {"", {}},
        {"\"x,y\",z", {"x,y", "z"}},
        {"'x,y'z,w", {"x,yz", "w"}},
        {"\"it's\",b", {"it's", "b"}},
        {"\"a\\\"b,c\",d", {"a\\\"b,c", "d"}},
        {"\"open,rest", {"open,rest"}},
        {"pre\"in\"post,x", {"preinpost", "x"}},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        QStringList parts{QStringLiteral("stale")};
        EXPECT_EQ(SplitText(&text, parts, u','), c.parts.size()) << c.text;
        EXPECT_EQ(parts, c.parts) << c.text;
    }
    QStringList parts;
    EXPECT_EQ(SplitText(nullptr, parts, u','), -1);
}

TEST(ParseRgb, ReadsThreePartsAsAtoiLowBytes)
{
    const struct {
        const char* text;
        bool ok;
        std::uint32_t colour;
    } cases[] = {
        {"255,255,0", true, 0x0000FFFF},
        {"1,2,3", true, 0x00030201},
        {" 16, 32 ,64", true, 0x00402010},
        {"256,257,-1", true, 0x00FF0100},
        {"red,1,2", true, 0x00020100},
        {"\"1,2\",3", false, 0},
        {"1,2", false, 0},
        {"1,2,3,4", false, 0},
        {"FontColor", false, 0},
    };
    for (const auto& c : cases) {
        std::uint32_t colour = 0xDEADBEEF;
        EXPECT_EQ(ParseRgb(QString::fromUtf8(c.text), colour), c.ok) << c.text;
        EXPECT_EQ(colour, c.ok ? c.colour : 0xDEADBEEF) << c.text;
    }
}

TEST(FormatText, FormatsTextsAndNumbersAndCutsTo1022)
{
    EXPECT_EQ(FormatText("%sSkin\\progress%d.png", QStringLiteral("/opt/\u00e9/"), 3),
              QStringLiteral("/opt/\u00e9/Skin\\progress3.png"));
    EXPECT_EQ(FormatText("%s%s_%s.pdf", std::string("a"), "b", QStringLiteral("c")), QStringLiteral("ab_c.pdf"));
    EXPECT_EQ(FormatText("%s", QString(2000, u'x')).size(), 1022);
}

} // namespace

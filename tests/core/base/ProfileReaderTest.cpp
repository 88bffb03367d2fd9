#include "ProfileReader.h"

#include "TempFiles.h"

#include <QFileInfo>

namespace {

const QString sample = QStringLiteral(
    "; a comment line\r\n"
    "[Setting]\r\n"
    "  LAN IP = 10.0.0.1  \r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "Mixed=\"x'\r\n"
    "OnlyQuote=\"\r\n"
    "Semi=a;b\r\n"
    "Static IP Desc=desc\r\n"
    "welcome=hello\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "  ;Hidden=yes\r\n"
    "Empty=\r\n"
    "Umlaut=Gr\u00fc\u00dfe\r\n"
    "NoEquals\r\n"
    "[ Font ]\r\n"
    "FontName=Verdana\r\n"
    "[setting]\r\n"
    "Late=also\r\n");

struct Lookup {
    const char* section;
    const char* key;
    const char* expected;
};

class ProfileReaderEncodings : public testing::TestWithParam<FileEncoding> {};

TEST_P(ProfileReaderEncodings, LooksUpLikeTheSystemReader)
{
    TempFolder folder;
    const QString file = folder.Write(QStringLiteral("a.ini"), sample, GetParam());
    const Lookup cases[] = {
        {"Setting", "LAN IP", "10.0.0.1"},
        {"SETTING", "lan ip", "10.0.0.1"},
        {"Setting", "Quoted", "  spaced  "},
        {"Setting", "Single", "x"},
        {"Setting", "Mixed", "\"x'"},
        {"Setting", "OnlyQuote", "\""},
        {"Setting", "Semi", "a;b"},
        {"Setting", "Static IP Desc ", "desc"},
        {"Setting", "welcome                    ", "hello"},
        {" Setting ", "  welcome", "hello"},
        {"Setting", "Dup", "first"},
        {"Setting", ";Hidden", "default"},
        {"Setting", "Hidden", "default"},
        {"Setting", "Empty", ""},
        {"Setting", "NoEquals", "default"},
        {"Setting", "Late", "also"},
        {"Font", "FontName", "Verdana"},
        {"Font", "LAN IP", "default"},
        {"Missing", "LAN IP", "default"},
    };
    for (const Lookup& c : cases) {
        EXPECT_EQ(ReadProfileString(file, QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                    QStringLiteral("default"), 1024),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(ReadProfileString(file, QStringLiteral("Setting"), QStringLiteral("Umlaut"), {}, 64),
              QStringLiteral("Gr\u00fc\u00dfe"));
}

std::string EncodingName(const testing::TestParamInfo<FileEncoding>& info)
{
    const char* names[] = {"Utf8", "Utf8Bom", "Utf16LeBom"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, ProfileReaderEncodings,
                         testing::Values(FileEncoding::Utf8, FileEncoding::Utf8Bom, FileEncoding::Utf16LeBom),
                         EncodingName);

TEST(ProfileReader, CutsValueAndDefaultToRoomMinusOne)
{
    TempFolder folder;
    const QString file = folder.Write(QStringLiteral("a.ini"), QStringLiteral("[S]\nK=abcdef\n"));
    const struct {
        int room;
        const char* value;
        const char* fallback;
    } cases[] = {{7, "abcdef", "xyzuvw"}, {4, "abc", "xyz"}, {1, "", ""}, {0, "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadProfileString(file, QStringLiteral("S"), QStringLiteral("K"), {}, c.room),
                  QString::fromUtf8(c.value)) << c.room;
        EXPECT_EQ(ReadProfileString(file, QStringLiteral("S"), QStringLiteral("None"), QStringLiteral("xyzuvw"), c.room),
                  QString::fromUtf8(c.fallback)) << c.room;
    }
}

TEST(ProfileReader, MissingFileGivesDefault)
{
    TempFolder folder;
    EXPECT_EQ(ReadProfileString(folder.Path() + QStringLiteral("none.ini"), QStringLiteral("S"), QStringLiteral("K"),
                                QStringLiteral("fallback"), 128),
              QStringLiteral("fallback"));
}

TEST(ProfileReader, SeesAFileRewrittenAfterItWasCached)
{
    TempFolder folder;
    const QString file = folder.Write(QStringLiteral("a.ini"), QStringLiteral("[S]\nK=old\n"));
    ASSERT_EQ(ReadProfileString(file, QStringLiteral("S"), QStringLiteral("K"), {}, 128), QStringLiteral("old"));
    folder.Write(QStringLiteral("a.ini"), QStringLiteral("[S]\nK=newer\n"));
    EXPECT_EQ(ReadProfileString(file, QStringLiteral("S"), QStringLiteral("K"), {}, 128), QStringLiteral("newer"));
}

} // namespace

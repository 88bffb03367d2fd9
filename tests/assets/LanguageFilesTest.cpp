// The shipped language files: complete for every key the program uses,
// consistent with each other, and with the values the program relies on.
#include "IniText.h"
#include "SourceKeys.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

namespace {

const QStringList kLanguages = {QStringLiteral("English"), QStringLiteral("Czechic"),
                                QStringLiteral("SimpChinese")};
const QString kSection = QStringLiteral("String");
constexpr int kFewestPlausibleKeys = 20;

IniText LoadLanguage(const QString& stem) {
    IniText ini;
    EXPECT_TRUE(ini.Load(QStringLiteral(CORVANE_PROGRAM_DIR "/Language/%1.ini").arg(stem)))
        << stem.toStdString() << ".ini is missing or not UTF-8";
    return ini;
}

QSet<QString> FoldedKeys(const IniText& ini) {
    QSet<QString> keys;
    for (const IniEntry& entry : ini.Entries()) {
        keys.insert(entry.key.toCaseFolded());
    }
    return keys;
}

}  // namespace

TEST(assets_LanguageKeys, ScannerFindsEveryFormTheSourcesUse) {
    SourceKeys keys;
    keys.ScanText(QStringLiteral(R"(GetText("Waring"); GetText( QStringLiteral("App Name") );
        LANG_KEY("Disable"), {.id = 1151, .caption = "Static IP Desc "}; GetText(name);
        GetText("say \"hi\""))"),
                  QStringLiteral("sample"));
    const QStringList expected = {QStringLiteral("App Name"), QStringLiteral("Disable"),
                                  QStringLiteral("Static IP Desc"), QStringLiteral("Waring"),
                                  QStringLiteral("say \"hi\"")};
    EXPECT_EQ(keys.Keys().keys(), expected);
}

TEST(assets_LanguageKeys, EveryLanguageHasEveryKeyTheProgramUses) {
    SourceKeys keys;
    keys.ScanTree(QStringLiteral(CORVANE_SOURCE_DIR "/wizard"));
    if (keys.Keys().isEmpty()) {
        GTEST_SKIP() << "no language keys in wizard/ yet: nothing to cover";
    }
    ASSERT_GE(keys.Keys().size(), kFewestPlausibleKeys)
        << "suspiciously few keys found in wizard/: has the way keys are written changed?";
    for (const QString& stem : kLanguages) {
        const QSet<QString> shipped = FoldedKeys(LoadLanguage(stem));
        for (auto it = keys.Keys().cbegin(); it != keys.Keys().cend(); ++it) {
            EXPECT_TRUE(shipped.contains(it.key().toCaseFolded()))
                << stem.toStdString() << ".ini lacks \"" << it.key().toStdString() << "\" used in "
                << it.value().toStdString();
        }
    }
}

TEST(assets_LanguageKeys, AllLanguagesShareOneKeySetWithoutDeadDuplicates) {
    const QSet<QString> english = FoldedKeys(LoadLanguage(QStringLiteral("English")));
    for (const QString& stem : kLanguages) {
        const IniText ini = LoadLanguage(stem);
        EXPECT_EQ(FoldedKeys(ini), english) << stem.toStdString();
        // Keys are compared ignoring case and the first one wins: a second is never read.
        EXPECT_EQ(FoldedKeys(ini).size(), ini.Entries().size()) << stem.toStdString();
        for (const IniEntry& entry : ini.Entries()) {
            EXPECT_EQ(entry.section, kSection) << stem.toStdString() << ": " << entry.key.toStdString();
        }
    }
}

TEST(assets_LanguageValues, ReadAsWrittenByTheProfileReader) {
    static const QRegularExpression quoted(QStringLiteral(R"(^["'].*["']$)"));
    for (const QString& stem : kLanguages) {
        const IniText ini = LoadLanguage(stem);
        for (const IniEntry& entry : ini.Entries()) {
            const std::string where = stem.toStdString() + ": " + entry.key.toStdString();
            EXPECT_FALSE(entry.value.isEmpty()) << where;
            EXPECT_FALSE(quoted.match(entry.value).hasMatch()) << where << " would lose its quotes";
            EXPECT_FALSE(entry.value.contains(QStringLiteral("[~NULL~]"))) << where << " hides its element";
        }
    }
}

// Values the program uses as data rather than as words.
TEST(assets_LanguageValues, DataValuesWorkInEveryLanguage) {
    static const QRegularExpression ssidRule(QStringLiteral("^[A-Za-z0-9_ -]{1,32}$"));
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9-]{1,63}$"));
    const QString url = LoadLanguage(QStringLiteral("English")).Value(kSection, QStringLiteral("webURL"));
    EXPECT_TRUE(url.startsWith(QStringLiteral("http://")));
    for (const QString& stem : kLanguages) {
        const IniText ini = LoadLanguage(stem);
        const std::string name = stem.toStdString();
        // The language page appends ".ini" to the translated button caption.
        for (const QString& file : {QStringLiteral("English"), QStringLiteral("Czechic")}) {
            EXPECT_EQ(ini.Value(kSection, file), file) << name;
        }
        EXPECT_EQ(ini.Value(kSection, QStringLiteral("webURL")), url) << name;
        EXPECT_TRUE(ssidRule.match(ini.Value(kSection, QStringLiteral("SSID Value"))).hasMatch()) << name;
        EXPECT_TRUE(hostName.match(ini.Value(kSection, QStringLiteral("HostName"))).hasMatch()) << name;
        for (int step = 1; step <= 10; ++step) {
            EXPECT_EQ(ini.Value(kSection, QString::number(step)), QString::number(step)) << name;
        }
    }
}

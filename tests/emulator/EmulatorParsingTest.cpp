#include "EmulatorCommandLine.h"
#include "FormFields.h"

#include <gtest/gtest.h>

namespace {

TEST(EmulatorFormFields, DecodesLikeAWebServer)
{
    struct Case {
        std::string body;
        std::string name;
        std::string value;
        std::size_t fields;
    };
    const Case cases[] = {
        {"a=1&b=2", "b", "2", 2},
        {"PUN=u&PPW=p&&WMAC=02:00:00:00:00:01", "WMAC", "02:00:00:00:00:01", 3},
        {"k=a%26b%5b1%5d", "k", "a&b[1]", 1},
        {"k=pass word", "k", "pass word", 1},
        {"k=a+b", "k", "a b", 1},
        {"k=%zz%4", "k", "%zz%4", 1},
        {"k=%", "k", "%", 1},
        {"flag", "flag", "", 1},
        {"a=1&a=2", "a", "2", 2},
        {"wep_default_key= 2", "wep_default_key", " 2", 1},
        {"", "a", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        const FormFields form = FormFields::Parse(c.body);
        EXPECT_EQ(form.Get(c.name), c.value);
        EXPECT_EQ(form.Size(), c.fields);
    }
}

TEST(EmulatorCommandLine, ReadsEveryOption)
{
    const auto parsed = EmulatorCommandLine::Parse({"--address", "127.0.0.2", "--port=8080", "--user", "root",
                                                    "--password", "pw", "--detected-wan-type", "3", "--isp-user", "u",
                                                    "--isp-password", "p", "--link-delay-ms", "1500", "--reboot-ms",
                                                    "30000", "--fault", "slow-drip", "--drip-gap-ms", "5"});
    ASSERT_EQ(parsed.error, "");
    const EmulatorConfig& config = parsed.config;
    EXPECT_EQ(config.bindAddress, "127.0.0.2");
    EXPECT_EQ(config.port, 8080);
    EXPECT_EQ(config.userName, "root");
    EXPECT_EQ(config.password, "pw");
    EXPECT_EQ(config.detectedWanType, "3");
    EXPECT_EQ(config.ispUserName, "u");
    EXPECT_EQ(config.ispPassword, "p");
    EXPECT_EQ(config.linkUpDelay.count(), 1500);
    EXPECT_EQ(config.rebootDuration.count(), 30000);
    EXPECT_EQ(config.fault, FaultMode::SlowDrip);
    EXPECT_EQ(config.dripGap.count(), 5);
}

TEST(EmulatorCommandLine, RejectsWhatItDoesNotUnderstand)
{
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--port", "70000"}, {"--port", "-1"}, {"--fault", "melt"}, {"--link-delay-ms", "soon"}, {"--bogus", "1"},
             {"--user"}}) {
        SCOPED_TRACE(arguments.front());
        EXPECT_NE(EmulatorCommandLine::Parse(arguments).error, "");
    }
    EXPECT_TRUE(EmulatorCommandLine::Parse({"--help"}).showHelp);
}

TEST(EmulatorCommandLine, HelpListsEveryOption)
{
    const std::string help = EmulatorCommandLine::HelpText();
    for (const char* option : {"--address", "--port", "--user", "--password", "--detected-wan-type", "--isp-user",
                               "--isp-password", "--link-delay-ms", "--reboot-ms", "--fault"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

} // namespace

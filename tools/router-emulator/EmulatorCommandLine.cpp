#include "EmulatorCommandLine.h"

#include <charconv>

namespace {

template <typename Number>
bool ParseNumber(const std::string& text, Number& out)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

bool ParseMilliseconds(const std::string& text, std::chrono::milliseconds& out)
{
    unsigned long count = 0;
    if (!ParseNumber(text, count)) {
        return false;
    }
    out = std::chrono::milliseconds(count);
    return true;
}

} // namespace

EmulatorCommandLine::Result EmulatorCommandLine::Parse(const std::vector<std::string>& arguments)
{
    Result result;
    for (std::size_t i = 0; i < arguments.size() && result.error.empty(); ++i) {
        std::string option = arguments[i];
        if (option == "--help" || option == "-h") {
            result.showHelp = true;
            continue;
        }
        std::string value;
        if (const auto equals = option.find('='); equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            result.error = "missing value for " + option;
            break;
        }
        result.error = Apply(option, value, result.config);
    }
    return result;
}

std::string EmulatorCommandLine::Apply(const std::string& option, const std::string& value, EmulatorConfig& config)
{
    bool valid = true;
    if (option == "--address") {
        config.bindAddress = value;
    } else if (option == "--port") {
        valid = ParseNumber(value, config.port);
    } else if (option == "--user") {
        config.userName = value;
    } else if (option == "--password") {
        config.password = value;
    } else if (option == "--detected-wan-type") {
        config.detectedWanType = value;
    } else if (option == "--isp-user") {
        config.ispUserName = value;
    } else if (option == "--isp-password") {
        config.ispPassword = value;
    } else if (option == "--link-delay-ms") {
        valid = ParseMilliseconds(value, config.linkUpDelay);
    } else if (option == "--reboot-ms") {
        valid = ParseMilliseconds(value, config.rebootDuration);
    } else if (option == "--drip-gap-ms") {
        valid = ParseMilliseconds(value, config.dripGap);
    } else if (option == "--fault") {
        const auto mode = ParseFaultMode(value);
        valid = mode.has_value();
        config.fault = mode.value_or(FaultMode::None);
    } else {
        return "unknown option " + option;
    }
    return valid ? std::string{} : "invalid value for " + option + ": " + value;
}

std::string EmulatorCommandLine::HelpText()
{
    return "Usage: corvane-router-emulator [options]\n"
           "Serves an emulated router web interface until SIGINT or SIGTERM.\n\n"
           "  --address ADDR            address to listen on (default 127.0.0.1)\n"
           "  --port N                  port to listen on; 0 picks a free one (default 0)\n"
           "  --user NAME               login user name (default admin)\n"
           "  --password TEXT           login password (default qzmvx)\n"
           "  --detected-wan-type TEXT  answer of /goform/WizardModeSel, sent as is (default 2)\n"
           "  --isp-user NAME           PPPoE account that brings the link up (default isp-user)\n"
           "  --isp-password TEXT       its password (default isp-pass)\n"
           "  --link-delay-ms N         time the WAN link takes to come up (default 0)\n"
           "  --reboot-ms N             time a reboot refuses connections (default 0)\n"
           "  --fault MODE              none, refuse, silent, reset, garbage, oversized, slow-drip,\n"
           "                            stall-after-head, reset-mid-body, interim-only, or the valid\n"
           "                            answer forms chunked, close-delimited, kept-open, bare-lf,\n"
           "                            mixed-lf, http10, redirect, headless, unmarked-401 and\n"
           "                            unannounced-close\n"
           "  --drip-gap-ms N           gap between bytes in slow-drip mode and between interim\n"
           "                            answers in interim-only mode (default 20)\n"
           "  --help                    show this text\n";
}

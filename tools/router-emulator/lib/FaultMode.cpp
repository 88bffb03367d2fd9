#include "FaultMode.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<FaultMode, std::string_view>, 20> kNames{{
    {FaultMode::None, "none"},
    {FaultMode::Refuse, "refuse"},
    {FaultMode::Silent, "silent"},
    {FaultMode::Reset, "reset"},
    {FaultMode::Garbage, "garbage"},
    {FaultMode::Oversized, "oversized"},
    {FaultMode::SlowDrip, "slow-drip"},
    {FaultMode::StallAfterHead, "stall-after-head"},
    {FaultMode::ResetMidBody, "reset-mid-body"},
    {FaultMode::InterimOnly, "interim-only"},
    {FaultMode::Chunked, "chunked"},
    {FaultMode::CloseDelimited, "close-delimited"},
    {FaultMode::KeptOpen, "kept-open"},
    {FaultMode::BareLf, "bare-lf"},
    {FaultMode::MixedLf, "mixed-lf"},
    {FaultMode::Http10, "http10"},
    {FaultMode::Redirect, "redirect"},
    {FaultMode::Headless, "headless"},
    {FaultMode::Unmarked401, "unmarked-401"},
    {FaultMode::UnannouncedClose, "unannounced-close"},
}};

} // namespace

std::optional<FaultMode> ParseFaultMode(std::string_view name)
{
    for (const auto& [mode, text] : kNames) {
        if (text == name) {
            return mode;
        }
    }
    return std::nullopt;
}

std::string_view FaultModeName(FaultMode mode)
{
    for (const auto& [candidate, text] : kNames) {
        if (candidate == mode) {
            return text;
        }
    }
    return "none";
}

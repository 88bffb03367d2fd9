#include "ScaledSleeper.h"

#include "SettingsReader.h"

namespace {

constexpr int kUnscaled = 100;
// Far above any useful slow-down, and small enough that no wait overflows.
constexpr int kLargestPercent = 100000;

} // namespace

ScaledSleeper::ScaledSleeper(Sleeper& inner, int percent) : inner_(inner), percent_(percent) {}

void ScaledSleeper::Sleep(std::chrono::milliseconds duration)
{
    inner_.Sleep(duration * percent_ / kUnscaled);
}

int ParseWaitScalePercent(const QString& text)
{
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    if (!ok || percent < 0 || percent > kLargestPercent)
        return kUnscaled;
    return percent;
}

int ReadWaitScalePercent()
{
    return ParseWaitScalePercent(ReadSetting(QStringLiteral("Wait Scale Percent"), QStringLiteral("100"), 128));
}

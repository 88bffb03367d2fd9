#include "ConnectionChoices.h"

#include "LanguageName.h"

#include <array>

namespace {

// PPTP, L2TP and the automatic detection are complete but offered only by a
// build that shows them.
constexpr std::array<ConnectionChoice, 5> kChoices{{
    {1147, 2},
    {1151, 1},
    {1149, 3},
    {1148, 4},
    {1146, 5},
}};

} // namespace

std::span<const ConnectionChoice> ConnectionChoices()
{
    return kChoices;
}

bool HidesPptpChoice(const QString& languageFile)
{
    return IsSimplifiedChinese(languageFile);
}

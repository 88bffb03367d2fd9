#include "ConnectionChoices.h"

#include "CLanguageTable.h"
#include "LanguageName.h"

#include <array>

namespace {

// PPTP, L2TP and the automatic detection are complete but offered only by a
// build that shows them.
constexpr std::array<ConnectionChoice, 5> kChoices{{
    {1147, 2, LANG_KEY("Dynamic IP Desc"), true},
    {1151, 1, LANG_KEY("Static IP Desc "), true},
    {1149, 3, LANG_KEY("PPPoE Desc"), true},
    {1148, 4, LANG_KEY("PPTP Desc"), false},
    {1146, 5, LANG_KEY("L2TP Desc"), false},
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

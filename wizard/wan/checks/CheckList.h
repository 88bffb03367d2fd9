// A page's checks in their order: the warning of the first that failed.
#pragma once

#include "UserMessage.h"

#include <initializer_list>
#include <optional>

struct PageCheck {
    bool passed;
    const char* messageKey;
};

std::optional<UserMessage> FirstFailedCheck(std::initializer_list<PageCheck> checks);

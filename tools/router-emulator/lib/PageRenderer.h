// The router's web pages. The script variables keep the exact quoting and
// spacing that the library's page patterns rely on, and sit well inside the
// first 8192 bytes that a client reads.
#pragma once

#include "EmulatorConfig.h"
#include "RouterSnapshot.h"

#include <string>

class PageRenderer {
public:
    explicit PageRenderer(const EmulatorConfig& config);

    std::string MainPage() const;
    std::string SystemStatusPage(const RouterSnapshot& state) const;
    std::string MacClonePage(const RouterSnapshot& state) const;
    std::string UnauthorizedPage() const;
    std::string ErrorPage(int status, const std::string& reason) const;

private:
    const EmulatorConfig& config_;
};

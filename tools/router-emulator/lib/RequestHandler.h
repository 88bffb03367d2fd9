// Answers one authenticated request: serves the pages and applies the
// form handlers to the router state.
#pragma once

#include "BasicCredentials.h"
#include "EmulatorConfig.h"
#include "HttpRequest.h"
#include "HttpResponse.h"
#include "PageRenderer.h"
#include "RouterState.h"

class RequestHandler {
public:
    RequestHandler(const EmulatorConfig& config, RouterState& state);

    HttpResponse Handle(const HttpRequest& request) const;

private:
    HttpResponse Route(const HttpRequest& request) const;
    HttpResponse Page(std::string body) const;
    // A short page titled with the status, answered with that status.
    HttpResponse StatusPage(int status, const std::string& reason) const;
    HttpResponse Unauthorized() const;
    HttpResponse RedirectAfterForm(const FormFields& form, const std::string& fallback) const;

    const EmulatorConfig& config_;
    RouterState& state_;
    BasicCredentials credentials_;
    PageRenderer pages_;
};

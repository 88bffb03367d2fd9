#include "RequestHandler.h"

RequestHandler::RequestHandler(const EmulatorConfig& config, RouterState& state)
    : config_(config), state_(state), credentials_(config.userName, config.password), pages_(config)
{
}

HttpResponse RequestHandler::Handle(const HttpRequest& request) const
{
    const auto authorization = request.Header("Authorization");
    if (!authorization || !credentials_.Accepts(*authorization)) {
        return Unauthorized();
    }
    return Route(request);
}

HttpResponse RequestHandler::Route(const HttpRequest& request) const
{
    const std::string path = request.Path();
    const FormFields form = FormFields::Parse(request.body);
    if (path == "/" || path == "/main.html") {
        return Page(pages_.MainPage());
    }
    if (path == "/system_status.asp") {
        return Page(pages_.SystemStatusPage(state_.Snapshot()));
    }
    if (path == "/mac_clone.asp") {
        return Page(pages_.MacClonePage(state_.Snapshot()));
    }
    if (path == "/goform/WizardModeSel") {
        HttpResponse response = Page(config_.detectedWanType);
        response.contentType = "text/plain";
        return response;
    }
    if (path == "/goform/SysStatusHandle") {
        if (form.Get("CMD") == "WAN_CON") {
            state_.Reconnect();
        }
        return RedirectAfterForm(form, "system_status.asp");
    }
    if (path == "/goform/WizardHandle") {
        state_.ApplyWizard(form);
        return RedirectAfterForm(form, "wizard.asp");
    }
    if (path == "/goform/AdvSetMacClone") {
        state_.ApplyMacClone(form);
        return RedirectAfterForm(form, "mac_clone.asp");
    }
    if (path == "/goform/wirelessBasic") {
        state_.ApplyWirelessBasic(form);
        return RedirectAfterForm(form, "wireless_basic.asp");
    }
    if (path == "/goform/APSecurity") {
        state_.ApplySecurity(form);
        return RedirectAfterForm(form, "wireless_security.asp");
    }
    return StatusPage(404, "Not Found");
}

HttpResponse RequestHandler::Page(std::string body) const
{
    HttpResponse response;
    response.body = std::move(body);
    return response;
}

HttpResponse RequestHandler::StatusPage(int status, const std::string& reason) const
{
    HttpResponse response = Page(pages_.ErrorPage(status, reason));
    response.status = status;
    response.reason = reason;
    return response;
}

HttpResponse RequestHandler::Unauthorized() const
{
    HttpResponse response = Page(pages_.UnauthorizedPage());
    response.status = 401;
    response.reason = "Unauthorized";
    response.extraHeaders.emplace_back("WWW-Authenticate", "Basic realm=\"Wireless Router\"");
    return response;
}

// The handlers answer as the firmware does: back to the page named by GO.
HttpResponse RequestHandler::RedirectAfterForm(const FormFields& form, const std::string& fallback) const
{
    const std::string target = form.Has("GO") ? form.Get("GO") : fallback;
    const bool safeTarget = target.find_first_of("\r\n") == std::string::npos;
    HttpResponse response = StatusPage(302, "Found");
    response.extraHeaders.emplace_back("Location", "/" + (safeTarget ? target : fallback));
    return response;
}

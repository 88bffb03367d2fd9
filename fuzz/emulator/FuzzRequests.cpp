// Requests as any client on the network may send them to the emulated
// router, cut into head and body as its sessions cut them: a parsed head
// must read back the same once written out again, and the handlers must
// answer whatever the forms hold without a line break inside a header.
#include "ManualClock.h"
#include "RequestHandler.h"
#include "RequestHeadParser.h"
#include "RouterState.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::string WriteHead(const HttpRequest& request)
{
    std::string head = request.method + ' ' + request.target + ' ' + request.version + "\r\n";
    for (const auto& [name, value] : request.headers) {
        head += name + ": " + value + "\r\n";
    }
    return head + "\r\n";
}

bool SameHead(const HttpRequest& a, const HttpRequest& b)
{
    return a.method == b.method && a.target == b.target && a.version == b.version && a.headers == b.headers;
}

void CheckAnswer(const HttpResponse& answer)
{
    for (const auto& [name, value] : answer.extraHeaders) {
        if (value.find_first_of("\r\n") != std::string::npos) {
            std::abort();
        }
    }
    (void)answer.Serialize();
}

// Takes the next request off the front of `rest`; nothing once no whole
// request is left.
std::optional<HttpRequest> TakeRequest(std::string_view& rest)
{
    const std::size_t headEnd = rest.find("\r\n\r\n");
    const std::string_view head = rest.substr(0, headEnd == std::string_view::npos ? rest.size() : headEnd + 4);
    std::optional<HttpRequest> request = RequestHeadParser::Parse(head);
    if (!request) {
        return std::nullopt;
    }
    if (headEnd == std::string_view::npos) {
        std::abort(); // a head is closed by an empty line
    }
    const std::optional<HttpRequest> again = RequestHeadParser::Parse(WriteHead(*request));
    if (!again || !SameHead(*again, *request)) {
        std::abort();
    }
    const std::optional<std::size_t> bodySize = RequestHeadParser::ContentLength(*request);
    if (!bodySize) {
        return std::nullopt;
    }
    rest.remove_prefix(head.size());
    request->body = rest.substr(0, *bodySize);
    rest.remove_prefix(request->body.size());
    return request;
}

} // namespace

// Several requests in a row, as several connections would send them, so
// that the pages show what earlier forms set.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const EmulatorConfig config;
    ManualClock clock;
    RouterState state(config, clock.AsClock());
    const RequestHandler handler(config, state);
    while (const std::optional<HttpRequest> request = TakeRequest(rest)) {
        CheckAnswer(handler.Handle(*request));
    }
    return 0;
}

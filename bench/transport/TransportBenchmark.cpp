// One login check over loopback, a fresh connection each time, against a
// plain page server: the library, libcurl with a fresh easy handle, and a
// bare socket doing only the system calls, printed as ratios of one run.
#include "CCorvanelibObject.h"
#include "CRouterHttpClient.h"
#include "PlainPageServer.h"
#include "RatioReporter.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdio>
#include <string>

namespace {

PlainPageServer& Server()
{
    static PlainPageServer server;
    return server;
}

RouterEndpoint Endpoint()
{
    return RouterEndpoint{"127.0.0.1", Server().Port(), "admin", "qzmvx"};
}

void LibraryCheckLogin(benchmark::State& state)
{
    CCorvanelibObject router;
    for (auto _ : state) {
        if (router.CheckLogin(Endpoint()) != 1) {
            state.SkipWithError("no answer");
            break;
        }
    }
}

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* target)
{
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

curl_slist* LibraryHeaderLines()
{
    const char* lines[] = {
        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
        "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, application/x-silverlight, */*",
        "Accept-Language: zh-cn", "UA-CPU: x86", "If-Modified-Since: 100", "Accept-Encoding: gzip, deflate",
        "User-Agent: Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727)",
        "Connection: Keep-Alive"};
    curl_slist* list = nullptr;
    for (const char* line : lines) {
        list = curl_slist_append(list, line);
    }
    return list;
}

// The same request through a new easy handle each time, the login check's test included.
void CurlFreshHandle(benchmark::State& state)
{
    curl_slist* headers = LibraryHeaderLines();
    const std::string url = "http://127.0.0.1:" + std::to_string(Server().Port()) + "/main.html";
    std::string body;
    for (auto _ : state) {
        CURL* curl = curl_easy_init();
        body.clear();
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        curl_easy_setopt(curl, CURLOPT_USERPWD, "admin:qzmvx");
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
        curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
        const CURLcode result = curl_easy_perform(curl);
        curl_easy_cleanup(curl);
        if (result != CURLE_OK) {
            state.SkipWithError("no answer");
            break;
        }
        benchmark::DoNotOptimize(body.find("HTTP/1.1 401 Unauthorized"));
    }
    curl_slist_free_all(headers);
}

// The floor: connect, send the library's request, read until the server closes.
void RawSocket(benchmark::State& state)
{
    const std::string request = CRouterHttpClient::BuildRequestMessage(Endpoint(), "/main.html", "");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(Server().Port());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    char buffer[16384];
    for (auto _ : state) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size())) {
            ::close(fd);
            state.SkipWithError("no answer");
            break;
        }
        std::size_t total = 0;
        for (ssize_t got = 0; (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0;) {
            total += static_cast<std::size_t>(got);
        }
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}

BENCHMARK(LibraryCheckLogin)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(CurlFreshHandle)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(RawSocket)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);
    Server();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    curl_global_cleanup();
    const double library = reporter.NanosecondsOf("LibraryCheckLogin");
    const double curl = reporter.NanosecondsOf("CurlFreshHandle");
    const double raw = reporter.NanosecondsOf("RawSocket");
    if (library > 0 && curl > 0 && raw > 0) {
        std::printf("CheckLogin %.1f us, libcurl fresh handle %.1f us, raw socket %.1f us\n", library / 1000,
                    curl / 1000, raw / 1000);
        std::printf("CheckLogin / libcurl %.2f (target at most 0.80)\n", library / curl);
        std::printf("CheckLogin / raw socket %.2f (target at most 1.80)\n", library / raw);
    }
    return 0;
}

#include "CCorvanelibObject.h"
#include "RatioReporter.h"
#include "RouterEmulator.h"
#include "RouterPageParsers.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdio>
#include <string>

namespace {

RouterEmulator& Emulator()
{
    static RouterEmulator emulator;
    return emulator;
}

RouterEndpoint Endpoint()
{
    return RouterEndpoint{"127.0.0.1", Emulator().Port(), "admin", "qzmvx"};
}

// The library: one GET of the status page and the five patterns over it.
void LibraryStatusRead(benchmark::State& state)
{
    CCorvanelibObject router;
    for (auto _ : state) {
        if (router.ReadWanStatus(Endpoint()) != 1) {
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

// The baseline: the same request through a plain libcurl easy handle, same parsing.
void CurlStatusRead(benchmark::State& state)
{
    CURL* curl = curl_easy_init();
    curl_slist* headers = LibraryHeaderLines();
    const std::string url = "http://127.0.0.1:" + std::to_string(Emulator().Port()) + "/system_status.asp";
    std::string body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
    curl_easy_setopt(curl, CURLOPT_USERPWD, "admin:qzmvx");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    WanStatusInfo status;
    for (auto _ : state) {
        body.clear();
        if (curl_easy_perform(curl) != CURLE_OK) {
            state.SkipWithError("no answer");
            break;
        }
        RouterPageParsers::ReadWanStatus(body.substr(0, 8192), status);
        benchmark::DoNotOptimize(status);
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
}

BENCHMARK(LibraryStatusRead)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(CurlStatusRead)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);
    Emulator().Start();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Emulator().Stop();
    curl_global_cleanup();
    const double library = reporter.NanosecondsOf("LibraryStatusRead");
    const double curl = reporter.NanosecondsOf("CurlStatusRead");
    if (library > 0 && curl > 0) {
        std::printf("library %.1f us, libcurl %.1f us, ratio %.2f (target at most 1.20)\n", library / 1000,
                    curl / 1000, library / curl);
    }
    return 0;
}

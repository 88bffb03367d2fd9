// The library loaded and closed the way Setup does it, after a router name
// whose lookup outlived the exchange: the lookup's thread must be able to
// return through the library's code once the program has closed it.
#include "CDLLObject.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <netdb.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string_view>

namespace {

constexpr std::string_view kStalledName = "stalled.invalid";

// The resolver as seen for kStalledName: silent until released.
struct StalledResolver {
    std::mutex mutex;
    std::condition_variable changed;
    bool released = false;
    bool threadEnded = false;
};

StalledResolver resolver;

// Lives on the lookup's thread; its end comes after that thread has left the library's code.
struct ThreadEndNotice {
    ~ThreadEndNotice()
    {
        const std::lock_guard lock(resolver.mutex);
        resolver.threadEnded = true;
        resolver.changed.notify_all();
    }
};

using LookupFunction = int (*)(const char*, const char*, const addrinfo*, addrinfo**);

} // namespace

// The test program exports this, so the loaded library calls it instead of the system's.
extern "C" __attribute__((visibility("default"))) int getaddrinfo(const char* name, const char* service, const addrinfo* hints, addrinfo** result)
{
    if (name == nullptr || name != kStalledName) {
        static const auto system = reinterpret_cast<LookupFunction>(dlsym(RTLD_NEXT, "getaddrinfo"));
        return system(name, service, hints, result);
    }
    thread_local ThreadEndNotice notice;
    std::unique_lock lock(resolver.mutex);
    resolver.changed.wait(lock, [] { return resolver.released; });
    return EAI_NONAME;
}

namespace {

// Exits 0 when the exchange failed as it should and the lookup's thread
// ended after the library was closed; a crash ends it by a signal.
[[noreturn]] void CloseTheLibraryWhileALookupRuns()
{
    void* library = dlopen(CORVANELIB_PATH, RTLD_NOW | RTLD_LOCAL);
    const auto load = reinterpret_cast<LoadObjFunction>(library ? dlsym(library, "LoadObj") : nullptr);
    const auto free = reinterpret_cast<FreeObjFunction>(library ? dlsym(library, "FreeObj") : nullptr);
    CDLLObject* router = nullptr;
    if (load == nullptr || free == nullptr || load(&router) != 1) {
        std::_Exit(2);
    }
    // Gives up at the library's connect limit, leaving the lookup behind.
    const int login = router->CheckLogin(RouterEndpoint{std::string(kStalledName), 80, "admin", "admin"});
    free(router);
    dlclose(library);
    std::unique_lock lock(resolver.mutex);
    resolver.released = true;
    resolver.changed.notify_all();
    const bool ended = resolver.changed.wait_for(lock, std::chrono::seconds(10), [] { return resolver.threadEnded; });
    std::exit(login == -1 && ended ? 0 : 3);
}

TEST(RouterLibraryUnload, ALookupAnsweringAfterTheLibraryIsClosedEndsQuietly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CloseTheLibraryWhileALookupRuns(), testing::ExitedWithCode(0), "");
}

} // namespace

#include "NoDisplayExit.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

// A message handler is a plain function, so its state is file-wide; only the
// start-up on the main thread installs it, but the start-up's worker threads
// may report through it meanwhile.
std::function<void()> beforeExit;
std::mutex heldLock;
std::vector<HeldMessage> heldMessages;

void HoldOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        const std::lock_guard lock(heldLock);
        heldMessages.push_back({type, text});
        return;
    }
    if (beforeExit)
        beforeExit();
    std::fputs("Setup: no graphical display found; start Setup from a desktop session.\n", stderr);
    std::fflush(stderr);
    // Qt is half built here; nothing after this point may run.
    std::_Exit(kNoDisplayExitCode);
}

} // namespace

NoDisplayExit::NoDisplayExit(std::function<void()> onExit)
{
    beforeExit = std::move(onExit);
    {
        const std::lock_guard lock(heldLock);
        heldMessages.clear();
    }
    previous_ = qInstallMessageHandler(HoldOrEnd);
}

NoDisplayExit::~NoDisplayExit()
{
    qInstallMessageHandler(previous_);
    beforeExit = nullptr;
    const QMessageLogContext context;
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(heldLock);
        held = std::exchange(heldMessages, {});
    }
    for (const HeldMessage& message : held) {
        if (previous_)
            previous_(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
}

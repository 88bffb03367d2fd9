#include "NoDisplayExit.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

// A message handler is a plain function, so its state is file-wide; only the
// start-up on the main thread installs it.
std::function<void()> beforeExit;
std::vector<HeldMessage> heldMessages;

void HoldOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
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
    heldMessages.clear();
    previous_ = qInstallMessageHandler(HoldOrEnd);
}

NoDisplayExit::~NoDisplayExit()
{
    qInstallMessageHandler(previous_);
    beforeExit = nullptr;
    const QMessageLogContext context;
    for (const HeldMessage& message : std::exchange(heldMessages, {})) {
        if (previous_)
            previous_(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
}

#include "NoDisplayExit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

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
// start-up on the main thread installs it, but Qt's own threads (the X11
// event reader, the accessibility bus) may report through it meanwhile.
std::function<void()> beforeExit;
std::mutex heldLock;
std::vector<HeldMessage> heldMessages;

// The socket a Wayland client connects to, as the Wayland library finds it.
bool WaylandDisplayIsThere()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = QDir::isAbsolutePath(name) ? name : runtime + u'/' + name;
    return (!runtime.isEmpty() || QDir::isAbsolutePath(name)) && QFileInfo(socket).exists();
}

bool X11DisplayIsThere()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

// A display the session offers, the platform plugin that draws on it and
// the Debian package that holds that plugin.
struct SessionDisplay {
    bool (*isThere)();
    const char* kind;
    const char* plugin;
    const char* package;
};

bool PlatformPluginInstalled(const QString& key)
{
    for (const QString& folder : QCoreApplication::libraryPaths()) {
        const QDir platforms(folder + QStringLiteral("/platforms"));
        for (const QString& file : platforms.entryList(QDir::Files)) {
            const QJsonObject meta = QPluginLoader(platforms.filePath(file)).metaData();
            if (meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray().contains(key))
                return true;
        }
    }
    return false;
}

QString MissingPluginLine()
{
    static const SessionDisplay displays[] = {
        {WaylandDisplayIsThere, "a Wayland", "wayland", "qt6-wayland"},
        {X11DisplayIsThere, "an X11", "xcb", "libqt6gui6"},
    };
    for (const SessionDisplay& display : displays) {
        if (display.isThere() && !PlatformPluginInstalled(QString::fromLatin1(display.plugin)))
            return QStringLiteral("Setup: %1 display is there, but the Qt platform plugin \"%2\" is missing; "
                                  "install the package %3.\n")
                .arg(QString::fromLatin1(display.kind), QString::fromLatin1(display.plugin),
                     QString::fromLatin1(display.package));
    }
    return {};
}

QString NoDisplayLine()
{
    const QString missing = MissingPluginLine();
    if (!missing.isEmpty())
        return missing;
    return QStringLiteral("Setup: no graphical display found; start Setup from a desktop session.\n");
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        const std::lock_guard lock(heldLock);
        heldMessages.push_back({type, text});
        return;
    }
    if (beforeExit)
        beforeExit();
    std::fputs(qPrintable(NoDisplayLine()), stderr);
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

// Setup started as a process where a display is there but Qt has no
// platform plugin for it: one line names the missing plugin and its package,
// and the code is 1. The program is copied beside a qt.conf whose plugin
// folder holds no platform plugin, as on a desktop installed without it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A listening socket where a compositor's would be; nothing answers on it.
class FakeCompositorSocket {
public:
    explicit FakeCompositorSocket(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
        listening_ = fd_ >= 0 && bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0
                     && listen(fd_, 1) == 0;
    }
    ~FakeCompositorSocket()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    FakeCompositorSocket(const FakeCompositorSocket&) = delete;
    FakeCompositorSocket& operator=(const FakeCompositorSocket&) = delete;
    bool Listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

using EnvironmentChanges = std::map<QString, QString>;

class MissingPlatformPlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch_.isValid());
        ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("qt/plugins/platforms")));
        ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("run")));
        QFile::setPermissions(RuntimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(QFile::copy(QStringLiteral(SETUP_PROGRAM), Program()));
        QFile conf(scratch_.filePath(QStringLiteral("qt.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("[Paths]\nPrefix=%1\nPlugins=plugins\n").arg(scratch_.filePath(QStringLiteral("qt"))).toUtf8());
    }

    QString Program() const { return scratch_.filePath(QStringLiteral("Setup")); }
    QString RuntimeFolder() const { return scratch_.filePath(QStringLiteral("run")); }

    // Ends within seconds: Qt gives up before any window is made.
    QString StandardErrorOf(const EnvironmentChanges& changes, int& exitCode) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), RuntimeFolder());
        for (const auto& [name, value] : changes)
            environment.insert(name, value);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(Program(), {});
        EXPECT_TRUE(process.waitForFinished(30000));
        exitCode = process.exitCode();
        return QString::fromLocal8Bit(process.readAllStandardError());
    }

    QTemporaryDir scratch_;
};

TEST_F(MissingPlatformPlugin, OneLineNamesThePluginTheSessionNeeds)
{
    // What the Wayland library connects to; nothing needs to answer on it.
    const FakeCompositorSocket compositor(RuntimeFolder() + QStringLiteral("/wayland-7"));
    ASSERT_TRUE(compositor.Listening());
    const struct {
        const char* session;
        EnvironmentChanges changes;
        QString line;
    } cases[] = {
        {"Wayland without XWayland",
         {{QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-7")},
          {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")}},
         QStringLiteral("Setup: a Wayland display is there, but the Qt platform plugin \"wayland\" is missing; "
                        "install the package qt6-wayland.\n")},
        {"X11",
         {{QStringLiteral("DISPLAY"), QStringLiteral(":0")}, {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")}},
         QStringLiteral("Setup: an X11 display is there, but the Qt platform plugin \"xcb\" is missing; "
                        "install the package libqt6gui6.\n")},
        // Without any display the plugins are not what is missing.
        {"none",
         {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")}},
         QStringLiteral("Setup: no graphical display found; start Setup from a desktop session.\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.session);
        int exitCode = -1;
        EXPECT_EQ(StandardErrorOf(c.changes, exitCode), c.line);
        EXPECT_EQ(exitCode, 1);
    }
}

} // namespace

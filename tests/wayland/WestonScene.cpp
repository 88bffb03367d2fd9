#include "WestonScene.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace {

QString Run(const QString& program, const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// A view of a window reads:
//   View 0 (role xdg_toplevel, PID 1, surface ID 7, top-level window 'Title' of app, 0x5...):
//           position: (93, 266) -> (766, 766)
std::vector<SceneWindow> ReadSceneWindows()
{
    static const QRegularExpression view(QStringLiteral("^\\s*View \\d+ \\(role xdg_toplevel, .*top-level window '(.*)' of "));
    static const QRegularExpression position(QStringLiteral("position: \\((-?\\d+), (-?\\d+)\\) -> \\((-?\\d+), (-?\\d+)\\)"));
    std::vector<SceneWindow> windows;
    bool inWindow = false;
    for (const QString& line : Run(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")}).split(u'\n')) {
        if (const QRegularExpressionMatch match = view.match(line); match.hasMatch()) {
            windows.push_back({match.captured(1), {}});
            inWindow = true;
            continue;
        }
        const QRegularExpressionMatch place = position.match(line);
        if (inWindow && place.hasMatch()) {
            windows.back().place = QRect(QPoint(place.captured(1).toInt(), place.captured(2).toInt()),
                                         QPoint(place.captured(3).toInt() - 1, place.captured(4).toInt() - 1));
            inWindow = false;
        }
    }
    return windows;
}

std::optional<StackedWindow> FindSceneWindow(const std::vector<SceneWindow>& scene, const QString& title)
{
    for (std::size_t i = 0; i < scene.size(); ++i) {
        if (scene[i].title == title)
            return StackedWindow{scene[i], static_cast<int>(i)};
    }
    return std::nullopt;
}

QStringList ProtocolRequests()
{
    QFile log(qEnvironmentVariable("WESTON_PROTOCOL_LOG"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList requests;
    for (const QString& line : QString::fromUtf8(log.readAll()).split(u'\n')) {
        if (line.contains(QStringLiteral(" rq ")))
            requests << line;
    }
    return requests;
}

// Requests read: [time][proto] client 0x5... rq xdg_toplevel@14.set_title("Title").
// Ids are reused once a window is gone, so each get_toplevel starts a record.
std::vector<ToplevelRecord> ToplevelsOf(const QStringList& requests)
{
    static const QRegularExpression made(QStringLiteral("client (\\S+) rq .*get_toplevel\\(new id xdg_toplevel@(\\d+)\\)"));
    static const QRegularExpression title(QStringLiteral("client (\\S+) rq xdg_toplevel@(\\d+)\\.set_title\\(\"(.*)\"\\)$"));
    static const QRegularExpression parent(
        QStringLiteral("client (\\S+) rq xdg_toplevel@(\\d+)\\.set_parent\\((?:xdg_toplevel@(\\d+)|nil)\\)$"));
    std::vector<ToplevelRecord> records;
    std::vector<int> parentOf;
    std::map<QString, int> current;
    const auto recordOf = [&current](const QRegularExpressionMatch& m, int idGroup) {
        const auto found = current.find(m.captured(1) + u'@' + m.captured(idGroup));
        return found == current.end() ? -1 : found->second;
    };
    for (const QString& request : requests) {
        if (const QRegularExpressionMatch m = made.match(request); m.hasMatch()) {
            current[m.captured(1) + u'@' + m.captured(2)] = static_cast<int>(records.size());
            records.push_back({});
            parentOf.push_back(-1);
        } else if (const QRegularExpressionMatch t = title.match(request); t.hasMatch()) {
            if (const int record = recordOf(t, 2); record >= 0)
                records[static_cast<std::size_t>(record)].title = t.captured(3);
        } else if (const QRegularExpressionMatch p = parent.match(request); p.hasMatch()) {
            if (const int record = recordOf(p, 2); record >= 0)
                parentOf[static_cast<std::size_t>(record)] = p.captured(3).isEmpty() ? -1 : recordOf(p, 3);
        }
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (parentOf[i] >= 0)
            records[i].parentTitle = records[static_cast<std::size_t>(parentOf[i])].title;
    }
    return records;
}

bool SaveScreenshot(const QString& path)
{
    QTemporaryDir folder;
    Run(QStringLiteral("weston-screenshooter"), {}, folder.path());
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
    if (shots.isEmpty())
        return false;
    QFile::remove(path);
    return QFile::copy(QDir(folder.path()).filePath(shots.first()), path);
}

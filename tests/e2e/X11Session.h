// A private virtual X display with the keystroke and screenshot tools that
// act on it. Everything it starts ends with it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

// Polls `condition` until it holds or `limit` has passed.
bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

class X11Session {
public:
    X11Session() = default;
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    // Empty when Xvfb and xdotool are there; else what is missing.
    static QString MissingTools();

    // Starts Xvfb on a display number it picks; false when none came up.
    bool Start();
    QString Display() const { return display_; }

    // xdotool with the display set; its standard output, empty on failure.
    QString XdoTool(const QStringList& arguments) const;
    // The visible windows of a process, newest last.
    QStringList WindowsOf(qint64 pid) const;
    bool FocusWindow(const QString& window) const;
    // "WIDTHxHEIGHT" of a window.
    QString WindowSize(const QString& window) const;
    void Keys(const QStringList& keys) const;
    void Type(const QString& text) const;
    // The whole screen as raw xwd bytes, to tell whether anything changed.
    QByteArray Capture() const;
    // Saves the whole screen to `directory`/`name`, as PNG when ImageMagick is there.
    void Screenshot(const QString& directory, const QString& name) const;

private:
    void StopServer();

    QString display_;
    std::unique_ptr<QProcess> server_;
};

// Notices the moment a process maps its first top-level window, from the
// display's own events: polling with another program would take the CPU
// from the program being measured.
#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <chrono>
#include <optional>

struct xcb_connection_t;

class WindowMapWatch {
public:
    // Watches the root window of `display`; it must exist before the program starts.
    explicit WindowMapWatch(const QString& display);
    ~WindowMapWatch();
    WindowMapWatch(const WindowMapWatch&) = delete;
    WindowMapWatch& operator=(const WindowMapWatch&) = delete;

    bool IsConnected() const { return connection_ != nullptr; }
    // When a window whose _NET_WM_PID is `pid` was mapped; nothing by the deadline.
    std::optional<std::chrono::steady_clock::time_point> WaitForMap(qint64 pid, const QDeadlineTimer& deadline);

private:
    bool BelongsTo(unsigned window, qint64 pid) const;

    xcb_connection_t* connection_ = nullptr;
    unsigned pidAtom_ = 0;
};

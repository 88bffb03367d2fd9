#include "WindowMapWatch.h"

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

} // namespace

WindowMapWatch::WindowMapWatch(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    const Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr));
    pidAtom_ = atom ? atom->atom : 0;
}

WindowMapWatch::~WindowMapWatch()
{
    if (connection_)
        xcb_disconnect(connection_);
}

bool WindowMapWatch::BelongsTo(unsigned window, qint64 pid) const
{
    const Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != 4)
        return false;
    std::uint32_t owner = 0;
    std::memcpy(&owner, xcb_get_property_value(property.get()), sizeof owner);
    return owner == pid;
}

std::optional<std::chrono::steady_clock::time_point> WindowMapWatch::WaitForMap(qint64 pid,
                                                                                const QDeadlineTimer& deadline)
{
    if (!connection_)
        return std::nullopt;
    pollfd watched{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (!deadline.hasExpired()) {
        while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
                continue;
            const auto mapped = std::chrono::steady_clock::now();
            if (BelongsTo(reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window, pid))
                return mapped;
        }
        if (xcb_connection_has_error(connection_))
            return std::nullopt;
        poll(&watched, 1, static_cast<int>(std::min<qint64>(deadline.remainingTime(), 100)));
    }
    return std::nullopt;
}

#include "WindowAlpha.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

#include <xcb/xcb.h>

namespace {

std::optional<bool> forcedAnswer;

// A compositing manager owns the selection _NET_WM_CM_S<screen number>.
bool X11CompositorRuns()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray name = QByteArrayLiteral("_NET_WM_CM_S0");
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return owned;
}

} // namespace

bool WindowAlphaAvailable()
{
    if (forcedAnswer)
        return *forcedAnswer;
    if (!qGuiApp)
        return false;
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QStringLiteral("wayland")))
        return true;
    return platform == QStringLiteral("xcb") && X11CompositorRuns();
}

void ForceWindowAlpha(std::optional<bool> answer)
{
    forcedAnswer = answer;
}

// What the compositor shows, read from weston's debug streams: the windows
// of its scene graph from the top of the stack down, the requests its
// clients made, and screenshots of its output.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct SceneWindow {
    QString title;
    QRect place; // in output coordinates
};

// The top-level windows, topmost first; empty when weston cannot be asked.
std::vector<SceneWindow> ReadSceneWindows();

// The window with this title, and how many windows lie above it.
struct StackedWindow {
    SceneWindow window;
    int depth = 0;
};
std::optional<StackedWindow> FindSceneWindow(const std::vector<SceneWindow>& scene, const QString& title);

// The lines the compositor logged for its clients' requests so far.
QStringList ProtocolRequests();

// Each xdg_toplevel the clients made, in order: its title and the title of
// the toplevel it was made a transient child of ("" for none).
struct ToplevelRecord {
    QString title;
    QString parentTitle;
};
std::vector<ToplevelRecord> ToplevelsOf(const QStringList& requests);

// Saves the compositor's output as a PNG file.
bool SaveScreenshot(const QString& path);

// The skins and pictures of the first screen, read on a worker thread while
// the program connects to the display and builds its windows, so that the
// first window need not wait for them. While a prefetch exists, dialogs take
// what it holds from it and read anything else themselves.
#pragma once

#include "ColorRef.h"
#include "PreparedSkin.h"

#include <QStringList>

#include <functional>
#include <future>
#include <thread>
#include <vector>

class SkinPrefetch {
public:
    // A path as dialogs name it; a skin is cut by the key colour, a picture only read.
    struct Read {
        QString path;
        bool isSkin = true;
    };

    // Reads in the order given, which should be the order the window asks
    // for them. `afterwards` runs on the same thread once all are read: one
    // worker leaves the other core to the program and the display server.
    SkinPrefetch(const std::vector<Read>& reads, ColorRef keyColor, std::function<void()> afterwards = {});
    // Waits for the worker to finish.
    ~SkinPrefetch();
    SkinPrefetch(const SkinPrefetch&) = delete;
    SkinPrefetch& operator=(const SkinPrefetch&) = delete;

    // The skin at the resolved path: from the prefetch when it holds it,
    // waiting until it is ready, else prepared now.
    static PreparedSkin Take(const QString& path, ColorRef keyColor);
    // The picture at a path as dialogs name it, as ReadSkinPicture reads it.
    static QImage TakePicture(const QString& path);

private:
    struct Entry {
        QString path;
        bool cut;
        std::shared_future<PreparedSkin> ready;
    };
    using Task = std::packaged_task<PreparedSkin()>;

    void Add(const Read& read, std::vector<Task>& tasks);
    // What the running prefetch holds for the path; invalid when nothing.
    static std::shared_future<PreparedSkin> Held(const QString& path, bool cut, ColorRef keyColor);
    const Entry* Find(const QString& path, bool cut, ColorRef keyColor) const;

    ColorRef keyColor_;
    std::vector<Entry> entries_;
    std::thread worker_;
};

// The skins of the first screen, prepared on a worker thread while the
// program connects to the display and builds its windows, so that the first
// window need not wait for them. While a prefetch exists, dialogs take their
// skin from it; skins it does not hold they prepare themselves.
#pragma once

#include "ColorRef.h"
#include "PreparedSkin.h"

#include <QStringList>

#include <future>
#include <thread>
#include <vector>

class SkinPrefetch {
public:
    // Paths as dialogs name them; they are resolved here.
    SkinPrefetch(const QStringList& paths, ColorRef keyColor);
    // Waits for the worker to finish.
    ~SkinPrefetch();
    SkinPrefetch(const SkinPrefetch&) = delete;
    SkinPrefetch& operator=(const SkinPrefetch&) = delete;

    // The skin at the resolved path: from the prefetch when it holds it,
    // waiting until it is ready, else prepared now.
    static PreparedSkin Take(const QString& path, ColorRef keyColor);

private:
    struct Entry {
        QString path;
        std::shared_future<PreparedSkin> ready;
    };

    // The entry's skin, or nothing when this prefetch does not hold it.
    const Entry* Find(const QString& path, ColorRef keyColor) const;

    ColorRef keyColor_;
    std::vector<Entry> entries_;
    std::thread worker_;
};

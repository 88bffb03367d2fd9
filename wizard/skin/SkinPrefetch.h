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
#include <mutex>
#include <thread>
#include <vector>

class SkinPrefetch {
public:
    // A path as dialogs name it; a skin is cut by the key colour, a picture only read.
    struct Read {
        QString path;
        bool isSkin = true;
    };

    // Starts at once, before the application object need exist: what can be
    // read without Qt's picture readers is read straight away, in the order
    // given, which should be the order the window asks for them. The rest,
    // then `afterwards`, follow on the same thread once the application is
    // ready: one worker leaves the other core to the program and the display.
    SkinPrefetch(const std::vector<Read>& reads, ColorRef keyColor, std::function<void()> afterwards = {});
    // Waits for the worker; what it had not begun is not read.
    ~SkinPrefetch();
    SkinPrefetch(const SkinPrefetch&) = delete;
    SkinPrefetch& operator=(const SkinPrefetch&) = delete;

    // The application object exists, so Qt's picture readers may run. Taking
    // a picture says as much: only a running application asks for one.
    void ApplicationReady();

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
    struct Job {
        QString path;
        bool cut;
        std::promise<PreparedSkin> done;
    };

    static void Work(std::vector<Job> jobs, ColorRef keyColor, std::shared_future<bool> qtReaders,
                     const std::function<void()>& afterwards);
    void OpenQtReaders(bool open);
    // What the running prefetch holds for the path; invalid when nothing.
    static std::shared_future<PreparedSkin> Held(const QString& path, bool cut, ColorRef keyColor);
    const Entry* Find(const QString& path, bool cut, ColorRef keyColor) const;

    ColorRef keyColor_;
    std::vector<Entry> entries_;
    std::promise<bool> qtReaders_;
    std::once_flag qtReadersOpened_;
    std::thread worker_;
};

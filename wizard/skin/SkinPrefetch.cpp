#include "SkinPrefetch.h"

#include "ProgramFolder.h"

#include <mutex>

namespace {

std::mutex currentLock;
const SkinPrefetch* current = nullptr;

} // namespace

SkinPrefetch::SkinPrefetch(const QStringList& paths, ColorRef keyColor)
    : keyColor_(keyColor)
{
    std::vector<std::packaged_task<PreparedSkin()>> tasks;
    for (const QString& path : paths) {
        const QString resolved = ResolveProgramPath(path);
        tasks.emplace_back([resolved, keyColor] { return PrepareSkin(resolved, keyColor); });
        entries_.push_back({resolved, tasks.back().get_future().share()});
    }
    worker_ = std::thread([tasks = std::move(tasks)]() mutable {
        for (auto& task : tasks)
            task();
    });
    const std::lock_guard lock(currentLock);
    current = this;
}

SkinPrefetch::~SkinPrefetch()
{
    {
        const std::lock_guard lock(currentLock);
        if (current == this)
            current = nullptr;
    }
    worker_.join();
}

const SkinPrefetch::Entry* SkinPrefetch::Find(const QString& path, ColorRef keyColor) const
{
    if (keyColor != keyColor_)
        return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.path == path)
            return &entry;
    }
    return nullptr;
}

PreparedSkin SkinPrefetch::Take(const QString& path, ColorRef keyColor)
{
    std::shared_future<PreparedSkin> ready;
    {
        const std::lock_guard lock(currentLock);
        if (const Entry* entry = current ? current->Find(path, keyColor) : nullptr)
            ready = entry->ready;
    }
    return ready.valid() ? ready.get() : PrepareSkin(path, keyColor);
}

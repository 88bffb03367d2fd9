#include "SkinPrefetch.h"

#include "ProgramFolder.h"
#include "SkinPicture.h"

#include <mutex>

namespace {

std::mutex currentLock;
const SkinPrefetch* current = nullptr;

} // namespace

SkinPrefetch::SkinPrefetch(const std::vector<Read>& reads, ColorRef keyColor, std::function<void()> afterwards)
    : keyColor_(keyColor)
{
    std::vector<Task> tasks;
    for (const Read& read : reads)
        Add(read, tasks);
    worker_ = std::thread([tasks = std::move(tasks), afterwards = std::move(afterwards)]() mutable {
        for (auto& task : tasks)
            task();
        if (afterwards)
            afterwards();
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

void SkinPrefetch::Add(const Read& read, std::vector<Task>& tasks)
{
    const QString resolved = ResolveProgramPath(read.path);
    if (read.isSkin)
        tasks.emplace_back([resolved, key = keyColor_] { return PrepareSkin(resolved, key); });
    else
        tasks.emplace_back([resolved] { return PreparedSkin{ReadSkinPicture(resolved), {}, {}}; });
    entries_.push_back({resolved, read.isSkin, tasks.back().get_future().share()});
}

const SkinPrefetch::Entry* SkinPrefetch::Find(const QString& path, bool cut, ColorRef keyColor) const
{
    if (cut && keyColor != keyColor_)
        return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.path == path && entry.cut == cut)
            return &entry;
    }
    return nullptr;
}

std::shared_future<PreparedSkin> SkinPrefetch::Held(const QString& path, bool cut, ColorRef keyColor)
{
    const std::lock_guard lock(currentLock);
    const Entry* entry = current ? current->Find(path, cut, keyColor) : nullptr;
    return entry ? entry->ready : std::shared_future<PreparedSkin>();
}

PreparedSkin SkinPrefetch::Take(const QString& path, ColorRef keyColor)
{
    const std::shared_future<PreparedSkin> ready = Held(path, true, keyColor);
    return ready.valid() ? ready.get() : PrepareSkin(path, keyColor);
}

QImage SkinPrefetch::TakePicture(const QString& path)
{
    const QString resolved = ResolveProgramPath(path);
    const std::shared_future<PreparedSkin> ready = Held(resolved, false, 0);
    return ready.valid() ? ready.get().plain : ReadSkinPicture(resolved);
}

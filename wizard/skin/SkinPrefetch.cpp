#include "SkinPrefetch.h"

#include "ProgramFolder.h"
#include "SkinPicture.h"

#include <optional>

namespace {

std::mutex currentLock;
SkinPrefetch* current = nullptr;

} // namespace

SkinPrefetch::SkinPrefetch(const std::vector<Read>& reads, ColorRef keyColor, std::function<void()> afterwards)
    : keyColor_(keyColor)
{
    std::vector<Job> jobs;
    for (const Read& read : reads) {
        jobs.push_back({ResolveProgramPath(read.path), read.isSkin, {}});
        entries_.push_back({jobs.back().path, read.isSkin, jobs.back().done.get_future().share()});
    }
    worker_ = std::thread(Work, std::move(jobs), keyColor, qtReaders_.get_future().share(), std::move(afterwards));
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
    OpenQtReaders(false);
    worker_.join();
}

void SkinPrefetch::Work(std::vector<Job> jobs, ColorRef keyColor, std::shared_future<bool> qtReaders,
                        const std::function<void()>& afterwards)
{
    std::vector<Job*> later;
    for (Job& job : jobs) {
        std::optional<QImage> picture = ReadSkinPictureWithoutPlugins(job.path);
        if (!picture)
            later.push_back(&job);
        else if (job.cut)
            job.done.set_value(CutSkin(*std::move(picture), keyColor));
        else
            job.done.set_value({*std::move(picture), {}});
    }
    const bool readersOpen = qtReaders.get();
    for (Job* job : later) {
        if (!readersOpen)
            job->done.set_value({});
        else if (job->cut)
            job->done.set_value(PrepareSkin(job->path, keyColor));
        else
            job->done.set_value({ReadSkinPicture(job->path), {}});
    }
    if (readersOpen && afterwards)
        afterwards();
}

void SkinPrefetch::ApplicationReady()
{
    OpenQtReaders(true);
}

void SkinPrefetch::OpenQtReaders(bool open)
{
    std::call_once(qtReadersOpened_, [this, open] { qtReaders_.set_value(open); });
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
    if (!current)
        return {};
    current->ApplicationReady();
    const Entry* entry = current->Find(path, cut, keyColor);
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
    return ready.valid() ? ready.get().picture : ReadSkinPicture(resolved);
}

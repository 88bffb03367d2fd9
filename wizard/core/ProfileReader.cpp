#include "ProfileReader.h"

#include "ProfileFile.h"

#include <QFile>

#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace {

struct FileStamp {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    std::int64_t size = -1;
    bool operator==(const FileStamp&) const = default;
};

// One stat call: these files are read for every caption.
std::optional<FileStamp> StampOf(const QString& path)
{
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size};
}

struct CachedProfile {
    FileStamp stamp;
    std::shared_ptr<const ProfileFile> file;
};

// Every caption reads a text, so parsed files are kept until they change on disk.
class ProfileCache {
public:
    std::shared_ptr<const ProfileFile> Get(const QString& path)
    {
        const auto stamp = StampOf(path);
        if (!stamp)
            return nullptr;

        std::lock_guard lock(mutex_);
        CachedProfile& entry = entries_[path];
        if (!entry.file || entry.stamp != *stamp) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return nullptr;
            entry = {*stamp, std::make_shared<const ProfileFile>(ProfileFile::Parse(file.readAll()))};
        }
        return entry.file;
    }

private:
    std::mutex mutex_;
    std::map<QString, CachedProfile> entries_;
};

ProfileCache& Cache()
{
    static ProfileCache cache;
    return cache;
}

} // namespace

QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultValue, int room)
{
    if (room <= 0)
        return {};
    QString value = defaultValue;
    if (const auto profile = Cache().Get(file)) {
        if (auto found = profile->Find(section, key))
            value = std::move(*found);
    }
    return value.left(room - 1);
}

#include "ProfileReader.h"

#include "ProfileFile.h"

#include <QFile>

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

namespace {

struct CachedProfile {
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;
    std::shared_ptr<const ProfileFile> file;
};

// Every caption reads a text, so parsed files are kept until they change on disk.
class ProfileCache {
public:
    std::shared_ptr<const ProfileFile> Get(const QString& path)
    {
        std::error_code error;
        const std::filesystem::path fsPath = path.toStdString();
        const auto modified = std::filesystem::last_write_time(fsPath, error);
        if (error)
            return nullptr;
        const auto size = std::filesystem::file_size(fsPath, error);
        if (error)
            return nullptr;

        std::lock_guard lock(mutex_);
        CachedProfile& entry = entries_[path];
        if (!entry.file || entry.modified != modified || entry.size != size) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return nullptr;
            entry = {modified, size, std::make_shared<const ProfileFile>(ProfileFile::Parse(file.readAll()))};
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

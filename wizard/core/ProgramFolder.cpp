#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>

namespace {

std::mutex folderMutex;
std::optional<QString> keptFolder;

// Every caption resolves its language file, so found paths are kept while
// they still exist.
std::mutex resolvedMutex;
std::map<QString, QString> resolvedPaths;

QString WithFinalSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString ExecutableFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return QDir::currentPath();
    return QString::fromStdString(exe.parent_path().string());
}

QString NormaliseSeparators(QString name)
{
    name.replace(u'\\', u'/');
    while (name.contains(QStringLiteral("//")))
        name.replace(QStringLiteral("//"), QStringLiteral("/"));
    return name;
}

// The entry of `folder` whose name equals `component`, preferring the exact
// spelling; empty when there is none.
QString FindEntry(const QString& folder, const QString& component)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (dir.exists(component))
        return component;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString GetProgramFolder()
{
    std::lock_guard lock(folderMutex);
    if (!keptFolder)
        keptFolder = WithFinalSlash(ExecutableFolder());
    return *keptFolder;
}

void SetProgramFolder(const QString& folder)
{
    std::lock_guard lock(folderMutex);
    keptFolder = WithFinalSlash(folder);
}

namespace {

QString ResolveComponents(const QString& normalised)
{
    const bool absolute = normalised.startsWith(u'/');
    const QStringList components = normalised.split(u'/', Qt::SkipEmptyParts);

    QString resolved = absolute ? QStringLiteral("/") : QString();
    bool found = true;
    for (qsizetype i = 0; i < components.size(); ++i) {
        QString component = components[i];
        if (found && component != u'.' && component != QStringLiteral("..")) {
            const QString entry = FindEntry(resolved, component);
            found = !entry.isEmpty();
            if (found)
                component = entry;
        }
        resolved += component;
        if (i + 1 < components.size() || normalised.endsWith(u'/'))
            resolved += u'/';
    }
    return resolved;
}

} // namespace

QString ResolveProgramPath(const QString& name)
{
    const QString normalised = NormaliseSeparators(name);
    {
        std::lock_guard lock(resolvedMutex);
        const auto kept = resolvedPaths.find(normalised);
        if (kept != resolvedPaths.end() && QFileInfo::exists(kept->second))
            return kept->second;
    }
    const QString resolved = ResolveComponents(normalised);
    if (QFileInfo::exists(resolved)) {
        std::lock_guard lock(resolvedMutex);
        resolvedPaths[normalised] = resolved;
    }
    return resolved;
}

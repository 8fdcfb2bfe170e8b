#include "RecentProjects.h"

#include "platform/ProfileFile.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("RECENTS");

QString key(int place)
{
    return QStringLiteral("Fichier%1").arg(place);
}

} // namespace

void RecentProjects::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > Capacity)
        m_files.removeLast();
}

bool RecentProjects::remove(const QString &path)
{
    return m_files.removeAll(path) > 0;
}

void RecentProjects::read(const ProfileFile &file)
{
    m_files.clear();
    for (int place = 1; place <= Capacity; ++place) {
        const QString path = file.readString(Section, key(place));
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void RecentProjects::write(ProfileFile &file) const
{
    if (m_files.isEmpty() && !file.sections().contains(Section, Qt::CaseInsensitive))
        return;
    int place = 1;
    for (const QString &path : m_files) {
        if (path.size() <= ProfileFile::MaxValueLength)
            file.writeString(Section, key(place++), path);
    }
    for (; place <= Capacity; ++place)
        file.writeString(Section, key(place), QString());
}

void RecentProjects::load(const QString &path)
{
    read(ProfileFile(path));
}

bool RecentProjects::save(const QString &path) const
{
    ProfileFile file;
    if (!file.load(path) && file.loadError() != GuardedFile::Error::Missing)
        return false;
    write(file);
    return file.save();
}

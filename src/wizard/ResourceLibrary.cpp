#include "ResourceLibrary.h"

#include "platform/AppPaths.h"
#include "platform/PictureReader.h"

#include <QDir>
#include <QFileInfo>

namespace ResourceLibrary {

namespace {

// Keys of the branches whose pictures are ornaments: a letter, a corner.
constexpr const char *Letters = "D1";
constexpr const char *Corners = "D2";

// The text of a file's entry: its name less the last dot and what follows
// ("Aquarelle.jpg" gives "Aquarelle"; a name without extension stays whole).
QString entryText(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

} // namespace

QList<Branch> list(const QString &appDir)
{
    struct Folder {
        const char *key;
        const char *text;
        const char *relative;
    };
    static constexpr Folder Folders[] = {
        {Letters, "Alphabets", "\\Images\\Alphabets\\"},
        {Corners, "Angles", "\\Images\\Angles\\"},
        {Backgrounds, "Images de fond", "\\Images\\Images de fond\\"},
    };

    QList<Branch> branches;
    for (const Folder &folder : Folders) {
        Branch branch;
        branch.key = QString::fromLatin1(folder.key);
        branch.text = QString::fromUtf8(folder.text);
        branch.folder = AppPaths::join(appDir, QString::fromLatin1(folder.relative));
        // Sub-folders, devices, pipes and anything that does not start like
        // a picture are left out.
        const QFileInfoList files = QDir(branch.folder).entryInfoList(
            QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
        for (const QFileInfo &file : files) {
            const QString path = file.absoluteFilePath();
            if (PictureReader::canRead(path))
                branch.entries.append({path, entryText(file.fileName())});
        }
        branches.append(branch);
    }
    return branches;
}

} // namespace ResourceLibrary

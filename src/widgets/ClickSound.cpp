#include "ClickSound.h"

#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Sound effects are loaded once per file and started again on each play;
// playing never blocks, and without an audio device it simply stays silent.
class EffectPlayer : public QObject, public SoundPlayer {
public:
    using QObject::QObject;

    void play(const QString &file) override
    {
        if (file.isEmpty() || !QFileInfo(file).isFile())
            return;
        QSoundEffect *&effect = m_effects[file];
        if (!effect) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(file));
        }
        effect->play();
    }

private:
    QHash<QString, QSoundEffect *> m_effects;
};

QString &folderSetting()
{
    static QString folder;
    return folder;
}

// The folder relative sound names are read from.
QString soundFolder()
{
    const QString &set = folderSetting();
    return set.isEmpty() ? QCoreApplication::applicationDirPath() : set;
}

} // namespace

namespace ClickSound {

SoundPlayer &player()
{
    static QPointer<EffectPlayer> shared;
    if (!shared)
        shared = new EffectPlayer(QCoreApplication::instance());
    return *shared;
}

void setFolder(const QString &folder)
{
    folderSetting() = folder;
}

QString resolve(const QString &file)
{
    if (file.trimmed().isEmpty())
        return {};
    QString path = file;
    path.replace(u'\\', u'/');
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    return QDir::cleanPath(AppPaths::join(soundFolder(), path));
}

} // namespace ClickSound

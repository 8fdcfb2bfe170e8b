#include "CommandLine.h"

#include "document/CardProject.h"
#include "document/ProjectCodes.h"
#include "document/PlaceholderPicture.h"

#include <cstdio>

namespace CommandLine {

bool isOption(const QString &arg, const QString &name)
{
    return arg == name || arg.startsWith(name + u'=');
}

bool optionValue(const QStringList &args, int &i, const QString &name, QString &value)
{
    const QString &arg = args.at(i);
    if (arg.startsWith(name + u'=')) {
        value = arg.mid(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size())
        return false;
    value = args.at(++i);
    return true;
}

bool loadProject(const QString &path, CardData &card, QString &error)
{
    QList<int> unreadableCodes;
    const CardProject::LoadResult result = CardProject::load(path, card, PlaceholderPicture::make(), &unreadableCodes);
    if (!unreadableCodes.isEmpty())
        warn(ProjectCodes::unreadableMessage(unreadableCodes));
    switch (result) {
    case CardProject::LoadResult::Loaded:
        return true;
    case CardProject::LoadResult::Incomplete:
        std::fprintf(stderr, "%s\n",
                     (QStringLiteral("Le fichier \"") + path
                      + QStringLiteral("\" contient plus de labels ou de logos qu'une carte ne peut en garder : "
                                       "seuls les %1 premiers de chaque sorte sont utilisés.")
                            .arg(ProjectFile::MaxItems))
                         .toUtf8()
                         .constData());
        return true;
    case CardProject::LoadResult::Unreadable:
        error = QStringLiteral("Le fichier \"") + path + QStringLiteral("\" ne peut pas être ouvert.");
        return false;
    case CardProject::LoadResult::NoProject:
        break;
    }
    error = QStringLiteral("Le fichier \"") + path + QStringLiteral("\" ne contient pas de projet.");
    return false;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
}

void warn(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

bool readMergeOption(const QStringList &args, int &i, MergeRequest &merge, QString &error)
{
    const QString mergeOption = QStringLiteral("--merge");
    const QString copiesOption = QStringLiteral("--copies");
    QString value;
    if (isOption(args.at(i), mergeOption)) {
        if (!optionValue(args, i, mergeOption, value) || value.isEmpty())
            error = QStringLiteral("L'option --merge demande le fichier de la liste (CSV ou vCard).");
        merge.list = value;
        return true;
    }
    if (isOption(args.at(i), copiesOption)) {
        bool ok = false;
        const int copies = optionValue(args, i, copiesOption, value) ? value.toInt(&ok) : 0;
        if (!ok || copies < 1 || copies > 1000)
            error = QStringLiteral("Le nombre d'exemplaires (--copies) doit être un nombre entier de 1 à 1000.");
        merge.copies = copies;
        return true;
    }
    return false;
}

} // namespace CommandLine

#include "StartOptions.h"

#include "AppVersion.h"

namespace StartOptions {

namespace {

const QString OptionsEnd = QStringLiteral("--");
const QString AppDirOption = QStringLiteral("--app-dir");

// The forms and options of the command, as the manual page gives them.
const char UsageText[] =
    "Utilisation :\n"
    "  brivadune [--app-dir DOSSIER] [FICHIER.prj ...]\n"
    "      démarre le programme et ouvre les projets nommés\n"
    "  brivadune [--app-dir DOSSIER] --export SORTIE [--dpi N] FICHIER.prj\n"
    "      écrit la carte en image BMP ou PNG (selon l'extension de SORTIE)\n"
    "  brivadune [--app-dir DOSSIER] --print-pdf SORTIE.pdf [--format NOM]\n"
    "            [--sheets N] [--quality Q] [--no-cut-marks] FICHIER.prj\n"
    "      écrit l'impression dans un fichier PDF\n"
    "  brivadune [--app-dir DOSSIER] --print [--printer NOM] [--format NOM]\n"
    "            [--sheets N] [--quality Q] [--no-cut-marks] FICHIER.prj\n"
    "      envoie l'impression à CUPS (à l'imprimante par défaut sans --printer)\n"
    "  brivadune [--app-dir DOSSIER] --print-pdf SORTIE.pdf | --print\n"
    "            --merge LISTE [--copies N] [options] FICHIER.prj\n"
    "      imprime une carte par fiche de LISTE (CSV ou vCard), N exemplaires\n"
    "      de chacune ; --sheets est ignoré\n"
    "  brivadune [--app-dir DOSSIER] --export SORTIE --merge LISTE [--dpi N]\n"
    "            FICHIER.prj\n"
    "      écrit une image par fiche (carte.png donne carte-001.png, ...)\n"
    "\n"
    "Options :\n"
    "  --app-dir DOSSIER  le dossier de l'application (projets, images,\n"
    "                     formats.ini, Brivadune.ini)\n"
    "  --dpi N            la résolution de l'image, de 72 à 1200 points par pouce\n"
    "                     (par défaut celle de l'écran)\n"
    "  --format NOM       le format de planche de formats.ini (par défaut le premier)\n"
    "  --sheets N         le nombre de planches (1 par défaut)\n"
    "  --quality Q        brouillon, basse, normale (par défaut) ou haute\n"
    "  --no-cut-marks     sans les marques de pliage et de découpe\n"
    "  --printer NOM      l'imprimante CUPS\n"
    "  --merge LISTE      la liste (CSV ou vCard) qui remplit les champs {Nom}\n"
    "  --copies N         les exemplaires de chaque carte, de 1 à 1000\n"
    "  --report-startup   affiche le temps de démarrage et la mémoire, puis termine\n"
    "  -h, --help         affiche cette aide et termine\n"
    "  --version          affiche la version et termine\n"
    "\n"
    "Les formes --export, --print-pdf et --print n'ouvrent aucune fenêtre et\n"
    "fonctionnent sans affichage ; elles terminent avec le code 0 une fois le\n"
    "travail fait, sinon avec le code 1 et un message sur la sortie d'erreur.\n"
    "\n"
    "Environnement :\n"
    "  BRIVADUNE_HOME=DOSSIER   le dossier de l'application sans --app-dir\n"
    "  BRIVADUNE_AUTO_ANSWER=1  les messages ne s'affichent pas : leur texte va\n"
    "                           sur la sortie d'erreur, le bouton par défaut répond\n"
    "\n"
    "Voir aussi : man brivadune, et l'aide du programme (touche F1).";

// The arguments up to the end of the options.
QStringList optionPart(const QStringList &args)
{
    const qsizetype end = args.indexOf(OptionsEnd);
    return end < 0 ? args : args.first(end);
}

} // namespace

Request request(const QStringList &args)
{
    const QStringList options = optionPart(args);
    if (options.contains(QStringLiteral("--help")) || options.contains(QStringLiteral("-h")))
        return Request::Help;
    if (options.contains(QStringLiteral("--version")))
        return Request::Version;
    return Request::Start;
}

QString usage()
{
    return QString::fromUtf8(UsageText);
}

QString versionLine()
{
    return QStringLiteral("Brivadune ") + AppVersion::text();
}

QString unknownOption(const QStringList &args)
{
    const QStringList options = optionPart(args);
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString &arg = options.at(i);
        if (arg == AppDirOption)
            ++i; // its folder may start with "-" too
        else if (arg.startsWith(u'-') && !arg.startsWith(AppDirOption + u'=')
                 && arg != QLatin1String("--report-startup"))
            return arg;
    }
    return {};
}

QString unknownOptionMessage(const QString &option)
{
    return QStringLiteral("Option inconnue : ") + option
           + QStringLiteral("\n« brivadune --help » donne la liste des options.");
}

void dropOptionsEnd(QStringList &args)
{
    args.removeOne(OptionsEnd);
}

} // namespace StartOptions

#include "ScanCommands.h"

#include "Settings.h"
#include "cardwindow/frmProjet.h"
#include "imaging/ScanJob.h"
#include "imaging/ScanProgressDialog.h"
#include "imaging/Scanner.h"
#include "imaging/SourceDialog.h"
#include "platform/AppPaths.h"
#include "platform/DialogRunner.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"
#include "platform/Services.h"

#include <QDialog>
#include <QPointer>

namespace {

const QString ScannerSection = QStringLiteral("SCANNER");
const QString SourceKey = QStringLiteral("Source");

const char *const NamePrompt = "Veuillez indiquer le nom de votre image qui servira pour le fond du projet.\r\r"
                               "1. Les caractères spéciaux ne sont pas autorisés.\r\r"
                               "2. Le fichier sera enregistré au format Bmp dans le dossier images.\r";

} // namespace

ScanCommands::ScanCommands(const Services &services, DialogRunner &dialogs, QWidget *parent)
    : m_services(services), m_dialogs(dialogs), m_parent(parent)
{
}

ScanCommands::~ScanCommands() = default;

Scanner &ScanCommands::scanner()
{
    if (!m_scanner) {
        m_scanner = std::make_unique<Scanner>();
        m_scanner->setSource(
            ProfileFile::readOne(Settings::filePath(m_services.appDir), ScannerSection, SourceKey));
    }
    return *m_scanner;
}

bool ScanCommands::reportNoScanner(bool none)
{
    if (none)
        m_services.prompts->msgBox(QStringLiteral("Aucun scanner n'a été trouvé."), Msg::Information);
    return none;
}

bool ScanCommands::isPlainName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

void ScanCommands::selectSource()
{
    Scanner &device = scanner();
    const QList<ScanDevice> devices = device.devices();
    if (reportNoScanner(devices.isEmpty()))
        return;
    ScanSourceList sources = device.sourceList(devices);
    SourceDialog dialog(sources, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    device.setSource(sources.currentName());
    ProfileFile::writeOne(Settings::filePath(m_services.appDir), ScannerSection, SourceKey, device.source());
}

void ScanCommands::Importation_TWAIN(frmProjet &card)
{
    Scanner &device = scanner();
    const QList<ScanDevice> devices = device.devices();
    if (reportNoScanner(devices.isEmpty()))
        return;
    const QPointer<frmProjet> target(&card);
    const QString name = m_services.prompts->inputBox(QString::fromUtf8(NamePrompt),
                                                      QStringLiteral("Acquérir une image"),
                                                      QStringLiteral("Nom du fichier"));
    if (name.isEmpty())
        return;
    // The name becomes a file of "Images" and nothing else.
    if (!isPlainName(name)) {
        m_services.prompts->msgBox(QStringLiteral("Les caractères spéciaux ne sont pas autorisés."), Msg::Exclamation);
        return;
    }
    const QString path = AppPaths::join(m_services.appDir, QStringLiteral("\\Images\\")) + name + QStringLiteral(".bmp");
    ScanJob job(device.deviceFor(devices), path);
    ScanProgressDialog progress(job, m_parent);
    m_dialogs.run(progress);
    job.wait();
    if (job.result() != ScanWritten) {
        m_services.prompts->msgBox(QStringLiteral("Numérisation annulée par l'utilisateur."), Msg::Critical);
        return;
    }
    // The card may have closed while the scan ran; a scanned file that
    // cannot be read as a picture leaves the card as it was.
    if (target)
        target->setBackgroundPicture(path);
}

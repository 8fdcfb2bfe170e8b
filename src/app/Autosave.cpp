#include "Autosave.h"

#include "cardwindow/frmProjet.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QTimer>

namespace {

const char *const AutosaveText =
    "Cette option vous permet de sauvegarder votre travail automatiquement.\r\n\r\n"
    "1. La sauvegarde s'effectue par défaut toutes les 60 secondes.\r\n"
    "2. Si l'option est désactivée il faudra enregistrer votre travail manuellement.";

constexpr int AutosaveInterval = 60000;

} // namespace

Autosave::Autosave(Prompts &prompts, std::function<frmProjet *()> activeCard, std::function<bool(bool)> save,
                   std::function<void()> beep, QObject *parent)
    : QObject(parent), m_prompts(prompts), m_activeCard(std::move(activeCard)), m_save(std::move(save)),
      m_beep(std::move(beep))
{
    m_timer1 = new QTimer(this);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Autosave::Timer1_Timer);
}

void Autosave::toggle(QCheckBox &box)
{
    if (!box.isChecked()) {
        m_timer1->stop();
        return;
    }
    const int answer = m_prompts.msgBox(QString::fromUtf8(AutosaveText),
                                        Msg::OkCancel | Msg::Information | Msg::DefaultButton2,
                                        QStringLiteral("Informations"));
    if (answer == Msg::Ok) {
        m_timer1->setInterval(AutosaveInterval);
        m_timer1->start();
    } else {
        m_timer1->stop();
        box.setChecked(false);
    }
}

void Autosave::Timer1_Timer()
{
    const frmProjet *card = m_activeCard();
    if (!card)
        return;
    // A card never saved asks for its name; one saved before is written
    // without a question, and the user hears it.
    if (card->filePath().isEmpty()) {
        m_save(true);
        return;
    }
    m_save(false);
    if (m_beep)
        m_beep();
}

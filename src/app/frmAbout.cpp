#include "frmAbout.h"

#include "AppVersion.h"
#include "platform/HelpOpener.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Line3D.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr OleColor Blue = 0xFF0000;
constexpr int BlinkInterval = 1000;

} // namespace

frmAbout::frmAbout(QWidget &frame, Shell *shell, const QString &appDir)
    : QDialog(&frame), m_shell(shell), m_appDir(appDir)
{
    setWindowTitle(QStringLiteral("A propos de..."));
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/brivadune/icons/brivadune.svg")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *name = new QLabel(QStringLiteral("Brivadune"), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto *motto = new QLabel(QStringLiteral("Créer des cartes de visites comme un Pro"), this);
    m_version = new QLabel(versionText(), this);
    auto *visit = new QLabel(QStringLiteral("Visitez le site Web"), this);
    m_link = new QLabel(linkText(), this);
    m_link->setCursor(Qt::PointingHandCursor);
    QFont linkFont = m_link->font();
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    m_link->installEventFilter(this);
    applyLinkColor();

    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(motto);
    texts->addSpacing(6);
    texts->addWidget(m_version);
    texts->addSpacing(10);
    texts->addWidget(visit);
    texts->addWidget(m_link);
    texts->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addSpacing(8);
    column->addWidget(new Line3D(this));
    column->addLayout(buttons);

    m_blink = new QTimer(this);
    m_blink->setInterval(BlinkInterval);
    connect(m_blink, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    m_blink->start();

    adjustSize();
    setFixedSize(size());
    centreOverFrame(*this, frame);
}

QString frmAbout::linkText()
{
    return QStringLiteral("Page « À propos » de l'aide");
}

QString frmAbout::versionText()
{
    return QStringLiteral("Version : ") + AppVersion::text();
}

void frmAbout::Timer1_Timer()
{
    m_linkColor = m_linkColor == Colors::system(Colors::ButtonText) ? Blue : Colors::system(Colors::ButtonText);
    applyLinkColor();
}

void frmAbout::applyLinkColor()
{
    QPalette colours = m_link->palette();
    colours.setColor(QPalette::WindowText, Colors::toQColor(m_linkColor, palette()));
    m_link->setPalette(colours);
}

void frmAbout::Label3_Click()
{
    if (m_shell)
        HelpOpener(*m_shell).openAboutPage(m_appDir);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_link->rect().contains(mouse->position().toPoint())) {
            Label3_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

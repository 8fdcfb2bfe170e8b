#include "FrameStatusBar.h"

#include "FrameLayout.h"
#include "cardwindow/frmProjet.h"
#include "platform/TextConv.h"
#include "platform/Units.h"

#include <QDate>
#include <QHBoxLayout>
#include <QToolButton>
#include <QLabel>
#include <QTime>
#include <QTimer>

#include <cmath>

namespace {

// A status bar panel: a framed text of a preferred width that may shrink
// down to `minimum` pixels when the frame is narrow.
class StatusPanel : public QLabel {
public:
    StatusPanel(int preferred, int minimum, QWidget *parent)
        : QLabel(parent), m_preferred(preferred), m_minimum(minimum)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setIndent(3);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return QSize(m_preferred, QLabel::sizeHint().height()); }
    QSize minimumSizeHint() const override { return QSize(m_minimum, QLabel::minimumSizeHint().height()); }

private:
    int m_preferred;
    int m_minimum;
};

QString centimetres(double twips, const char *format)
{
    return TextConv::format(twips / Units::TwipsPerCm, QString::fromLatin1(format));
}

} // namespace

FrameStatusBar::FrameStatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("STB1"));
    for (int i = 1; i <= 6; ++i) {
        // A sixth panel after the usual five shows the active card's zoom.
        const double width = i <= 5 ? FrameLayout::StatusWidths[i - 1] : 1100;
        const int minimum = i == 1 ? Units::toPixels(FrameLayout::StatusFirstMinimum) : 24;
        auto *label = new StatusPanel(Units::toPixels(width), minimum, this);
        m_panels[std::size_t(i)] = label;
        addPermanentWidget(label, i == 1 ? 1 : 0);
    }
    m_panels[1]->setText(QStringLiteral("Brivadune"));
    m_notice = new QTimer(this);
    m_notice->setSingleShot(true);
    connect(m_notice, &QTimer::timeout, this, [this] {
        m_panels[1]->setText(QStringLiteral("Brivadune"));
        m_panels[2]->show();
        m_panels[3]->show();
    });
    m_panels[2]->setText(QStringLiteral("0.00 x 0.00 cm"));
    m_panels[3]->setText(QStringLiteral("X : 00.00 - Y : 00.00"));
    for (int i : {4, 5, 6})
        m_panels[std::size_t(i)]->setAlignment(Qt::AlignCenter);

    // The records of a merge, shown only during one.
    m_records = new QWidget(this);
    auto *row = new QHBoxLayout(m_records);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_record = new QLabel(m_records);
    const auto step = [this, row](Qt::ArrowType arrow, int by, const char *tip) {
        auto *button = new QToolButton(m_records);
        button->setArrowType(arrow);
        button->setAutoRaise(true);
        button->setToolTip(QString::fromUtf8(tip));
        connect(button, &QToolButton::clicked, this, [this, by] {
            if (m_card)
                m_card->merge().setCurrent(m_card->merge().current() + by);
        });
        row->addWidget(button);
    };
    step(Qt::LeftArrow, -1, "Fiche précédente");
    row->addWidget(m_record);
    step(Qt::RightArrow, 1, "Fiche suivante");
    m_records->hide();
    insertPermanentWidget(0, m_records);

    // Panels 4 and 5 keep the time and the date current.
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrameStatusBar::updateClock);
    m_clock->start();
    updateClock();
}

QLabel *FrameStatusBar::panel(int number) const
{
    return number >= 1 && number <= 6 ? m_panels[std::size_t(number)] : nullptr;
}

void FrameStatusBar::updateClock()
{
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm"));
    const QString date = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (m_panels[4]->text() != time)
        m_panels[4]->setText(time);
    if (m_panels[5]->text() != date)
        m_panels[5]->setText(date);
}

void FrameStatusBar::setCard(frmProjet *card)
{
    if (m_card == card)
        return;
    if (m_card) {
        disconnect(m_card, nullptr, this, nullptr);
        disconnect(&m_card->doc(), nullptr, this, nullptr);
        disconnect(&m_card->merge(), nullptr, this, nullptr);
    }
    m_card = card;
    if (!card) {
        m_records->hide();
        return;
    }
    connect(card, &frmProjet::activated, this, &FrameStatusBar::showCardSize);
    connect(card, &frmProjet::activated, this, &FrameStatusBar::showZoom);
    connect(card, &frmProjet::zoomChanged, this, &FrameStatusBar::showZoom);
    connect(&card->merge(), &CardMerge::changed, this, &FrameStatusBar::showRecord);
    showRecord();
    connect(&card->doc(), &CardDocument::sizeChanged, this, &FrameStatusBar::showCardSize);
    connect(&card->doc(), &CardDocument::reset, this, &FrameStatusBar::showCardSize);
    connect(card, &frmProjet::pointerMoved, this, [this](const QPointF &at) {
        m_panels[3]->setText(QStringLiteral("X : ") + centimetres(at.x(), "00.00") + QStringLiteral(" - Y : ")
                             + centimetres(at.y(), "00.00"));
    });
}

void FrameStatusBar::showZoom()
{
    if (m_card)
        m_panels[6]->setText(QString::number(std::lround(m_card->zoom() * 100)) + QStringLiteral(" %"));
}

void FrameStatusBar::showRecord()
{
    const CardMerge *merge = m_card ? &m_card->merge() : nullptr;
    m_records->setVisible(merge && merge->active());
    if (merge && merge->active())
        m_record->setText(QStringLiteral("Fiche %1/%2").arg(merge->current() + 1).arg(merge->count()));
}

void FrameStatusBar::showCardSize()
{
    if (!m_card)
        return;
    const CardDocument &doc = m_card->doc();
    m_panels[2]->setText(centimetres(doc.width(), "0.00") + QStringLiteral(" x ") + centimetres(doc.height(), "0.00")
                         + QStringLiteral(" cm"));
}

void FrameStatusBar::showNotice(const QString &text, int ms)
{
    // The card's size and the pointer make room for it meanwhile.
    m_panels[1]->setText(text);
    m_panels[2]->hide();
    m_panels[3]->hide();
    m_notice->start(ms);
}

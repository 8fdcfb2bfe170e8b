#include "PositionFields.h"

#include "cardwindow/frmProjet.h"
#include "platform/TextConv.h"
#include "platform/Units.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr double TwipsPerMm = Units::TwipsPerCm / 10;

QString millimetres(double twips)
{
    return TextConv::format(twips / TwipsPerMm, QStringLiteral("0.0"));
}

} // namespace

PositionFields::PositionFields(QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    const char *const names[] = {"X (mm) :", "Y (mm) :", "Largeur (mm) :", "Hauteur (mm) :"};
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Place%1").arg(i));
        field->setAlignment(Qt::AlignRight);
        grid->addWidget(new QLabel(QString::fromUtf8(names[i]), this), i, 0);
        grid->addWidget(field, i, 1);
        m_fields[std::size_t(i)] = field;
        connect(field, &QLineEdit::returnPressed, this, [this, i] { apply(i); });
    }
    show();
}

void PositionFields::setCard(frmProjet *card)
{
    if (m_card) {
        disconnect(m_card, nullptr, this, nullptr);
        disconnect(&m_card->doc(), nullptr, this, nullptr);
    }
    m_card = card;
    if (card) {
        connect(card, &frmProjet::selectionChanged, this, &PositionFields::show);
        connect(&card->doc(), &CardDocument::itemChanged, this, &PositionFields::show);
        connect(&card->doc(), &CardDocument::itemRemoved, this, &PositionFields::show);
        connect(&card->doc(), &CardDocument::reset, this, &PositionFields::show);
    }
    show();
}

void PositionFields::show()
{
    const std::optional<CardItemRef> item = m_card ? m_card->selection() : std::nullopt;
    const std::optional<QRectF> rect = item && m_card ? m_card->doc().itemRect(*item) : std::nullopt;
    const bool logo = rect && item->kind == CardItemRef::LogoItem;
    const double values[] = {rect ? rect->left() : 0, rect ? rect->top() : 0, rect ? rect->width() : 0,
                             rect ? rect->height() : 0};
    for (int i = 0; i < 4; ++i) {
        QLineEdit *field = m_fields[std::size_t(i)];
        const bool enabled = i < 2 ? rect.has_value() : logo;
        field->setEnabled(enabled);
        field->setText(enabled ? millimetres(values[i]) : QString());
    }
}

void PositionFields::apply(int index)
{
    const std::optional<CardItemRef> item = m_card ? m_card->selection() : std::nullopt;
    const std::optional<QRectF> rect = item ? m_card->doc().itemRect(*item) : std::nullopt;
    const std::optional<double> mm = TextConv::toNumber(m_fields[std::size_t(index)]->text().trimmed());
    const bool size = index >= 2;
    if (!rect || !mm || !std::isfinite(*mm) || std::abs(*mm) > 10000 || (size && *mm <= 0)) {
        show();
        return;
    }
    const double twips = *mm * TwipsPerMm;
    const frmProjet::Edit edit(m_card, QStringLiteral("Position"));
    if (!size) {
        QPointF place = rect->topLeft();
        (index == 0 ? place.rx() : place.ry()) = float(twips);
        m_card->doc().moveItem(*item, place);
    } else if (item->kind == CardItemRef::LogoItem) {
        const QSizeF extent(index == 2 ? twips : rect->width(), index == 3 ? twips : rect->height());
        m_card->doc().editLogo(item->index, [&extent](CardLogo &logo) {
            logo.setStretch(true);
            logo.setSize(float(extent.width()), float(extent.height()));
        });
    }
    m_card->frameItem(*item);
    show();
}

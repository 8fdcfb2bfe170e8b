#include "DialogFoot.h"

#include "Line3D.h"
#include "platform/Units.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DialogFoot::DialogFoot(QWidget *parent) : QWidget(parent)
{
    const QString captions[] = {QStringLiteral("Ok"), QStringLiteral("Annuler"), QStringLiteral("Aide")};
    const QString tips[] = {QStringLiteral("Valider les options"), QStringLiteral("Retour menu"),
                            QStringLiteral("Afficher l'aide")};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(captions[i], this);
        button->setToolTip(tips[i]);
        button->setMinimumSize(Units::toPixels(1095), Units::toPixels(375));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { emit clicked(i); });
        m_buttons.at(std::size_t(i)) = button;
    }
    m_buttons[0]->setDefault(true);
    m_line = new Line3D(this);

    auto *row = new QHBoxLayout;
    row->addWidget(m_buttons[2]);
    row->addStretch(1);
    row->addWidget(m_buttons[0]);
    row->addSpacing(Units::toPixels(105));
    row->addWidget(m_buttons[1]);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Units::toPixels(90));
    column->addWidget(m_line);
    column->addLayout(row);
}

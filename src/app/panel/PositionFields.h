#pragma once

#include "document/CardDocument.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QLineEdit;
class frmProjet;

// The selected item's place typed in millimetres on the "Position" page:
// X and Y of its top-left corner, and for a logo its width and height
// (which stretch it). A value is applied when Enter is pressed in its
// field; one that does not read as a number (or a size not above 0) puts
// the field back.
class PositionFields : public QWidget {
    Q_OBJECT
public:
    explicit PositionFields(QWidget *parent = nullptr);

    void setCard(frmProjet *card);
    // X, Y, width, height.
    QLineEdit *field(int index) const { return m_fields[std::size_t(index)]; }

private:
    void show();
    void apply(int index);

    QPointer<frmProjet> m_card;
    std::array<QLineEdit *, 4> m_fields{};
};

#pragma once

#include "ShopPdf.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

// "Exporter pour l'imprimeur": the bleed in millimetres (0 to 5, 3 by
// default) and whether crop marks go around it. The file is chosen after.
class frmShopPdf : public QDialog {
    Q_OBJECT
public:
    explicit frmShopPdf(QWidget &frame);

    ShopPdf::Options options() const;

    QDoubleSpinBox *bleedBox() const { return m_bleed; }
    QCheckBox *cropMarksBox() const { return m_cropMarks; }
    // 0 "Ok", 1 "Annuler".
    QPushButton *button(int index) const { return index == 0 ? m_ok : m_cancel; }

private:
    QDoubleSpinBox *m_bleed = nullptr;
    QCheckBox *m_cropMarks = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

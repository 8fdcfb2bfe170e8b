#pragma once

#include <QFrame>

class WizardPreview;

// The wizard's preview `Picture1`: the preview card drawn by the card
// renderer at screen scale (4095 x 2475 twips, 273 x 165 pixels) inside a
// thin sunken border.
class PreviewView : public QFrame {
    Q_OBJECT
public:
    PreviewView(const WizardPreview &preview, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void draw(QPainter &painter, const QRectF &target) const;

    const WizardPreview &m_preview;
};

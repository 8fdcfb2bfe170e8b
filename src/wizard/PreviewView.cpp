#include "PreviewView.h"

#include "WizardPreview.h"
#include "document/CardRenderer.h"
#include "platform/Units.h"

#include <QImage>
#include <QPainter>

namespace {

QSize previewPixels()
{
    return QSize(Units::toPixels(WizardPreview::Width), Units::toPixels(WizardPreview::Height));
}

} // namespace

PreviewView::PreviewView(const WizardPreview &preview, QWidget *parent) : QFrame(parent), m_preview(preview)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    const int border = frameWidth() * 2;
    setFixedSize(previewPixels() + QSize(border, border));
}

void PreviewView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    draw(painter, QRectF(inside.topLeft(), QSizeF(previewPixels())));
}

void PreviewView::draw(QPainter &painter, const QRectF &target) const
{
    CardRenderer::paint(painter, m_preview.card(), target, m_preview.screenBackground(), palette());
}

#include "frmRedim.h"

#include "PicturePreview.h"
#include "platform/HelpOpener.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/Units.h"
#include "widgets/CentredBox.h"
#include "widgets/DialogFoot.h"
#include "widgets/DialogPlacement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

int px(double twips)
{
    return Units::toPixels(twips);
}

} // namespace

frmRedim::frmRedim(QWidget &frame, Prompts &prompts, Shell *shell, const QString &appDir)
    : QDialog(&frame), m_prompts(prompts), m_shell(shell), m_appDir(appDir)
{
    setWindowTitle(QStringLiteral("Redimensionner"));
    setModal(true);
    buildControls();
    adjustSize();
    setFixedSize(size());
    centreOverFrame(*this, frame);
}

QPushButton *frmRedim::Command1(int index) const
{
    return m_foot->button(index);
}

Line3D *frmRedim::Line3D1() const
{
    return m_foot->line();
}

void frmRedim::buildControls()
{
    m_captions[0] = new QLabel(QStringLiteral("Aperçu du logo :"), this);
    m_captions[1] = new QLabel(QStringLiteral("Proportion :"), this);

    m_fond = new CentredBox(this);
    m_fond->setFixedSize(px(4095), px(2175));
    m_logo = new PicturePreview;
    m_fond->setChild(m_logo);

    m_check = new QCheckBox(QStringLiteral("Rétablir le format d'origine pour cette image"), this);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setMinimum(0);
    m_slider->setSingleStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setMinimumSize(px(3375), px(375));

    m_foot = new DialogFoot(this);

    // Captions and controls 240 twips from the left; the separator and the
    // buttons 120.
    auto *fields = new QVBoxLayout;
    fields->setContentsMargins(px(120), 0, px(120), 0);
    fields->setSpacing(px(30));
    fields->addWidget(m_captions[0]);
    fields->addWidget(m_fond, 0, Qt::AlignHCenter);
    fields->addSpacing(px(60));
    fields->addWidget(m_check);
    auto *proportion = new QHBoxLayout;
    proportion->addWidget(m_captions[1]);
    proportion->addWidget(m_slider, 1);
    fields->addLayout(proportion);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(px(120), px(120), px(120), px(120));
    column->setSpacing(px(90));
    column->addLayout(fields);
    column->addWidget(m_foot);

    // Values the dialog sets itself (on opening, and when the box is
    // checked) leave the preview as it is: only the user's moves reshape it.
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        m_resize.moveSlider(value);
        showLogo();
    });
    connect(m_check, &QCheckBox::toggled, this, [this](bool checked) {
        m_resize.setOriginalSize(checked);
        showSlider();
        showLogo();
    });
    connect(m_foot, &DialogFoot::clicked, this, &frmRedim::Command1_Click);
}

bool frmRedim::Controle_Image(std::int16_t index, const QString &file, std::int16_t width, std::int16_t height)
{
    if (!m_resize.Controle_Image(index, file, width, height)) {
        m_prompts.msgBox(LogoResize::unreadableMessage(file), Msg::OkOnly | Msg::Exclamation);
        return false;
    }
    m_logo->setPicture(m_resize.picture());
    {
        const QSignalBlocker quiet(m_check);
        m_check->setChecked(false);
    }
    showSlider();
    showLogo();
    return true;
}

void frmRedim::showSlider()
{
    const QSignalBlocker quiet(m_slider);
    m_slider->setMaximum(m_resize.maximum());
    m_slider->setTickInterval(m_resize.tickSpacing());
    m_slider->setPageStep(m_resize.largeStep());
    m_slider->setValue(m_resize.value());
    m_slider->setEnabled(!m_resize.sliderLocked());
}

void frmRedim::showLogo()
{
    m_logo->resize(px(m_resize.width()), px(m_resize.height()));
    m_fond->recentre();
}

void frmRedim::Command1_Click(int index)
{
    switch (index) {
    case 0: accept(); break;
    case 1: reject(); break;
    case 2:
        if (m_shell)
            HelpOpener(*m_shell, &m_prompts).openHelp(m_appDir, QStringLiteral("redimensionner"));
        break;
    default: break;
    }
}

#include "Colors.h"

#include <QGuiApplication>

namespace Colors {

namespace {

constexpr bool isSystem(OleColor c) { return c < 0; }
constexpr int systemIndex(OleColor c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }

// The palette role (and group) that stands for each system colour index.
QColor systemColor(int index, const QPalette &p)
{
    switch (index) {
    case ScrollBar: return p.color(QPalette::Active, QPalette::Button);
    case Desktop: return p.color(QPalette::Active, QPalette::Dark);
    case ActiveCaption: return p.color(QPalette::Active, QPalette::Highlight);
    case InactiveCaption: return p.color(QPalette::Inactive, QPalette::Window);
    case Menu: return p.color(QPalette::Active, QPalette::Window);
    case Window: return p.color(QPalette::Active, QPalette::Base);
    case WindowFrame: return p.color(QPalette::Active, QPalette::Shadow);
    case MenuText: return p.color(QPalette::Active, QPalette::WindowText);
    case WindowText: return p.color(QPalette::Active, QPalette::WindowText);
    case CaptionText: return p.color(QPalette::Active, QPalette::HighlightedText);
    case ActiveBorder: return p.color(QPalette::Active, QPalette::Window);
    case InactiveBorder: return p.color(QPalette::Inactive, QPalette::Window);
    case AppWorkspace: return p.color(QPalette::Active, QPalette::Dark);
    case Highlight: return p.color(QPalette::Active, QPalette::Highlight);
    case HighlightText: return p.color(QPalette::Active, QPalette::HighlightedText);
    case ButtonFace: return p.color(QPalette::Active, QPalette::Button);
    case ButtonShadow: return p.color(QPalette::Active, QPalette::Dark);
    case GrayText: return p.color(QPalette::Disabled, QPalette::Text);
    case ButtonText: return p.color(QPalette::Active, QPalette::ButtonText);
    case InactiveCaptionText: return p.color(QPalette::Inactive, QPalette::WindowText);
    case ButtonHighlight: return p.color(QPalette::Active, QPalette::Light);
    case DarkShadow3D: return p.color(QPalette::Active, QPalette::Shadow);
    case Light3D: return p.color(QPalette::Active, QPalette::Midlight);
    case InfoText: return p.color(QPalette::Active, QPalette::ToolTipText);
    case InfoBackground: return p.color(QPalette::Active, QPalette::ToolTipBase);
    default: return p.color(QPalette::Active, QPalette::WindowText);
    }
}

QPalette applicationPalette()
{
    // Without a GUI application there is no application palette; Qt's
    // default palette is then a sound stand-in.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QGuiApplication::palette();
    return QPalette();
}

} // namespace

QColor toQColor(OleColor c, const QPalette &palette)
{
    if (isSystem(c)) {
        QColor q = systemColor(systemIndex(c), palette);
        q.setAlpha(255);
        return q;
    }
    return QColor(red(c), green(c), blue(c));
}

QColor toQColor(OleColor c)
{
    if (!isSystem(c))
        return QColor(red(c), green(c), blue(c));
    return toQColor(c, applicationPalette());
}

OleColor fromQColor(const QColor &c)
{
    const QColor rgbColor = c.toRgb();
    return rgb(rgbColor.red(), rgbColor.green(), rgbColor.blue());
}

OleColor resolve(OleColor c)
{
    if (!isSystem(c))
        return c & 0xFFFFFF;
    return fromQColor(toQColor(c));
}

} // namespace Colors

#include "QtColor.h"

#include <QApplication>
#include <QPalette>

namespace {

struct SchemeColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop-scheme colours by their index, in the closest palette role Qt offers.
SchemeColor schemeColor(TColor index)
{
    using P = QPalette;
    switch (index) {
    case 0: return {P::Active, P::Button};             // scroll bar
    case 1: return {P::Active, P::Dark};               // desktop
    case 2: return {P::Active, P::Highlight};          // active caption
    case 3: return {P::Inactive, P::Highlight};        // inactive caption
    case 4: return {P::Active, P::Window};             // menu
    case 5: return {P::Active, P::Base};               // window
    case 6: return {P::Active, P::Shadow};             // window frame
    case 7: return {P::Active, P::WindowText};         // menu text
    case 8: return {P::Active, P::Text};               // window text
    case 9: return {P::Active, P::HighlightedText};    // caption text
    case 10: return {P::Active, P::Mid};               // active border
    case 11: return {P::Inactive, P::Mid};             // inactive border
    case 12: return {P::Active, P::Dark};              // application work space
    case 13: return {P::Active, P::Highlight};
    case 14: return {P::Active, P::HighlightedText};
    case 15: return {P::Active, P::Button};            // button face
    case 16: return {P::Active, P::Mid};               // button shadow
    case 17: return {P::Disabled, P::Text};            // grey text
    case 18: return {P::Active, P::ButtonText};
    case 19: return {P::Inactive, P::HighlightedText}; // inactive caption text
    case 20: return {P::Active, P::Light};             // button highlight
    case 21: return {P::Active, P::Shadow};            // 3D dark shadow
    case 22: return {P::Active, P::Midlight};          // 3D light
    case 23: return {P::Active, P::ToolTipText};
    case 24: return {P::Active, P::ToolTipBase};
    default: return {P::Active, P::Highlight};         // caption gradients
    }
}

} // namespace

QColor toQColor(TColor color)
{
    if (color == clDefault)
        return QApplication::palette().color(QPalette::WindowText);
    if (color & kSystemColorFlag) {
        const SchemeColor scheme = schemeColor(color & 0xFF);
        return QApplication::palette().color(scheme.group, scheme.role);
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor fromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(rgb.red()) | static_cast<TColor>(rgb.green()) << 8
        | static_cast<TColor>(rgb.blue()) << 16;
}

#include "colour_scheme.h"

#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QObject>
#include <QPalette>
#include <QStyleHints>
#include <Qt>

#include <memory>

namespace ui {

namespace {

// GNOME's own dark colours (libadwaita's window, entry, button and accent), so that the window
// looks at home beside the desktop's own dark programs and Qt's dark Adwaita title bar. As there,
// a text box is lighter than the window, which keeps it plainly a place to type.
QPalette DarkPalette() {
    const QColor window(0x24, 0x24, 0x24);
    const QColor view(0x3a, 0x3a, 0x3a);
    const QColor button(0x35, 0x35, 0x35);
    const QColor text(Qt::white);
    const QColor dimmed(0x8c, 0x8c, 0x8c);
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, view);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, text);
    palette.setColor(QPalette::ToolTipBase, button);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, dimmed);
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, dimmed);
    }
    return palette;
}

bool IsLight(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() > 0.5;
}

} // namespace

void FollowColourScheme(QObject* owner) {
    // Whether the palette in force is the program's own; only then is it ever given back.
    auto ownPalette = std::make_shared<bool>(false);
    const auto follow = [ownPalette] {
        const bool dark = QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
        if (dark && !*ownPalette && IsLight(QGuiApplication::palette())) {
            QApplication::setPalette(DarkPalette());
            *ownPalette = true;
        } else if (!dark && *ownPalette) {
            QApplication::setPalette(QPalette()); // the platform's again
            *ownPalette = false;
        }
    };
    follow();
    QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, owner,
                     follow);
}

} // namespace ui

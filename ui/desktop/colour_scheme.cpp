#include "desktop/colour_scheme.h"

#include "desktop/desktop_settings.h"

#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QString>
#include <QStringLiteral>
#include <QWidget>
#include <Qt>

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

// Frames and focus are drawn by the style from the window's colour, too faintly for a learner who
// asks for more contrast; there they are drawn in the palette's text and focus colours.
QPalette HighContrastPalette(bool dark) {
    const QColor ground = dark ? Qt::black : Qt::white;
    const QColor text = dark ? Qt::white : Qt::black;
    // Yellow on black and a deep blue on white, both far above 7 : 1 on their grounds.
    const QColor focus = dark ? QColor(0xff, 0xff, 0x00) : QColor(0x00, 0x00, 0xc0);
    QPalette palette(ground, ground);
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
          QPalette::ToolTipText, QPalette::PlaceholderText, QPalette::Light, QPalette::Midlight,
          QPalette::Mid, QPalette::Dark, QPalette::Shadow}) {
        palette.setColor(role, text);
    }
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase,
                            QPalette::Button, QPalette::ToolTipBase}) {
        palette.setColor(role, ground);
    }
    palette.setColor(QPalette::Highlight, focus);
    palette.setColor(QPalette::HighlightedText, ground);
    palette.setColor(QPalette::Link, focus);
    return palette;
}

QString HighContrastFrames() {
    return QStringLiteral(
        "QPushButton, QLineEdit { border: 2px solid palette(window-text); border-radius: 0;"
        " background: palette(base); }"
        "QPushButton:focus, QLineEdit:focus { border: 4px solid palette(highlight); }"
        "QPushButton:pressed { background: palette(highlight); color: palette(highlighted-text); "
        "}");
}

bool IsLight(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() > 0.5;
}

} // namespace

void ColourScheme::Follow(const DesktopRequest& request, QWidget* window) {
    if (ownPalette_) {
        QApplication::setPalette(QPalette()); // the platform's again
        ownPalette_ = false;
    }
    const bool platformLight = IsLight(QGuiApplication::palette());
    if (request.moreContrast) {
        QApplication::setPalette(HighContrastPalette(request.dark || !platformLight));
        ownPalette_ = true;
    } else if (request.dark && platformLight) {
        QApplication::setPalette(DarkPalette());
        ownPalette_ = true;
    }
    window->setStyleSheet(request.moreContrast ? HighContrastFrames() : QString());
}

} // namespace ui

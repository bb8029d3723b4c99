// The window as a learner meets it, on Qt's offscreen platform.
#include "controls/framed_box.h"
#include "controls/verdict_colours.h"
#include "desktop/screen_fit.h"
#include "desktop/text_scale.h"
#include "language/quiz_texts.h"

#include <quiz/quiz.h>
#include <quiz/quiz_round.h>
#include <quiz/random_source.h>
#include <ui/form1.h>
#include <ui/translations.h>

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr int kTwipsPerPixel = 15;

enum class Kind { Button, Label, TextBox, ScrollBar };

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Button:
        return "QPushButton";
    case Kind::Label:
        return "QLabel";
    case Kind::TextBox:
        return "QLineEdit";
    case Kind::ScrollBar:
        return "QScrollBar";
    }
    return "";
}

// Input that reaches the window, for the table of what acts on it and what does not.
enum class Input {
    KeypadEnterOnSelect,
    WheelOnBar,
    ContextMenuOnBar,
    EndKeyOnBar,
    RightKeyRightToLeft
};

// The faces a text is drawn in, fallbacks included; false where one of its characters has none.
bool DrawnIn(const QString& text, const QFont& font, std::set<QString>& faces) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        faces.insert(run.rawFont().familyName());
        if (run.glyphIndexes().contains(0)) {
            return false;
        }
    }
    return true;
}

// The columns of a label's drawing that hold any ink.
int InkWidth(QLabel* label) {
    const QImage drawn = label->grab().toImage();
    const QRgb ground = label->palette().color(label->backgroundRole()).rgb();
    int inked = 0;
    for (int x = 0; x < drawn.width(); ++x) {
        for (int y = 0; y < drawn.height(); ++y) {
            if (drawn.pixel(x, y) != ground) {
                ++inked;
                break;
            }
        }
    }
    return inked;
}

// The contrast of two colours, as WCAG defines it.
double Contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// English texts in a window that a translation turns right to left, as Arabic's does.
class RightToLeft final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        return qstrcmp(source, "LTR") == 0 ? QStringLiteral("RTL") : QString();
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ui::Translations> translations_;
    ui::Form1* form_ = nullptr;

    template <typename T> T* Find(const QString& name) const {
        auto* control = form_->findChild<T*>(name);
        if (control == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return control;
    }
    QLabel* Label(const QString& name) const { return Find<QLabel>(name); }
    QLabel* Verdict(int i) const { return Label(QStringLiteral("lblSolution(%1)").arg(i)); }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QLineEdit* Box(const QString& name) const { return Find<QLineEdit>(name); }
    QScrollBar* Bar(int row) const {
        return Find<QScrollBar>(QStringLiteral("HScroll1(%1)").arg(row));
    }

    QList<bool> VisibleVerdicts() const {
        QList<bool> visible;
        for (int i = 0; i < 4; ++i) {
            visible << Verdict(i)->isVisible();
        }
        return visible;
    }

    static void ClickHalf(QScrollBar* bar, bool left) {
        const int x = left ? bar->width() / 4 : bar->width() * 3 / 4;
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
    }

private slots:
    void init() {
        // As the program does: English in the C locale, whatever LANGUAGE says, as ctest sets it.
        translations_ = std::make_unique<ui::Translations>(ui::MessagesLocale());
        form_ = new ui::Form1;
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_));
    }
    void cleanup() {
        delete form_;
        form_ = nullptr;
        translations_.reset();
    }

    void controlsStandWhereTheTableSays_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text"); // at creation; empty where the quiz replaces it
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<int>("alignment"); // Qt::AlignmentFlag horizontal part, 0 for none

        const QString comic = QStringLiteral("Comic Sans MS");
        const QString sans = QStringLiteral("MS Sans Serif");
        const int left = Qt::AlignLeft;
        const int centre = Qt::AlignHCenter;
        auto row = [](const char* name, Kind kind, const char* text, QRect twips,
                      const QString& family, qreal points, int alignment) {
            QTest::newRow(name) << kind << QString::fromLatin1(text) << twips << family << points
                                << alignment;
        };
        row("cmdQuestion(0)", Kind::Button, "New Type 1", {840, 240, 2655, 735}, comic, 17.25, 0);
        row("cmdQuestion(1)", Kind::Button, "New Type 2", {3960, 240, 2655, 735}, comic, 17.25, 0);
        row("cmdQuestion(2)", Kind::Button, "New Type 3", {7080, 240, 2655, 735}, comic, 17.25, 0);
        row("lblQuestion", Kind::Label, "", {360, 1320, 10215, 615}, comic, 20.25, left);
        row("lblAQuestion", Kind::Label, "", {1920, 2160, 6855, 735}, comic, 29.25, centre);
        const char* letters[] = {"a) ", "b) ", "c) ", "d) "};
        for (int i = 0; i < 4; ++i) {
            const int top = 3600 + 840 * i;
            const QByteArray n = QByteArray::number(i);
            row("Label2(" + n + ")", Kind::Label, letters[i], {480, top, 615, 735}, comic, 29.25,
                left);
            row("lblAnsA(" + n + ")", Kind::Label, "", {1560, top, 5415, 735}, comic, 29.25, left);
            row("Command2(" + n + ")", Kind::Button, "Select", {7320, top, 1215, 615}, comic, 17.25,
                0);
            row("lblSolution(" + n + ")", Kind::Label, "", {8880, top, 2055, 615}, comic, 19.5,
                left);
        }
        for (int r = 0; r < 2; ++r) {
            const int top = 7860 + 600 * r;
            const QByteArray n = QByteArray::number(r);
            row("txtDecimal(" + n + ")", Kind::TextBox, "255.255.255.255", {480, top, 3135, 495},
                sans, 13.5, centre);
            row("HScroll1(" + n + ")", Kind::ScrollBar, "", {3840, top + 120, 495, 255}, {}, 0, 0);
            row("txtBinary(" + n + ")", Kind::TextBox, "00000000.00000000.00000000.00000000",
                {4560, top, 6195, 495}, sans, 13.5, centre);
        }
    }

    void controlsStandWhereTheTableSays() {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(int, alignment);

        auto* control = Find<QWidget>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control->inherits(KindName(kind)));
        QCOMPARE(control->geometry(),
                 QRect(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel,
                       twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel));
        QVERIFY(control->isEnabled());
        if (!family.isEmpty()) {
            // The family itself where it is installed, and otherwise an installed face.
            const QStringList installed = QFontDatabase::families();
            const QString asked = control->font().family();
            QVERIFY2(asked == family || (!installed.contains(family) && installed.contains(asked)),
                     qPrintable(asked));
            QCOMPARE(control->font().pointSizeF(), points);
            QCOMPARE(control->font().weight(), QFont::Normal);
            QVERIFY(!control->font().italic() && !control->font().underline());
        }
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute),
                     alignment);
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), alignment);
            QVERIFY(box->maxLength() > 1'000'000);
        }
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY(!button->isDefault());
            QVERIFY(button->shortcut().isEmpty());
        }
        if (auto* bar = qobject_cast<QScrollBar*>(control)) {
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 2);
            QCOMPARE(bar->value(), 1);
            QCOMPARE(bar->singleStep(), 1);
            QCOMPARE(bar->pageStep(), 1);
        }
        if (!text.isEmpty()) {
            const QString shown = kind == Kind::Button ? qobject_cast<QPushButton*>(control)->text()
                                  : kind == Kind::TextBox
                                      ? qobject_cast<QLineEdit*>(control)->text()
                                      : qobject_cast<QLabel*>(control)->text();
            QCOMPARE(shown, text);
        }
    }

    void windowHasItsCaptionAndClientArea() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Orwin's Bramblet"));
        QCOMPARE(form_->size(), QSize(762, 616));
        QVERIFY(!form_->windowIcon().isNull());
        QVERIFY(form_->windowIcon().availableSizes().contains(QSize(16, 16)));
    }

    void startsWithAHiddenMatchingQuestionAndFocusOnNewType1() {
        QCOMPARE(Label("lblQuestion")->text(),
                 QStringLiteral("Which of these IP addresses matches:"));
        QVERIFY(Label("lblAQuestion")->text().contains('/'));
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, false, false, false}));
        QCOMPARE(QApplication::focusWidget(), Button("cmdQuestion(0)"));
    }

    void tabVisitsTheControlsInTheirOrder() {
        const QStringList expected = {
            "Command2(0)",    "Command2(1)",   "Command2(2)",   "Command2(3)", "cmdQuestion(1)",
            "cmdQuestion(2)", "txtDecimal(0)", "txtBinary(0)",  "HScroll1(0)", "HScroll1(1)",
            "txtBinary(1)",   "txtDecimal(1)", "cmdQuestion(0)"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void selectRevealsOneVerdictAndAQuestionButtonHidesThemAll() {
        QTest::mouseClick(Button("Command2(2)"), Qt::LeftButton);
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, false, true, false}));
        QTest::mouseClick(Button("Command2(2)"), Qt::LeftButton);
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, false, true, false}));

        const QString verdict = Verdict(2)->text();
        QVERIFY(QStringList({"True", "Too Small", "Too Big"}).contains(verdict));
        const QColor colour = Verdict(2)->palette().color(QPalette::WindowText);
        QCOMPARE(colour, verdict == "True" ? QColor(0, 128, 0) : QColor(128, 0, 0));

        QTest::mouseClick(Button("cmdQuestion(2)"), Qt::LeftButton);
        QCOMPARE(Label("lblQuestion")->text(),
                 QStringLiteral("How many IP addresses are contained in the range:"));
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, false, false, false}));
    }

    void eachQuestionButtonPosesItsType_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::newRow("New Type 1") << "cmdQuestion(0)"
                                    << "Which of these IP addresses matches:";
        QTest::newRow("New Type 2") << "cmdQuestion(1)"
                                    << "Which of these ranges includes:";
        QTest::newRow("New Type 3") << "cmdQuestion(2)"
                                    << "How many IP addresses are contained in the range:";
    }

    void eachQuestionButtonPosesItsType() {
        QFETCH(QString, button);
        QFETCH(QString, question);
        QTest::mouseClick(Button(button), Qt::LeftButton);
        QCOMPARE(Label("lblQuestion")->text(), question);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!Label(QStringLiteral("lblAnsA(%1)").arg(i))->text().isEmpty());
        }
    }

    void spaceAndEnterClickTheFocusedButtonButEnterInABoxDoesNothing() {
        Button("Command2(1)")->setFocus();
        QTest::keyClick(Button("Command2(1)"), Qt::Key_Space);
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, true, false, false}));
        Button("Command2(3)")->setFocus();
        QTest::keyClick(Button("Command2(3)"), Qt::Key_Return);
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, true, false, true}));

        const QString line = Label("lblAQuestion")->text();
        Box("txtDecimal(0)")->setFocus();
        QTest::keyClick(Box("txtDecimal(0)"), Qt::Key_Return);
        QTest::keyClick(Box("txtDecimal(0)"), Qt::Key_Escape);
        QCOMPARE(VisibleVerdicts(), QList<bool>({false, true, false, true}));
        QCOMPARE(Label("lblAQuestion")->text(), line);
    }

    void convertersStartUnconvertedAndALeftArrowConvertsItsRowOnly() {
        QCOMPARE(Box("txtDecimal(1)")->text(), QStringLiteral("255.255.255.255"));
        ClickHalf(Bar(1), true);
        QCOMPARE(Box("txtDecimal(1)")->text(), QStringLiteral("0.0.0.0"));
        QCOMPARE(Bar(1)->value(), 1);
        QCOMPARE(Box("txtDecimal(0)")->text(), QStringLiteral("255.255.255.255"));
        QCOMPARE(Box("txtBinary(0)")->text(),
                 QStringLiteral("00000000.00000000.00000000.00000000"));

        // Back at rest, the same arrow converts again at once.
        Box("txtBinary(1)")->setText(QStringLiteral("11000000.10101000.00000000.00000001"));
        ClickHalf(Bar(1), true);
        QCOMPARE(Box("txtDecimal(1)")->text(), QStringLiteral("192.168.0.1"));
        QCOMPARE(Bar(1)->value(), 1);
    }

    void aRightArrowOrKeyConvertsDecimalToBinary() {
        ClickHalf(Bar(0), false);
        QCOMPARE(Box("txtBinary(0)")->text(),
                 QStringLiteral("11111111.11111111.11111111.11111111"));
        QCOMPARE(Bar(0)->value(), 1);

        Box("txtDecimal(0)")->setText(QStringLiteral("10.1é.7"));
        Bar(0)->setFocus();
        QTest::keyClick(Bar(0), Qt::Key_Right);
        QCOMPARE(Box("txtBinary(0)")->text(), QStringLiteral("00001010.00000001.00000111"));
        QTest::keyClick(Bar(0), Qt::Key_Left);
        QCOMPARE(Box("txtDecimal(0)")->text(), QStringLiteral("10.1.7"));
        QCOMPARE(Bar(0)->value(), 1);
    }

    // Only a click (mouse or keyboard) on a button, and an arrow or arrow key on a bar, do
    // anything.
    void onlyTheListedEventsActOnTheWindow_data() {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QString>("binary");    // of row 0 afterwards
        QTest::addColumn<bool>("verdictShown"); // of option b)
        const QString unchanged = QStringLiteral("00000000.00000000.00000000.00000000");
        const QString converted = QStringLiteral("11111111.11111111.11111111.11111111");
        QTest::newRow("keypad Enter on Select b)")
            << Input::KeypadEnterOnSelect << unchanged << true;
        QTest::newRow("wheel over a bar") << Input::WheelOnBar << unchanged << false;
        QTest::newRow("context menu of a bar") << Input::ContextMenuOnBar << unchanged << false;
        QTest::newRow("End on a bar") << Input::EndKeyOnBar << unchanged << false;
        QTest::newRow("Right on a bar, right to left")
            << Input::RightKeyRightToLeft << converted << false;
    }

    void onlyTheListedEventsActOnTheWindow() {
        QFETCH(Input, input);
        QFETCH(QString, binary);
        QFETCH(bool, verdictShown);
        QScrollBar* bar = Bar(0);
        switch (input) {
        case Input::KeypadEnterOnSelect:
            Button("Command2(1)")->setFocus();
            QTest::keyClick(Button("Command2(1)"), Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Input::WheelOnBar:
            for (const int delta : {120, -120}) {
                QWheelEvent wheel(QPointF(8, 8), bar->mapToGlobal(QPointF(8, 8)), {}, {0, delta},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar, &wheel);
            }
            break;
        case Input::ContextMenuOnBar: {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(8, 8),
                                   bar->mapToGlobal(QPoint(8, 8)));
            bool menuOpened = false;
            QTimer::singleShot(0, [&menuOpened] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    menuOpened = true;
                    popup->close();
                }
            });
            QApplication::sendEvent(bar, &menu);
            QCoreApplication::processEvents();
            QVERIFY(!menuOpened);
            break;
        }
        case Input::EndKeyOnBar:
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_End);
            QTest::keyClick(bar, Qt::Key_PageDown);
            break;
        case Input::RightKeyRightToLeft:
            delete form_;
            QApplication::setLayoutDirection(Qt::RightToLeft);
            form_ = new ui::Form1;
            QApplication::setLayoutDirection(Qt::LeftToRight);
            form_->show();
            QVERIFY(QTest::qWaitForWindowActive(form_));
            Bar(0)->setFocus();
            QTest::keyClick(Bar(0), Qt::Key_Right);
            break;
        }
        QCOMPARE(Box("txtBinary(0)")->text(), binary);
        QCOMPARE(Box("txtDecimal(0)")->text(), QStringLiteral("255.255.255.255"));
        QCOMPARE(Bar(0)->value(), 1);
        QCOMPARE(Verdict(1)->isVisible(), verdictShown);
    }

    void pastedLineBreaksAreDropped() {
        QLineEdit* box = Box("txtBinary(0)");
        QApplication::clipboard()->setText(
            QStringLiteral("11000000.10101000.00000000.00000001\r\n"));
        box->selectAll();
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("11000000.10101000.00000000.00000001"));
        ClickHalf(Bar(0), true);
        QCOMPARE(Box("txtDecimal(0)")->text(), QStringLiteral("192.168.0.1"));
    }

    void settingTheValueABarHasReportsNothing() {
        QSignalSpy changes(Bar(0), &QScrollBar::valueChanged);
        Bar(0)->setValue(1);
        QCOMPARE(changes.count(), 0);
        Bar(0)->setValue(2);
        QCOMPARE(changes.count(), 2); // to 2, then back to rest
    }

    // The one scale of the window: the text size the desktop asks for, where the screen has room
    // for it, with text at the pixel sizes of the layout whatever the font DPI.
    void theWindowScalesAsTheDesktopAndScreenAllow_data() {
        QTest::addColumn<double>("gnomeFactor");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<bool>("underX");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("scale");
        QTest::newRow("usual") << 1.0 << 96.0 << false << QSize(1920, 1200) << 1.0;
        QTest::newRow("Large Text on Wayland") << 1.5 << 96.0 << false << QSize(1920, 1200) << 1.5;
        // GNOME's settings daemon has written the factor into Xft.dpi already.
        QTest::newRow("Large Text under X") << 1.5 << 144.0 << true << QSize(1920, 1200) << 1.5;
        QTest::newRow("Plasma's font DPI") << 1.0 << 120.0 << false << QSize(1920, 1200) << 1.25;
        QTest::newRow("a laptop's room")
            << 1.5 << 96.0 << false << QSize(1280, 800) << (800.0 - 40) / 616;
        QTest::newRow("too small to read") << 1.0 << 96.0 << false << QSize(160, 120) << 0.25;
    }

    void theWindowScalesAsTheDesktopAndScreenAllow() {
        QFETCH(double, gnomeFactor);
        QFETCH(double, dpi);
        QFETCH(bool, underX);
        QFETCH(QSize, screen);
        QFETCH(double, scale);
        const double wanted = ui::DesktopTextScale(gnomeFactor, dpi, underX);
        QCOMPARE(ui::ScaleToFit({762, 616}, {0, 40}, QRect({0, 0}, screen), wanted), scale);
        // A point is dpi / 72 pixels.
        QCOMPARE(12 * ui::DpiCompensation(dpi) * dpi / 72, 16.0);
    }

    // A text box made too low for its text and frame, as a shrunken window makes it, gets a
    // smaller text; one with room keeps the window's font.
    void aLowTextBoxKeepsItsFrame() {
        QLineEdit* full = Box("txtDecimal(0)");
        const QFont font = full->font();
        ui::KeepFrameVisible(full);
        QCOMPARE(full->font(), font);
        QLineEdit low(form_);
        low.setFont(font);
        low.resize(full->width(), full->height() / 2);
        ui::KeepFrameVisible(&low);
        QStyleOptionFrame option;
        option.initFrom(&low);
        const int frame = low.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &low);
        QVERIFY(low.font().pointSizeF() < font.pointSizeF());
        QVERIFY(QFontMetrics(low.font()).height() <= low.height() - 2 * frame);
    }

    // Where the desktop asks for more contrast, each verdict has 7 : 1 on its ground, on a light,
    // a dark and a grey window alike; where it does not, the colours are the quiz's own.
    void moreContrastGivesEveryVerdictSevenToOne() {
        for (const QColor& ground :
             {QColor(Qt::white), QColor(Qt::black), QColor(0xef, 0xef, 0xef)}) {
            QWidget window;
            QPalette palette = window.palette();
            palette.setColor(QPalette::Window, ground);
            window.setPalette(palette);
            QLabel label(&window);
            for (const std::uint32_t colour : {quiz::kGreen, quiz::kDarkRed}) {
                ui::PaintVerdict(&label, colour, true);
                const QPalette painted = label.palette();
                QVERIFY2(Contrast(painted.color(QPalette::WindowText),
                                  painted.color(QPalette::Window)) >= 7,
                         qPrintable(ground.name()));
            }
        }
        QLabel plain(form_);
        ui::PaintVerdict(&plain, quiz::kGreen, false);
        QCOMPARE(plain.palette().color(QPalette::WindowText), QColor(0, 128, 0));
    }

    // The first of LC_ALL, LC_MESSAGES and LANG that is set decides; where it names C, LANGUAGE
    // (de, as ctest sets it) counts for nothing.
    void messagesLocaleIsCWhereTheFirstSetVariableIs_data() {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMessages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<bool>("plain");
        QTest::newRow("LANG C.UTF-8")
            << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << true;
        QTest::newRow("LANG POSIX") << QByteArray() << QByteArray() << QByteArray("POSIX") << true;
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << true;
        QTest::newRow("LC_MESSAGES C first")
            << QByteArray() << QByteArray("C") << QByteArray("de_DE.UTF-8") << true;
        QTest::newRow("LC_ALL German first")
            << QByteArray("de_DE.UTF-8") << QByteArray() << QByteArray("C") << false;
        QTest::newRow("LANG German")
            << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << false;
    }

    void messagesLocaleIsCWhereTheFirstSetVariableIs() {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMessages);
        QFETCH(QByteArray, lang);
        QFETCH(bool, plain);
        // Without LANGUAGE the rows could not tell the C locale from the system's.
        QVERIFY(QLocale::system().uiLanguages().contains(QStringLiteral("de")));
        const QByteArray names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
        const QByteArray values[] = {lcAll, lcMessages, lang};
        QByteArray saved[3];
        for (int i = 0; i < 3; ++i) {
            saved[i] = qgetenv(names[i]);
            qputenv(names[i], values[i]);
        }
        const QStringList languages = ui::MessagesLocale().uiLanguages();
        for (int i = 0; i < 3; ++i) {
            qputenv(names[i], saved[i]);
        }
        QCOMPARE(languages, plain ? QLocale::c().uiLanguages() : QLocale::system().uiLanguages());
    }

    // The four letters, and the options, each draw at the one scale the widest of them needs.
    void controlsOfOneArrayShareOneScale() {
        const int before = InkWidth(Label("Label2(0)"));
        Label("Label2(2)")->setText(QStringLiteral("ccccccccc) "));
        QTest::qWait(0);
        QVERIFY(InkWidth(Label("Label2(0)")) < before);
        QVERIFY(InkWidth(Label("Label2(3)")) < InkWidth(Label("Label2(2)")));
        const int option = InkWidth(Label("lblAnsA(1)"));
        Label("lblAnsA(0)")->setText(QStringLiteral("255.255.255.255 255.255.255.255"));
        QVERIFY(InkWidth(Label("lblAnsA(1)")) < option);
    }

    // Right to left every control stands at its mirrored place, each option text beside its
    // letter, and the arrow on the left fills the binary box, now on the left.
    void rightToLeftTheWindowIsMirrored() {
        QHash<QString, QRect> english;
        for (QWidget* control : form_->findChildren<QWidget*>()) {
            english.insert(control->objectName(), control->geometry());
        }
        RightToLeft rightToLeft; // removes itself when it goes
        QCoreApplication::installTranslator(&rightToLeft);
        ui::Form1 mirrored;
        mirrored.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mirrored));
        QVERIFY(mirrored.isRightToLeft());
        for (QWidget* control : mirrored.findChildren<QWidget*>()) {
            QRect place = english.value(control->objectName());
            if (place.isEmpty()) {
                continue;
            }
            place.moveLeft(mirrored.width() - place.right() - 1);
            QCOMPARE(control->geometry(), place);
        }
        auto* option = mirrored.findChild<QLabel*>(QStringLiteral("lblAnsA(0)"));
        const QImage drawn = option->grab().toImage();
        const QRgb ground = option->palette().color(option->backgroundRole()).rgb();
        int inkFromRight = drawn.width();
        for (int x = drawn.width() - 1; x >= 0 && inkFromRight == drawn.width(); --x) {
            for (int y = 0; y < drawn.height(); ++y) {
                if (drawn.pixel(x, y) != ground) {
                    inkFromRight = drawn.width() - 1 - x;
                    break;
                }
            }
        }
        QVERIFY2(inkFromRight < drawn.width() / 10, qPrintable(QString::number(inkFromRight)));
        auto* binary = mirrored.findChild<QLineEdit*>(QStringLiteral("txtBinary(0)"));
        binary->setText(QStringLiteral("00001010.00000000.00000000.00000010"));
        auto* bar = mirrored.findChild<QScrollBar*>(QStringLiteral("HScroll1(0)"));
        ClickHalf(bar, true);
        QCOMPARE(binary->text(), QStringLiteral("11111111.11111111.11111111.11111111"));
    }

    void screenReadersHearWhatTheWindowShows() {
        auto name = [](QWidget* control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        auto invisible = [](QWidget* control) {
            return bool(QAccessible::queryAccessibleInterface(control)->state().invisible);
        };
        QCOMPARE(name(Button("cmdQuestion(2)")), QStringLiteral("New Type 3"));
        QCOMPARE(name(Button("Command2(1)")), "Select b) " + Label("lblAnsA(1)")->text());
        QCOMPARE(name(Box("txtDecimal(0)")), QStringLiteral("Decimal address, row 1"));
        QCOMPARE(name(Box("txtBinary(1)")), QStringLiteral("Binary address, row 2"));
        QCOMPARE(name(Bar(1)), QStringLiteral("Convert direction, row 2"));

        QTest::mouseClick(Button("cmdQuestion(2)"), Qt::LeftButton);
        QCOMPARE(name(Label("lblQuestion")),
                 QStringLiteral("How many IP addresses are contained in the range:"));
        QCOMPARE(name(Label("lblAQuestion")), Label("lblAQuestion")->text());
        QCOMPARE(name(Label("lblAnsA(2)")), "c) " + Label("lblAnsA(2)")->text());

        QVERIFY(invisible(Verdict(3)));
        QTest::mouseClick(Button("Command2(3)"), Qt::LeftButton);
        QVERIFY(!invisible(Verdict(3)));
        QCOMPARE(name(Verdict(3)), "Verdict d) " + Verdict(3)->text());
        // The verdict is announced, not also said as the focused button's new description; the
        // button holds it for the learner's return once the focus has left.
        auto description = [](QWidget* control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
        };
        QCOMPARE(QApplication::focusWidget(), Button("Command2(3)"));
        QCOMPARE(description(Button("Command2(3)")), QString());
        QTest::keyClick(Button("Command2(3)"), Qt::Key_Tab);
        QCOMPARE(description(Button("Command2(3)")), "d) " + Verdict(3)->text());

        // A new question renames the options at once.
        QTest::mouseClick(Button("cmdQuestion(0)"), Qt::LeftButton);
        QCOMPARE(name(Label("lblAnsA(2)")), "c) " + Label("lblAnsA(2)")->text());
        QVERIFY(invisible(Verdict(3)));
    }

    // The display test measures the start-up theme; this is a theme changed under a running window.
    void aThemeChangedWhileRunningBringsAndTakesTheVerdictGround() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        QCOMPARE(Verdict(1)->palette().color(QPalette::Window), QColor(Qt::white));
        QApplication::setPalette(light);
        QCoreApplication::processEvents();
        QCOMPARE(Verdict(1)->palette().color(QPalette::Window), light.color(QPalette::Window));
        QCOMPARE(Verdict(1)->contentsMargins(), QMargins());
    }

    // Each language the program ships: its texts on screen in glyphs of installed faces, none cut
    // at the edge where the text runs out; right to left, every control at its mirrored place,
    // and each arrow filling the box it points at.
    void eachLanguageIsWholeInTheWindow_data() {
        QTest::addColumn<QString>("language");
        const QStringList shipped = QDir(QStringLiteral(":/i18n")).entryList();
        QVERIFY(!shipped.isEmpty());
        for (const QString& file : shipped) {
            const QString language = file.section(u'_', 1).section(u'.', 0, 0);
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void eachLanguageIsWholeInTheWindow() {
        QFETCH(QString, language);
        // Chinese and Japanese share characters that fontconfig draws in faces of the language
        // LANG names, read once for the process.
        if (!qEnvironmentVariable("LANG").startsWith(language)) {
            QSKIP("for a run with LANG in this language, as ctest makes one");
        }
        QCOMPARE(translations_->Language(), language);
        QHash<QString, QRect> english;
        {
            delete form_;
            translations_.reset();
            const ui::Form1 window;
            for (QWidget* control : window.findChildren<QWidget*>()) {
                if (!control->objectName().isEmpty()) {
                    english.insert(control->objectName(), control->geometry());
                }
            }
            translations_ = std::make_unique<ui::Translations>(ui::MessagesLocale());
        }
        form_ = new ui::Form1;
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_));
        const bool mirrored = language == QStringLiteral("ar");
        QCOMPARE(form_->isRightToLeft(), mirrored);

        std::set<QString> faces;
        const QStringList questions{
            QStringLiteral("Which of these IP addresses matches:"),
            QStringLiteral("Which of these ranges includes:"),
            QStringLiteral("How many IP addresses are contained in the range:")};
        for (int type = 0; type < 3; ++type) {
            QTest::mouseClick(Button(QStringLiteral("cmdQuestion(%1)").arg(type)), Qt::LeftButton);
            QVERIFY(Label("lblQuestion")->text() != questions[type]);
            for (int i = 0; i < 4; ++i) {
                QTest::mouseClick(Button(QStringLiteral("Command2(%1)").arg(i)), Qt::LeftButton);
            }
            for (QLabel* label : form_->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) {
                    continue;
                }
                QVERIFY2(DrawnIn(label->text(), label->font(), faces), qPrintable(label->text()));
                // A text aligned right runs out on the left, any other on the right.
                const QImage drawn = label->grab().toImage();
                const int end =
                    QStyle::visualAlignment(label->layoutDirection(), label->alignment()) &
                            Qt::AlignRight
                        ? 0
                        : drawn.width() - 1;
                const QRgb ground = label->palette().color(label->backgroundRole()).rgb();
                for (int y = 0; y < drawn.height(); ++y) {
                    QVERIFY2(drawn.pixel(end, y) == ground,
                             qPrintable(label->objectName() + ": " + label->text()));
                }
            }
        }
        for (QPushButton* button : form_->findChildren<QPushButton*>()) {
            QVERIFY(DrawnIn(button->text(), button->font(), faces));
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const int room = button->style()
                                 ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                 .width();
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room,
                     qPrintable(button->text()));
        }

        for (QWidget* control : form_->findChildren<QWidget*>()) {
            QRect place = english.value(control->objectName());
            if (place.isEmpty()) { // not one of the window's controls
                continue;
            }
            if (mirrored) {
                place.moveLeft(form_->width() - place.right() - 1);
            }
            QCOMPARE(control->geometry(), place);
        }
        // The arrow on the left points at the binary box right to left, the decimal box otherwise.
        QLineEdit* left = mirrored ? Box("txtBinary(0)") : Box("txtDecimal(0)");
        for (const bool key : {false, true}) {
            Box("txtDecimal(0)")->setText(QStringLiteral("10.0.0.1"));
            Box("txtBinary(0)")->setText(QStringLiteral("00001010.00000000.00000000.00000010"));
            if (key) {
                Bar(0)->setFocus();
                QTest::keyClick(Bar(0), Qt::Key_Left);
            } else {
                ClickHalf(Bar(0), true);
            }
            QCOMPARE(left->text(), mirrored ? QStringLiteral("00001010.00000000.00000000.00000001")
                                            : QStringLiteral("10.0.0.2"));
        }
        QVERIFY(!Box("txtBinary(1)")->isRightToLeft());
    }

    // The table that the window translates the quiz's texts by holds every text the quiz writes,
    // and nothing it does not.
    void theQuizTextTableHoldsEveryTextTheQuizWrites() {
        quiz::QuizRound round;
        quiz::PseudoRandomSource random;
        random.Seed(2026);
        std::set<std::string> written;
        for (int i = 0; i < 3000; ++i) {
            quiz::NewQuestion(round, random, static_cast<std::int16_t>(i % 3));
            written.insert(round.questionText);
            for (const quiz::Verdict& verdict : round.verdicts) {
                written.insert(verdict.text);
            }
        }
        const std::set<std::string> table(ui::kQuizTexts.begin(), ui::kQuizTexts.end());
        QCOMPARE(written, table);
    }

    void resizingMovesNothing() {
        const QRect before = Box("txtBinary(1)")->geometry();
        form_->resize(1000, 900);
        QCOMPARE(Box("txtBinary(1)")->geometry(), before);
        form_->resize(300, 200);
        QCOMPARE(Box("txtBinary(1)")->geometry(), before);
        QCOMPARE(Button("cmdQuestion(2)")->geometry(), QRect(472, 16, 177, 49));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"

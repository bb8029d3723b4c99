#include "ui/form1.h"

#include "controls/arrow_pair_bar.h"
#include "controls/command_button.h"
#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/fitting_label.h"
#include "controls/fonts.h"
#include "controls/verdict_colours.h"
#include "controls/widget_row.h"
#include "desktop/colour_scheme.h"
#include "desktop/desktop_settings.h"
#include "desktop/screen_fit.h"
#include "desktop/text_scale.h"
#include "desktop/window_room.h"
#include "language/quiz_texts.h"
#include "speech/announcer.h"

#include <converter/convert_row.h>
#include <quiz/quiz.h>
#include <quiz/quiz_round.h>
#include <quiz/random_source.h>

#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QShowEvent>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringLiteral>
#include <QStyle>
#include <Qt>
#include <QtCore/qtmetamacros.h> // emit

#include <array>
#include <cstddef>
#include <cstdint>
#include <form/controls.h>
#include <form/fonts.h>
#include <memory>

namespace ui {

struct Form1::State {
    explicit State(QWidget* window) : settings(nullptr), announcer(window) {}

    Controls controls;
    // The controls again, in the order of the table's rows.
    std::array<QWidget*, form::kControls.size()> rows{};
    quiz::QuizRound round;
    quiz::PseudoRandomSource random;
    DesktopSettings settings;
    ColourScheme colours;
    Announcer announcer;
};

namespace {

// The 16 and 32 pixel pictures are those of the classic .ico. They are kept as raw RGBA pixels:
// reading any image file, even a PNG, would load every image-format plugin before the first paint.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QFile file(QStringLiteral(":/icons/orwins-bramblet-%1.rgba").arg(size));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray pixels = file.readAll();
        if (pixels.size() == QByteArray::size_type{4} * size * size) {
            const QImage image(reinterpret_cast<const unsigned char*>(pixels.constData()), size,
                               size, QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image)); // a deep copy
        }
    }
    return icon;
}

// Every member's signal reaches the one handler of its array, with the member's index.
template <typename Control, std::size_t N, typename Signal, typename Handler>
void ConnectArray(QObject* receiver, const std::array<Control*, N>& controls, Signal signal,
                  Handler handler) {
    for (std::size_t i = 0; i < N; ++i) {
        QObject::connect(controls[i], signal, receiver,
                         [handler, i] { handler(static_cast<int>(i)); });
    }
}

QString OptionLetter(const Controls& c, std::size_t option) {
    return c.Label2.at(option)->text().trimmed();
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), state_(std::make_unique<State>(this)) {
    setObjectName(QStringLiteral("Form1"));
    // The window follows the direction of the language its texts are in, not Qt's, which a
    // translation of Qt alone would turn right to left around English texts.
    //: The direction the language is written in: LTR, or RTL for a language written from right to
    //: left, for which the window is mirrored.
    setLayoutDirection(tr("LTR") == QStringLiteral("RTL") ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowTitle(QStringLiteral("Orwin's Bramblet"));
    setWindowIcon(ProgramIcon());
    MakeControls();
    state_->settings.TakeArrivedAnswers();
    FollowDesktop();
    ConnectEvents();
    NameControlsForScreenReaders();

    Form_Load();
    state_->controls.cmdQuestion[0]->setFocus();
}

Form1::~Form1() = default;

void Form1::MakeControls() {
    std::array<QWidget*, form::kControls.size()> tabOrder{};
    for (std::size_t row = 0; row < form::kControls.size(); ++row) {
        const form::Control& spec = form::kControls.at(row);
        QWidget* control = KeptFor(spec).make(state_->controls, spec, this);
        state_->rows.at(row) = control;
        tabOrder.at(static_cast<std::size_t>(spec.tabPlace)) = control;
    }
    QWidget* previous = nullptr;
    for (QWidget* control : tabOrder) {
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                setTabOrder(previous, control);
            }
            previous = control;
        }
    }
}

// The whole window is drawn at one scale: the text size the desktop asks for, as far as the
// screen has room for it.
void Form1::LayOut() {
    const double dpi = screen()->logicalDotsPerInchY();
    const double textScale =
        DesktopTextScale(state_->settings.Request().gnomeTextFactor, dpi, DpiCarriesGnomeFactor());
    const QSize client(form::kClientWidth, form::kClientHeight);
    const WindowRoom room = RoomFor(*this, textScale);
    const double scale = ScaleToFit(client, room.frame, room.available, textScale);
    const QRect scaledClient = Scaled(QRect({0, 0}, client), scale);
    resize(scaledClient.size());
    const double fontScale = scale * DpiCompensation(dpi);
    const auto installedFamilies = QFontDatabase::families();
    for (std::size_t row = 0; row < form::kControls.size(); ++row) {
        const form::Control& spec = form::kControls.at(row);
        QWidget* control = state_->rows.at(row);
        // Right to left, each control stands where its mirror image would.
        control->setGeometry(
            QStyle::visualRect(layoutDirection(), scaledClient,
                               Scaled({spec.left, spec.top, spec.width, spec.height}, scale)));
        if (spec.font != form::FontRole::None) {
            control->setFont(FontFor(spec.font, fontScale, installedFamilies));
        }
    }
    for (const Kept& kept : kKept) {
        kept.fit(state_->controls);
    }
}

void Form1::FollowDesktop() {
    const DesktopRequest request = state_->settings.Request();
    state_->colours.Follow(request, this);
    for (ArrowPairBar* bar : state_->controls.HScroll1) {
        bar->DrawInTextColour(request.moreContrast);
    }
    PaintVerdicts();
    LayOut();
}

void Form1::ConnectEvents() {
    connect(&state_->settings, &DesktopSettings::changed, this, &Form1::FollowDesktop);
    connect(screen(), &QScreen::logicalDotsPerInchChanged, this, &Form1::LayOut);
    const Controls& c = state_->controls;
    ConnectArray(this, c.cmdQuestion, &QPushButton::clicked,
                 [this](int i) { cmdQuestion_Click(i); });
    ConnectArray(this, c.Command2, &QPushButton::clicked, [this](int i) { Command2_Click(i); });
    ConnectArray(this, c.HScroll1, &QScrollBar::valueChanged,
                 [this](int i) { HScroll1_Change(i); });
    connect(this, &Form1::activated, this, &Form1::SayQuestion, Qt::QueuedConnection);
}

void Form1::Form_Load() {
    quiz::StartUp(state_->round, state_->random);
    ShowRound();
}

void Form1::cmdQuestion_Click(int index) {
    quiz::NewQuestion(state_->round, state_->random, static_cast<std::int16_t>(index));
    ShowRound();
    SayQuestion();
}

void Form1::Command2_Click(int index) {
    quiz::RevealVerdict(state_->round, static_cast<std::int16_t>(index));
    const auto i = static_cast<std::size_t>(index);
    ShowVerdict(i);
    // The verdict stays with its button, for a screen reader that comes back to it, and is said
    // at once. The focus stays where it is.
    const Controls& c = state_->controls;
    //: What a screen reader says when a verdict is revealed: the option's letter (%1, as "a)"),
    //: then the verdict (%2, as "True").
    const QString verdict =
        tr("%1 %2", "spoken verdict").arg(OptionLetter(c, i), c.lblSolution.at(i)->text());
    c.Command2.at(i)->DescribeOnReturn(verdict);
    state_->announcer.Say(verdict);
}

void Form1::HScroll1_Change(int index) {
    // A row is only a view of its three controls, which hold all of its state.
    const Controls& c = state_->controls;
    const auto r = static_cast<std::size_t>(index);
    WidgetRow row(c.txtDecimal.at(r), c.HScroll1.at(r), c.txtBinary.at(r));
    converter::ConvertRow(row);
    if (const QLineEdit* written = row.Written()) {
        state_->announcer.Say(written->text());
    }
}

void Form1::SayQuestion() {
    const Controls& c = state_->controls;
    state_->announcer.Say(c.lblQuestion->text() + ' ' + c.lblAQuestion->text());
}

void Form1::ShowRound() {
    const Controls& c = state_->controls;
    const quiz::QuizRound& round = state_->round;
    c.lblQuestion->setText(QuizText(round.questionText));
    c.lblAQuestion->setText(QString::fromStdString(round.questionLine));
    for (std::size_t i = 0; i < quiz::kOptionCount; ++i) {
        const QString letter = OptionLetter(c, i);
        const QString option = QString::fromStdString(round.options.at(i));
        c.lblAnsA.at(i)->setText(option);
        c.lblAnsA.at(i)->setAccessibleName(letter + ' ' + option);
        //: What a screen reader says for a Select button: its caption, the same word as the
        //: button's "Select", then the option's letter (%1, as "a)") and the option (%2).
        c.Command2.at(i)->setAccessibleName(tr("Select %1 %2").arg(letter, option));
        ShowVerdict(i);
        c.Command2.at(i)->DescribeOnReturn({});
    }
}

// A hidden verdict holds no text at all, so that nothing in the accessibility tree gives it away
// before the learner asks for it.
void Form1::ShowVerdict(std::size_t i) {
    const Controls& c = state_->controls;
    const quiz::Verdict& verdict = state_->round.verdicts.at(i);
    const QString text = verdict.visible ? QuizText(verdict.text) : QString();
    c.lblSolution.at(i)->setText(text);
    //: What a screen reader says for a verdict: the option's letter (%1, as "a)"), then the
    //: verdict (%2, as "True").
    c.lblSolution.at(i)->setAccessibleName(
        verdict.visible ? tr("Verdict %1 %2").arg(OptionLetter(c, i), text) : QString());
    PaintVerdict(c.lblSolution.at(i), verdict.colour, state_->settings.Request().moreContrast);
    c.lblSolution.at(i)->setVisible(verdict.visible);
}

void Form1::PaintVerdicts() {
    const Controls& c = state_->controls;
    for (std::size_t i = 0; i < quiz::kOptionCount; ++i) {
        PaintVerdict(c.lblSolution.at(i), state_->round.verdicts.at(i).colour,
                     state_->settings.Request().moreContrast);
    }
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Answers that came while the window was made set its first frame too.
    state_->settings.TakeArrivedAnswers();
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The first question is posed before the window shows. A screen reader hears the question on
    // screen whenever the window becomes the active one, at the start and when the learner comes
    // back to it; the connection is queued, so that the window and its focused control, which
    // would cut the question short, are announced first.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        emit activated();
    }
    // A new theme may darken or lighten the window under the verdicts.
    if (event->type() == QEvent::PaletteChange && state_->controls.lblSolution[0] != nullptr) {
        PaintVerdicts();
    }
}

// What a screen reader says for controls whose caption alone would not tell them apart; each
// "Select" button is named with its option, by ShowRound.
void Form1::NameControlsForScreenReaders() {
    const Controls& c = state_->controls;
    for (std::size_t r = 0; r < c.HScroll1.size(); ++r) {
        const auto row = static_cast<int>(r + 1);
        //: A converter row's box of dotted-decimal text, as a screen reader names it; %1 is the
        //: row, 1 or 2.
        c.txtDecimal.at(r)->setAccessibleName(tr("Decimal address, row %1").arg(row));
        //: A converter row's pair of arrows between its two boxes, as a screen reader names it.
        c.HScroll1.at(r)->setAccessibleName(tr("Convert direction, row %1").arg(row));
        //: What the arrows do: each fills the box it points at. Right to left, the window is
        //: mirrored: the decimal box is on the right, the binary box on the left.
        c.HScroll1.at(r)->setAccessibleDescription(
            tr("Left fills the decimal box, right fills the binary box"));
        //: A converter row's box of dotted binary text (eight digits a part).
        c.txtBinary.at(r)->setAccessibleName(tr("Binary address, row %1").arg(row));
    }
}

} // namespace ui

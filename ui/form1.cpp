#include "form1.h"

#include "arrow_pair_bar.h"
#include "command_button.h"
#include "control_table.h"
#include "fonts.h"

#include <converter/convert_row.h>
#include <quiz/quiz.h>

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <limits>

namespace ui {

namespace {

QString ObjectName(const ControlSpec& spec) {
    const QString name =
        QString::fromLatin1(spec.name.data(), static_cast<qsizetype>(spec.name.size()));
    const bool single = spec.name == "lblQuestion" || spec.name == "lblAQuestion";
    return single ? name : QStringLiteral("%1(%2)").arg(name).arg(spec.index);
}

QString Caption(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QColor FromColourWord(std::uint32_t word) {
    return {static_cast<int>(word & 0xFFU), static_cast<int>((word >> 8U) & 0xFFU),
            static_cast<int>((word >> 16U) & 0xFFU)};
}

void SetTextColour(QLabel* label, std::uint32_t word) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, FromColourWord(word));
    label->setPalette(palette);
}

QLabel* CreateLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(Caption(spec.text), parent);
    label->setAutoFillBackground(true); // opaque, in the window's colour
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(
        (spec.kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QPushButton* CreateButton(const ControlSpec& spec, QWidget* parent) {
    return new CommandButton(Caption(spec.text), parent);
}

QLineEdit* CreateTextBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QLineEdit(Caption(spec.text), parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(Qt::AlignCenter);
    box->setCursorPosition(0);
    return box;
}

QScrollBar* CreateScrollBar(QWidget* parent) {
    auto* bar = new ArrowPairBar(parent);
    bar->setRange(converter::kToDecimal, converter::kToBinary);
    bar->setValue(converter::kResting);
    bar->setSingleStep(1); // an arrow click
    bar->setPageStep(1);   // a click in the track
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// The classic three images of the .ico, and larger ones for the desktop.
QIcon ProgramIcon() {
    QIcon icon(QStringLiteral(":/icons/orwins-bramblet.ico"));
    icon.addFile(QStringLiteral(":/icons/orwins-bramblet-48.png"));
    icon.addFile(QStringLiteral(":/icons/orwins-bramblet-256.png"));
    return icon;
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orwin's Bramblet"));
    setWindowIcon(ProgramIcon());
    resize(kClientWidth, kClientHeight);

    std::array<QWidget*, kControls.size()> tabOrder{};
    for (const ControlSpec& spec : kControls) {
        QWidget* control = CreateControl(spec);
        KeepControl(spec, control);
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
    rows_[0].emplace(txtDecimal[0], HScroll1[0], txtBinary[0]);
    rows_[1].emplace(txtDecimal[1], HScroll1[1], txtBinary[1]);
    ConnectEvents();
    NameControlsForScreenReaders();

    Form_Load();
    cmdQuestion[0]->setFocus();
}

QWidget* Form1::CreateControl(const ControlSpec& spec) {
    QWidget* control = nullptr;
    switch (spec.kind) {
    case ControlKind::Button:
        control = CreateButton(spec, this);
        break;
    case ControlKind::Label:
    case ControlKind::CentredLabel:
        control = CreateLabel(spec, this);
        break;
    case ControlKind::TextBox:
        control = CreateTextBox(spec, this);
        break;
    case ControlKind::ScrollBar:
        control = CreateScrollBar(this);
        break;
    }
    control->setObjectName(ObjectName(spec));
    control->setGeometry(spec.left, spec.top, spec.width, spec.height);
    if (spec.font != FontRole::None) {
        control->setFont(FontFor(spec.font));
    }
    return control;
}

void Form1::KeepControl(const ControlSpec& spec, QWidget* control) {
    const auto i = static_cast<std::size_t>(spec.index);
    if (spec.name == "cmdQuestion") {
        cmdQuestion.at(i) = static_cast<QPushButton*>(control);
    } else if (spec.name == "Command2") {
        Command2.at(i) = static_cast<QPushButton*>(control);
    } else if (spec.name == "lblQuestion") {
        lblQuestion = static_cast<QLabel*>(control);
    } else if (spec.name == "lblAQuestion") {
        lblAQuestion = static_cast<QLabel*>(control);
    } else if (spec.name == "Label2") {
        Label2.at(i) = static_cast<QLabel*>(control);
    } else if (spec.name == "lblAnsA") {
        lblAnsA.at(i) = static_cast<QLabel*>(control);
    } else if (spec.name == "lblSolution") {
        lblSolution.at(i) = static_cast<QLabel*>(control);
        SetTextColour(lblSolution.at(i), i < 3 ? quiz::kGreen : quiz::kDarkRed);
    } else if (spec.name == "txtDecimal") {
        txtDecimal.at(i) = static_cast<QLineEdit*>(control);
    } else if (spec.name == "txtBinary") {
        txtBinary.at(i) = static_cast<QLineEdit*>(control);
    } else if (spec.name == "HScroll1") {
        HScroll1.at(i) = static_cast<QScrollBar*>(control);
    }
}

// Every member's signal reaches the one handler of its array, with the member's index.
template <typename Control, std::size_t N, typename Signal>
void Form1::ConnectArray(const std::array<Control*, N>& controls, Signal signal,
                         void (Form1::*handler)(int)) {
    for (std::size_t i = 0; i < N; ++i) {
        connect(controls[i], signal, this,
                [this, handler, i] { (this->*handler)(static_cast<int>(i)); });
    }
}

void Form1::ConnectEvents() {
    ConnectArray(cmdQuestion, &QPushButton::clicked, &Form1::cmdQuestion_Click);
    ConnectArray(Command2, &QPushButton::clicked, &Form1::Command2_Click);
    ConnectArray(HScroll1, &QScrollBar::valueChanged, &Form1::HScroll1_Change);
}

void Form1::Form_Load() {
    quiz::StartUp(round_, random_);
    ShowRound();
}

void Form1::cmdQuestion_Click(int index) {
    quiz::NewQuestion(round_, random_, static_cast<std::int16_t>(index));
    ShowRound();
}

void Form1::Command2_Click(int index) {
    quiz::RevealVerdict(round_, static_cast<std::int16_t>(index));
    ShowRound();
}

void Form1::HScroll1_Change(int index) {
    converter::ConvertRow(*rows_.at(static_cast<std::size_t>(index)));
}

void Form1::ShowRound() {
    lblQuestion->setText(QString::fromStdString(round_.questionText));
    lblAQuestion->setText(QString::fromStdString(round_.questionLine));
    for (std::size_t i = 0; i < quiz::kOptionCount; ++i) {
        const QString letter = OptionLetter(i);
        const QString option = QString::fromStdString(round_.options.at(i));
        lblAnsA.at(i)->setText(option);
        lblAnsA.at(i)->setAccessibleName(letter + ' ' + option);

        const quiz::Verdict& verdict = round_.verdicts.at(i);
        const QString verdictText = QString::fromStdString(verdict.text);
        lblSolution.at(i)->setText(verdictText);
        lblSolution.at(i)->setAccessibleName(
            QStringLiteral("Verdict %1 %2").arg(letter, verdictText));
        SetTextColour(lblSolution.at(i), verdict.colour);
        lblSolution.at(i)->setVisible(verdict.visible);
    }
}

QString Form1::OptionLetter(std::size_t option) const {
    return Label2.at(option)->text().trimmed();
}

// What a screen reader says for controls whose caption alone would not tell them apart.
void Form1::NameControlsForScreenReaders() {
    for (std::size_t i = 0; i < Command2.size(); ++i) {
        Command2.at(i)->setAccessibleName(QStringLiteral("Select ") + OptionLetter(i));
    }
    for (std::size_t r = 0; r < HScroll1.size(); ++r) {
        const QString row = QStringLiteral(", row %1").arg(r + 1);
        txtDecimal.at(r)->setAccessibleName(QStringLiteral("Decimal address") + row);
        HScroll1.at(r)->setAccessibleName(QStringLiteral("Convert direction") + row);
        HScroll1.at(r)->setAccessibleDescription(
            QStringLiteral("Left fills the decimal box, right fills the binary box"));
        txtBinary.at(r)->setAccessibleName(QStringLiteral("Binary address") + row);
    }
}

} // namespace ui

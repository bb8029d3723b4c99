// Making each kind of control the window's table names, and fitting its text to its place.
#include "controls/arrow_pair_bar.h"
#include "controls/command_button.h"
#include "controls/control_table.h"
#include "controls/fitting_label.h"
#include "controls/framed_box.h"

#include <converter/convert_row.h>

#include <QCoreApplication>
#include <QFont>
#include <QLineEdit>
#include <QString>
#include <QStringLiteral>
#include <QStyle>
#include <QValidator>
#include <Qt>

#include <algorithm>
#include <form/controls.h>
#include <form/translatable.h>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ui {

namespace {

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<QString::size_type>(text.size()));
}

// A caption in the learner's language.
QString Caption(std::string_view text) {
    const std::string context(form::kTextContext);
    const std::string english(text);
    return QCoreApplication::translate(context.c_str(), english.c_str());
}

Qt::Alignment Horizontal(form::Align align) {
    return align == form::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// A one-line box keeps no line breaks: text pasted or dropped from a terminal or a web page often
// ends in one, which the converter would read as a digit. Typing cannot enter one.
class LineBreakFilter final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        QString::size_type kept = 0;
        int keptBeforeCursor = pos;
        for (QString::size_type i = 0; i < input.size(); ++i) {
            if (input[i] == u'\r' || input[i] == u'\n') {
                keptBeforeCursor -= i < pos ? 1 : 0;
            } else {
                input[kept++] = input[i];
            }
        }
        input.truncate(kept);
        pos = keptBeforeCursor;
        return Acceptable;
    }
};

} // namespace

void NameControl(QWidget* control, std::string_view name, int index) {
    control->setObjectName(
        index == form::kSingle ? Text(name) : QStringLiteral("%1(%2)").arg(Text(name)).arg(index));
}

CommandButton* NewControl(std::type_identity<CommandButton> /*kind*/, const form::Control& spec,
                          QWidget* parent) {
    return new CommandButton(Caption(spec.text), parent);
}

FittingLabel* NewControl(std::type_identity<FittingLabel> /*kind*/, const form::Control& spec,
                         QWidget* parent) {
    auto* label = new FittingLabel(Caption(spec.text), parent);
    label->setAutoFillBackground(true); // opaque, in the window's colour
    label->setTextFormat(Qt::PlainText);
    // A label would align by its text's own direction, which leaves an address on the far side
    // of its box in a mirrored window; it aligns by the window's instead.
    label->setAlignment(QStyle::visualAlignment(parent->layoutDirection(), Horizontal(spec.align)) |
                        Qt::AlignAbsolute | Qt::AlignTop);
    return label;
}

QLineEdit* NewControl(std::type_identity<QLineEdit> /*kind*/, const form::Control& spec,
                      QWidget* parent) {
    auto* box = new QLineEdit(Text(spec.text), parent);
    // Addresses and binary digits read left to right in every language.
    box->setLayoutDirection(Qt::LeftToRight);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(Horizontal(spec.align) | Qt::AlignVCenter);
    box->setCursorPosition(0);
    box->setValidator(new LineBreakFilter(box));
    return box;
}

ArrowPairBar* NewControl(std::type_identity<ArrowPairBar> /*kind*/, const form::Control& /*spec*/,
                         QWidget* parent) {
    auto* bar = new ArrowPairBar(parent);
    bar->setRange(converter::kToDecimal, converter::kToBinary);
    bar->setValue(converter::kResting);
    bar->setSingleStep(1); // an arrow click
    bar->setPageStep(1);   // a click in the track
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

void FitTogether(std::span<CommandButton* const> buttons) {
    double scale = 1;
    for (const CommandButton* button : buttons) {
        scale = std::min(scale, button->CaptionFit());
    }
    for (CommandButton* button : buttons) {
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * scale);
        button->setFont(font);
    }
}

void FitTogether(std::span<FittingLabel* const> labels) {
    const std::vector<FittingLabel*> group(labels.begin(), labels.end());
    for (FittingLabel* label : labels) {
        label->DrawAtOneScaleWith(group);
    }
}

void FitTogether(std::span<QLineEdit* const> boxes) {
    for (QLineEdit* box : boxes) {
        KeepFrameVisible(box);
    }
}

void FitTogether(std::span<ArrowPairBar* const> /*bars*/) {} // arrows, drawn to any size

} // namespace ui

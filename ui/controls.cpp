// Making each kind of control the window's table names.
#include "arrow_pair_bar.h"
#include "command_button.h"
#include "control_table.h"
#include "fitting_label.h"

#include <converter/convert_row.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringLiteral>
#include <QValidator>
#include <Qt>

#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace ui {

namespace {

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<QString::size_type>(text.size()));
}

// A caption in the learner's language.
QString Caption(std::string_view text) {
    const std::string english(text);
    return QCoreApplication::translate(kCaptionContext, english.c_str());
}

Qt::Alignment Horizontal(Align align) {
    return align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
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
    control->setObjectName(index == kSingle ? Text(name)
                                            : QStringLiteral("%1(%2)").arg(Text(name)).arg(index));
}

CommandButton* NewControl(std::type_identity<CommandButton> /*kind*/, const ControlSpec& spec,
                          QWidget* parent) {
    return new CommandButton(Caption(spec.text), parent);
}

QLabel* NewControl(std::type_identity<QLabel> /*kind*/, const ControlSpec& spec, QWidget* parent) {
    auto* label = new FittingLabel(Caption(spec.text), parent);
    label->setAutoFillBackground(true); // opaque, in the window's colour
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Horizontal(spec.align) | Qt::AlignTop);
    return label;
}

QLineEdit* NewControl(std::type_identity<QLineEdit> /*kind*/, const ControlSpec& spec,
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

ArrowPairBar* NewControl(std::type_identity<ArrowPairBar> /*kind*/, const ControlSpec& /*spec*/,
                         QWidget* parent) {
    auto* bar = new ArrowPairBar(parent);
    bar->setRange(converter::kToDecimal, converter::kToBinary);
    bar->setValue(converter::kResting);
    bar->setSingleStep(1); // an arrow click
    bar->setPageStep(1);   // a click in the track
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

} // namespace ui

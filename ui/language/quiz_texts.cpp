#include "language/quiz_texts.h"

#include "language/translatable.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <array>
#include <string_view>

namespace ui {

const std::array<const char*, 10> kQuizTexts{
    //: A question: four IP addresses follow, and the block they may lie in is shown under it.
    QT_TRANSLATE_NOOP("quiz", "Which of these IP addresses matches:"),
    //: A question: four blocks (a.b.c.d/n) follow; the address shown under it lies in one.
    QT_TRANSLATE_NOOP("quiz", "Which of these ranges includes:"),
    //: A question: the block shown under it, and four counts of addresses to choose from.
    QT_TRANSLATE_NOOP("quiz", "How many IP addresses are contained in the range:"),
    //: A verdict: the option is the right answer.
    QT_TRANSLATE_NOOP("quiz", "True"),
    //: A verdict on an address: it lies below the block.
    QT_TRANSLATE_NOOP("quiz", "Too Small"),
    //: A verdict on an address: it lies above the block.
    QT_TRANSLATE_NOOP("quiz", "Too Big"),
    //: A verdict on a block: it lies above the address.
    QT_TRANSLATE_NOOP("quiz", "Too High"),
    //: A verdict on a block: it lies below the address.
    QT_TRANSLATE_NOOP("quiz", "Too Low"),
    //: A verdict on a count of addresses: it is the count of a block of another size.
    QT_TRANSLATE_NOOP("quiz", "False"),
    //: A verdict on a count of addresses that no block can hold, as it is no power of two: the
    //: option was never worth considering.
    QT_TRANSLATE_NOOP("quiz", "Silly"),
};

QString QuizText(std::string_view english) {
    const auto* known = std::ranges::find(kQuizTexts, english);
    if (known == kQuizTexts.end()) {
        return QString::fromUtf8(english.data(), static_cast<QString::size_type>(english.size()));
    }
    return QCoreApplication::translate(kQuizContext, *known);
}

} // namespace ui

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
    //: Any number of the four may lie in it, all four included, so a form that allows more than
    //: one (a plural, or a form neutral in number) fits. The closing colon introduces the block
    //: shown under it; it may become the question mark the language puts there.
    QT_TRANSLATE_NOOP("quiz", "Which of these IP addresses matches:"),
    //: A question: four blocks (a.b.c.d/n) follow, and the address shown under it may lie in any
    //: number of them, all four included. As for the first question, the colon may become a
    //: question mark; keep the three questions alike.
    QT_TRANSLATE_NOOP("quiz", "Which of these ranges includes:"),
    //: A question: the block shown under it, and four counts of addresses to choose from; one of
    //: them is right. End it as the other two questions end.
    QT_TRANSLATE_NOOP("quiz", "How many IP addresses are contained in the range:"),
    //: A verdict: the option is right, the word a test marks a right answer with (not the truth
    //: value "true").
    QT_TRANSLATE_NOOP("quiz", "True"),
    //: A verdict on an address: it lies below the block.
    QT_TRANSLATE_NOOP("quiz", "Too Small"),
    //: A verdict on an address: it lies above the block.
    QT_TRANSLATE_NOOP("quiz", "Too Big"),
    //: A verdict on a block: it lies above the address.
    QT_TRANSLATE_NOOP("quiz", "Too High"),
    //: A verdict on a block: it lies below the address.
    QT_TRANSLATE_NOOP("quiz", "Too Low"),
    //: A verdict on a count of addresses: it is the count of a block of another size, so the
    //: option is wrong; the word a test marks a wrong answer with (not the truth value "false").
    QT_TRANSLATE_NOOP("quiz", "False"),
    //: A verdict on a count of addresses that no block can hold, as it is no power of two. A
    //: neutral word for "impossible": it judges the option, never the learner who chose it.
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

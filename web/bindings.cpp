// The quiz, the converter and the table of controls, as the page calls them through embind. The
// page's four events are the window's: it loads, a question button, a Select button, a converter
// arrow. Every rule stays in the core; this file only carries values across.
#include <converter/convert_row.h>
#include <quiz/quiz.h>
#include <quiz/quiz_round.h>
#include <quiz/random_source.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <form/controls.h>
#include <form/fonts.h>
#include <form/verdict_colours.h>
#include <string>
#include <string_view>
#include <utility>

namespace web {

namespace {

using emscripten::val;

val Text(std::string_view text) {
    return val::u8string(std::string(text).c_str());
}

// JavaScript's strings cross as wide strings, one code point to a 32-bit wchar_t.
std::u32string CodePoints(const std::wstring& text) {
    return {text.begin(), text.end()};
}

std::wstring Wide(const std::u32string& text) {
    return {text.begin(), text.end()};
}

// A converter row as the page holds it: its two boxes' texts and its bar's position.
class PageRow final : public converter::ConverterRow {
public:
    PageRow(std::u32string decimal, int bar, std::u32string binary)
        : decimal_(std::move(decimal)), binary_(std::move(binary)), bar_(bar) {}

    [[nodiscard]] std::u32string DecimalText() const override { return decimal_; }
    void SetDecimalText(std::u32string text) override {
        decimal_ = std::move(text);
        written_ = "decimal";
    }
    [[nodiscard]] std::u32string BinaryText() const override { return binary_; }
    void SetBinaryText(std::u32string text) override {
        binary_ = std::move(text);
        written_ = "binary";
    }
    [[nodiscard]] int BarValue() const override { return bar_; }
    // The page reports no change of its own: the bar is set, and ConvertRow returns.
    void SetBarValue(int value) override { bar_ = value; }

    [[nodiscard]] val Result() const {
        val result = val::object();
        result.set("decimal", Wide(decimal_));
        result.set("binary", Wide(binary_));
        result.set("written", val(written_));
        return result;
    }

private:
    std::u32string decimal_;
    std::u32string binary_;
    int bar_;
    std::string written_; // the box ConvertRow filled, if any
};

} // namespace

// The question on screen and the random source behind it: the page's whole state.
class Quiz {
public:
    void Load() { quiz::StartUp(round_, random_); }
    void Seed(double seed) { random_.Seed(static_cast<std::uint64_t>(seed)); }
    void NewQuestion(int index) {
        quiz::NewQuestion(round_, random_, static_cast<std::int16_t>(index));
    }
    void RevealVerdict(int index) { quiz::RevealVerdict(round_, static_cast<std::int16_t>(index)); }

    // The round as the page shows it: question text and line, and each option with its verdict.
    [[nodiscard]] val Round() const {
        val shown = val::object();
        shown.set("questionText", Text(round_.questionText));
        shown.set("questionLine", Text(round_.questionLine));
        val options = val::array();
        for (std::size_t i = 0; i < quiz::kOptionCount; ++i) {
            const quiz::Verdict& verdict = round_.verdicts.at(i);
            val option = val::object();
            option.set("text", Text(round_.options.at(i)));
            option.set("verdict", Text(verdict.text));
            option.set("colour", verdict.colour);
            option.set("visible", verdict.visible);
            options.call<void>("push", option);
        }
        shown.set("options", options);
        return shown;
    }

private:
    quiz::QuizRound round_;
    quiz::PseudoRandomSource random_;
};

// Converts one row as its bar was moved to `bar`: the page's boxes' texts, then what to show.
val ConvertRow(const std::wstring& decimal, int bar, const std::wstring& binary) {
    PageRow row(CodePoints(decimal), bar, CodePoints(binary));
    converter::ConvertRow(row);
    return row.Result();
}

// How a verdict of colour `word` is painted on a page of colour `window`: its colour, and whether
// it stands on a white ground of its own.
val PaintVerdict(std::uint32_t word, std::uint32_t window, bool moreContrast) {
    val paint = val::object();
    paint.set("colour", form::VerdictColour(word, moreContrast));
    paint.set("grounded",
              form::VerdictsNeedAGround(window, moreContrast, {quiz::kGreen, quiz::kDarkRed}));
    return paint;
}

// The table of controls, row by row, and the client area they are placed in.
val Controls() {
    static constexpr std::array<std::string_view, 4> kKinds{"button", "label", "textbox",
                                                            "arrowbar"};
    val rows = val::array();
    for (const form::Control& c : form::kControls) {
        const form::Face face = form::FaceOf(c.font);
        val row = val::object();
        row.set("name", Text(c.name));
        row.set("index", c.index);
        row.set("kind", Text(kKinds.at(static_cast<std::size_t>(c.kind))));
        row.set("text", Text(c.text));
        row.set("left", c.left);
        row.set("top", c.top);
        row.set("width", c.width);
        row.set("height", c.height);
        val families = val::array();
        if (!face.family.empty()) {
            families.call<void>("push", Text(face.family));
        }
        for (const std::string_view standIn : face.standIns) {
            families.call<void>("push", Text(standIn));
        }
        row.set("families", families);
        row.set("points", face.points);
        row.set("centred", c.align == form::Align::Centre);
        row.set("tabPlace", c.tabPlace);
        rows.call<void>("push", row);
    }
    val table = val::object();
    table.set("width", form::kClientWidth);
    table.set("height", form::kClientHeight);
    table.set("controls", rows);
    return table;
}

EMSCRIPTEN_BINDINGS(bramblet) {
    emscripten::class_<Quiz>("Quiz")
        .constructor<>()
        .function("load", &Quiz::Load)
        .function("seed", &Quiz::Seed)
        .function("newQuestion", &Quiz::NewQuestion)
        .function("revealVerdict", &Quiz::RevealVerdict)
        .function("round", &Quiz::Round);
    emscripten::function("convertRow", &ConvertRow);
    emscripten::function("paintVerdict", &PaintVerdict);
    emscripten::function("controls", &Controls);
}

} // namespace web

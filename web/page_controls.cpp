// Writes the page's controls from the table of controls, so that the page shows the window before
// any script runs: with "html", the controls as elements in the order of their tab places; with
// "css", each control's place in the window and in the line it is read in; with "failure", what
// the page shows when it cannot start, hidden until then.
#include "page_texts.h"

#include <converter/convert_row.h>

#include <cstddef>
#include <form/controls.h>
#include <form/fonts.h>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

namespace {

// The control's element id: its name, and its index in its control array.
std::string IdOf(const form::Control& c) {
    return c.index == form::kSingle ? std::string(c.name)
                                    : std::string(c.name) + "(" + std::to_string(c.index) + ")";
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char ch : text) {
        switch (ch) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

std::string_view FontClass(form::FontRole role) {
    switch (role) {
    case form::FontRole::QuestionText:
        return "question-text";
    case form::FontRole::Large:
        return "large";
    case form::FontRole::Verdict:
        return "verdict";
    case form::FontRole::Button:
        return "button";
    case form::FontRole::TextBox:
        return "textbox";
    case form::FontRole::None:
        break;
    }
    return "";
}

std::string Classes(const form::Control& c) {
    std::string classes = "control";
    if (c.font != form::FontRole::None) {
        classes += " font-" + std::string(FontClass(c.font));
    }
    if (c.align == form::Align::Centre && c.kind != form::Kind::Button) {
        classes += " centred";
    }
    return classes;
}

// A converter bar as two buttons, each filling the box it points at, in one group that takes a
// single tab place, as the window's bar does.
void WriteArrowBar(const form::Control& c, std::ostream& out) {
    out << "<div role=\"group\" id=\"" << IdOf(c) << "\" class=\"" << Classes(c) << " arrowbar\">"
        << "<button type=\"button\" class=\"arrow to-decimal\" data-toward=\""
        << int{converter::kToDecimal} << "\" aria-label=\"" << Escaped(form::kFillDecimal)
        << "\"></button>"
        << "<button type=\"button\" class=\"arrow to-binary\" data-toward=\""
        << int{converter::kToBinary} << "\" aria-label=\"" << Escaped(form::kFillBinary)
        << "\" tabindex=\"-1\"></button></div>\n";
}

void WriteFailure(std::ostream& out) {
    out << "<div id=\"failure\" class=\"notice\" role=\"alert\" hidden><p>"
        << Escaped(web::kCouldNotLoad) << "</p><button type=\"button\">" << Escaped(web::kTryAgain)
        << "</button></div>\n";
}

// The control with the first tab place among those that take the focus: labels never do.
const form::Control& FirstFocused() {
    const form::Control* first = nullptr;
    for (const form::Control& c : form::kControls) {
        if (c.kind != form::Kind::Label && (first == nullptr || c.tabPlace < first->tabPlace)) {
            first = &c;
        }
    }
    return *first;
}

void WriteHtml(std::ostream& out) {
    for (int tabPlace = 0; tabPlace < static_cast<int>(form::kControls.size()); ++tabPlace) {
        for (const form::Control& c : form::kControls) {
            if (c.tabPlace != tabPlace) {
                continue;
            }
            // The window opens with the focus on its first control that takes it, and so does
            // the page, from its first frame: a screen reader then starts at that control rather
            // than reading the whole page aloud.
            const std::string attributes = "id=\"" + IdOf(c) + "\" class=\"" + Classes(c) + "\"" +
                                           (&c == &FirstFocused() ? " autofocus" : "");
            switch (c.kind) {
            case form::Kind::Button:
                out << "<button type=\"button\" " << attributes << ">" << Escaped(c.text)
                    << "</button>\n";
                break;
            case form::Kind::Label:
                out << "<div " << attributes << ">" << Escaped(c.text) << "</div>\n";
                break;
            case form::Kind::TextBox:
                out << "<input type=\"text\" " << attributes << " value=\"" << Escaped(c.text)
                    << "\" spellcheck=\"false\" autocomplete=\"off\">\n";
                break;
            case form::Kind::ArrowBar:
                WriteArrowBar(c, out);
                break;
            }
        }
    }
    // Where each line of the narrow layout ends.
    for (int line = 1; line <= form::ReadingPlaceOf(form::kControls.size() - 1).line; ++line) {
        out << "<div class=\"line-end\" id=\"line-end-" << line << "\"></div>\n";
    }
}

// CSS wants the parentheses of an id escaped.
std::string Selector(const form::Control& c) {
    std::string selector = "#";
    for (const char ch : IdOf(c)) {
        if (ch == '(' || ch == ')') {
            selector += '\\';
        }
        selector += ch;
    }
    return selector;
}

std::string Families(const form::Face& face) {
    std::string families = "\"" + std::string(face.family) + "\"";
    for (const std::string_view standIn : face.standIns) {
        families += standIn == "sans-serif" ? ", sans-serif" : ", \"" + std::string(standIn) + "\"";
    }
    return families;
}

void WriteCss(std::ostream& out) {
    out << "/* Written from the table of controls at build time. */\n"
        << "#Form1 { --client-width: " << form::kClientWidth
        << "px; --client-height: " << form::kClientHeight << "px; }\n";
    for (const form::FontRole role :
         {form::FontRole::QuestionText, form::FontRole::Large, form::FontRole::Verdict,
          form::FontRole::Button, form::FontRole::TextBox}) {
        const form::Face face = form::FaceOf(role);
        out << ".font-" << FontClass(role) << " { font-family: " << Families(face)
            << "; --points: " << face.points << "pt; }\n";
    }
    int lastLine = 0;
    for (std::size_t row = 0; row < form::kControls.size(); ++row) {
        const form::Control& c = form::kControls.at(row);
        const form::ReadingPlace reading = form::ReadingPlaceOf(row);
        out << Selector(c) << " { --left: " << c.left << "px; --top: " << c.top
            << "px; --width: " << c.width << "px; --height: " << c.height
            << "px; --order: " << reading.line * 100 + reading.place << "; }\n";
        lastLine = reading.line;
    }
    for (int line = 1; line <= lastLine; ++line) {
        out << "#line-end-" << line << " { --order: " << line * 100 + 99 << "; }\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
    if (arguments.size() != 3) {
        std::cerr << "usage: page_controls html|css|failure OUTPUT_FILE\n";
        return 2;
    }
    const std::string_view what = arguments[1];
    std::ofstream out(arguments[2]);
    if (what == "html") {
        WriteHtml(out);
    } else if (what == "css") {
        WriteCss(out);
    } else if (what == "failure") {
        WriteFailure(out);
    } else {
        std::cerr << "page_controls: no such output: " << what << "\n";
        return 2;
    }
    return out.flush() ? 0 : 1;
}

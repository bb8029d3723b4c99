// The window as a page: its controls built from the table of controls, its four events handed to
// the core, and what the core answers shown and said.
import Bramblet from "./bramblet.js";

const core = await Bramblet();
const table = core.controls();
const form = document.getElementById("Form1");
const spoken = document.getElementById("spoken");

// The first of the browser's languages that the window has, as LANGUAGE chooses on the desktop:
// "pt-BR" takes pt_BR, then pt; English, or a language before any the window has, keeps English.
async function translationsFor(wanted) {
    if (wanted.length === 0 || wanted[0].startsWith("en")) {
        return {};
    }
    const known = await (await fetch("i18n/languages.json")).json();
    for (const tag of wanted) {
        const [language, region] = tag.split("-");
        const found = [`${language}_${region}`, language].find((name) => known.includes(name));
        if (language === "en" || found) {
            return found ? { language: found, ...(await (await fetch(`i18n/${found}.json`)).json()) } : {};
        }
    }
    return {};
}
const translations = await translationsFor(navigator.languages);

// A text in the learner's language; %1 and %2 are filled with `args`.
function tr(context, english, args = [], disambiguation = null) {
    const key = [context, english, ...(disambiguation ? [disambiguation] : [])].join("\u0004");
    return (translations[key] ?? english).replace(/%([12])/g, (_, n) => args[n - 1]);
}
const formText = (english, ...args) => tr("ui::Form1", english, args);
const quizText = (english) => tr("quiz", english);

// Right to left, the window is mirrored: each control stands where its mirror image would.
const mirrored = formText("LTR") === "RTL";
document.documentElement.lang = (translations.language ?? "en").replace("_", "-");
document.documentElement.dir = mirrored ? "rtl" : "ltr";

// The controls by the names of their control arrays, each array indexed from 0.
const controls = {};

function make(spec) {
    let element;
    switch (spec.kind) {
    case "button":
        element = document.createElement("button");
        element.type = "button";
        element.textContent = formText(spec.text);
        break;
    case "textbox":
        element = document.createElement("input");
        element.type = "text";
        element.value = spec.text;
        element.spellcheck = false;
        element.autocomplete = "off";
        break;
    case "arrowbar":
        element = document.createElement("input");
        element.type = "range";
        Object.assign(element, { min: 0, max: 2, step: 1, value: 1 });
        break;
    default:
        element = document.createElement("div");
        element.className = "label";
        element.textContent = formText(spec.text);
    }
    element.id = spec.index < 0 ? spec.name : `${spec.name}(${spec.index})`;
    Object.assign(element.style, {
        left: `${mirrored ? table.width - spec.left - spec.width : spec.left}px`,
        top: `${spec.top}px`,
        width: `${spec.width}px`,
        height: `${spec.height}px`,
    });
    if (spec.families.length > 0) {
        element.style.fontFamily = spec.families.map((family) => `"${family}"`).join(", ");
        element.style.fontSize = `${spec.points}pt`;
    }
    if (spec.centred) {
        element.classList.add("centred");
    }
    return element;
}

// A converter bar's two arrows, drawn over it as text, so that they take the text's colour in
// every scheme, the system's forced colours included.
function arrowsOver(bar) {
    const arrows = document.createElement("div");
    arrows.className = "arrows";
    arrows.setAttribute("aria-hidden", "true");
    arrows.append(...["\u25C0\uFE0E", "\u25B6\uFE0E"].map((arrow) => {
        const half = document.createElement("span");
        half.textContent = arrow;
        return half;
    }));
    for (const place of ["left", "top", "width", "height"]) {
        arrows.style[place] = bar.style[place];
    }
    return arrows;
}

// In the order of the tab places, so that the focus runs as in the window.
for (const spec of [...table.controls].sort((a, b) => a.tabPlace - b.tabPlace)) {
    const element = make(spec);
    if (spec.index < 0) {
        controls[spec.name] = element;
    } else {
        (controls[spec.name] ??= [])[spec.index] = element;
    }
    form.append(element);
    if (spec.kind === "arrowbar") {
        form.append(arrowsOver(element));
    }
}
form.style.width = `${table.width}px`;
form.style.height = `${table.height}px`;

// A text too wide for its control is drawn smaller; the members of a control array share one
// size, the smallest any of them needs, so that four letters stand in one size.
const groups = new Map();
for (const spec of table.controls) {
    groups.set(spec.name, [...(groups.get(spec.name) ?? []), spec]);
}
function fitTexts() {
    for (const [name, specs] of groups) {
        const members = specs.map((spec) => (spec.index < 0 ? controls[name] : controls[name][spec.index]));
        if (specs[0].families.length === 0 || members[0] instanceof HTMLInputElement) {
            continue; // the arrows, and boxes, which scroll their text
        }
        members.forEach((element) => { element.style.fontSize = `${specs[0].points}pt`; });
        const scale = Math.min(1, ...members.filter((element) => element.scrollWidth > 0)
            .map((element) => element.clientWidth / element.scrollWidth));
        members.forEach((element) => { element.style.fontSize = `${specs[0].points * scale}pt`; });
    }
}

// Said once, by any screen reader, as the window's announcements are.
function say(text) {
    spoken.textContent = "";
    requestAnimationFrame(() => { spoken.textContent = text; });
}

function colour(word) {
    return `rgb(${word & 0xff}, ${(word >> 8) & 0xff}, ${(word >> 16) & 0xff})`;
}

function colourWord(css) {
    const [red, green, blue] = css.match(/\d+/g).map(Number);
    return red | (green << 8) | (blue << 16);
}

// The page follows the browser's dark style and its request for more contrast, as the window
// follows the desktop's; the verdicts are painted for the page's colour as the window's are.
const moreContrast = matchMedia("(prefers-contrast: more)");
function paintVerdicts() {
    const page = colourWord(getComputedStyle(document.body).backgroundColor);
    quiz.round().options.forEach((option, i) => {
        const paint = core.paintVerdict(option.colour, page, moreContrast.matches);
        const verdict = controls.lblSolution[i];
        verdict.style.color = colour(paint.colour);
        verdict.classList.toggle("grounded", paint.grounded);
    });
}
for (const query of [moreContrast, matchMedia("(prefers-color-scheme: dark)")]) {
    query.addEventListener("change", paintVerdicts);
}

const quiz = new core.Quiz();

function showRound() {
    const round = quiz.round();
    controls.lblQuestion.textContent = quizText(round.questionText);
    controls.lblAQuestion.textContent = round.questionLine;
    round.options.forEach((option, i) => {
        const letter = controls.Label2[i].textContent.trim();
        controls.lblAnsA[i].textContent = option.text;
        controls.Command2[i].setAttribute("aria-label", formText("Select %1 %2", letter, option.text));
        // A hidden verdict holds no text, so that nothing gives it away before it is asked for.
        const verdict = controls.lblSolution[i];
        verdict.textContent = option.visible ? quizText(option.verdict) : "";
        verdict.style.visibility = option.visible ? "" : "hidden";
        if (!option.visible) {
            controls.Command2[i].removeAttribute("aria-description");
        }
    });
    paintVerdicts();
    fitTexts();
    return round;
}

function sayQuestion() {
    say(`${controls.lblQuestion.textContent} ${controls.lblAQuestion.textContent}`);
}

controls.cmdQuestion.forEach((button, i) => button.addEventListener("click", () => {
    quiz.newQuestion(i);
    showRound();
    sayQuestion();
}));

function spokenVerdict(i) {
    return tr("ui::Form1", "%1 %2", [controls.Label2[i].textContent.trim(),
                                     quizText(quiz.round().options[i].verdict)], "spoken verdict");
}

controls.Command2.forEach((button, i) => {
    button.addEventListener("click", () => {
        quiz.revealVerdict(i);
        showRound();
        say(spokenVerdict(i));
    });
    // Back on a revealed Select, a screen reader says its verdict after its name, as in the
    // window. It is given only once the button is left, so that the reveal is said once.
    button.addEventListener("blur", () => {
        if (quiz.round().options[i].visible) {
            button.setAttribute("aria-description", spokenVerdict(i));
        }
    });
});

controls.HScroll1.forEach((bar, r) => {
    const decimal = controls.txtDecimal[r];
    const binary = controls.txtBinary[r];
    decimal.setAttribute("aria-label", formText("Decimal address, row %1", r + 1));
    bar.setAttribute("aria-label", formText("Convert direction, row %1", r + 1));
    bar.setAttribute("aria-description",
                     formText("Left fills the decimal box, right fills the binary box"));
    binary.setAttribute("aria-label", formText("Binary address, row %1", r + 1));
    const convert = () => {
        const row = core.convertRow(decimal.value, Number(bar.value), binary.value);
        if (row.written === "decimal") {
            decimal.value = row.decimal;
            say(row.decimal);
        } else if (row.written === "binary") {
            binary.value = row.binary;
            say(row.binary);
        }
        bar.value = row.bar;
    };
    bar.addEventListener("input", convert);
    // Each arrow fills the box it points at: the one on its side, whichever way the row reads.
    const toward = (left) => (left !== mirrored ? 0 : 2);
    bar.addEventListener("pointerdown", (event) => {
        event.preventDefault();
        const box = bar.getBoundingClientRect();
        bar.value = toward(event.clientX < box.left + box.width / 2);
        convert();
        bar.focus();
    });
    bar.addEventListener("keydown", (event) => {
        if (event.key === "ArrowLeft" || event.key === "ArrowRight") {
            event.preventDefault();
            bar.value = toward(event.key === "ArrowLeft");
            convert();
        }
    });
});

// The whole window shows at once, scaled down where the browser's window is smaller.
function fit() {
    // The layout viewport: a phone's browser widens innerWidth to a page wider than its screen.
    const { clientWidth, clientHeight } = document.documentElement;
    const scale = Math.min(1, clientWidth / table.width, clientHeight / table.height);
    form.style.transform = scale < 1 ? `scale(${scale})` : "";
}
addEventListener("resize", fit);
fit();

// Kept for the next visit, which then needs no network.
navigator.serviceWorker?.register("sw.js");

quiz.load();
showRound();
controls.cmdQuestion[0].focus();
sayQuestion();

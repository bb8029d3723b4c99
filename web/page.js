// The window as a page: its controls built from the table of controls, its four events handed to
// the core, and what the core answers shown and said.
import Bramblet from "./bramblet.js";

const core = await Bramblet();
const table = core.controls();
const form = document.getElementById("Form1");
const spoken = document.getElementById("spoken");

// The controls by the names of their control arrays, each array indexed from 0.
const controls = {};

function make(spec) {
    let element;
    switch (spec.kind) {
    case "button":
        element = document.createElement("button");
        element.type = "button";
        element.textContent = spec.text;
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
        element.textContent = spec.text;
    }
    element.id = spec.index < 0 ? spec.name : `${spec.name}(${spec.index})`;
    Object.assign(element.style, {
        left: `${spec.left}px`,
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

// In the order of the tab places, so that the focus runs as in the window.
for (const spec of [...table.controls].sort((a, b) => a.tabPlace - b.tabPlace)) {
    const element = make(spec);
    if (spec.index < 0) {
        controls[spec.name] = element;
    } else {
        (controls[spec.name] ??= [])[spec.index] = element;
    }
    form.append(element);
}
form.style.width = `${table.width}px`;
form.style.height = `${table.height}px`;

// Said once, by any screen reader, as the window's announcements are.
function say(text) {
    spoken.textContent = "";
    requestAnimationFrame(() => { spoken.textContent = text; });
}

function colour(word) {
    return `rgb(${word & 0xff}, ${(word >> 8) & 0xff}, ${(word >> 16) & 0xff})`;
}

const quiz = new core.Quiz();

function showRound() {
    const round = quiz.round();
    controls.lblQuestion.textContent = round.questionText;
    controls.lblAQuestion.textContent = round.questionLine;
    round.options.forEach((option, i) => {
        const letter = controls.Label2[i].textContent.trim();
        controls.lblAnsA[i].textContent = option.text;
        controls.Command2[i].setAttribute("aria-label", `Select ${letter} ${option.text}`);
        // A hidden verdict holds no text, so that nothing gives it away before it is asked for.
        const verdict = controls.lblSolution[i];
        verdict.textContent = option.visible ? option.verdict : "";
        verdict.style.color = colour(option.colour);
        verdict.style.visibility = option.visible ? "" : "hidden";
    });
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

controls.Command2.forEach((button, i) => button.addEventListener("click", () => {
    quiz.revealVerdict(i);
    const option = showRound().options[i];
    say(`${controls.Label2[i].textContent.trim()} ${option.verdict}`);
}));

controls.HScroll1.forEach((bar, r) => {
    const decimal = controls.txtDecimal[r];
    const binary = controls.txtBinary[r];
    decimal.setAttribute("aria-label", `Decimal address, row ${r + 1}`);
    bar.setAttribute("aria-label", `Convert direction, row ${r + 1}`);
    bar.setAttribute("aria-description", "Left fills the decimal box, right fills the binary box");
    binary.setAttribute("aria-label", `Binary address, row ${r + 1}`);
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
    // A click on the bar is a click on one of its arrows.
    bar.addEventListener("pointerdown", (event) => {
        event.preventDefault();
        const box = bar.getBoundingClientRect();
        bar.value = event.clientX < box.left + box.width / 2 ? 0 : 2;
        convert();
        bar.focus();
    });
});

// The whole window shows at once, scaled down where the browser's window is smaller.
function fit() {
    const scale = Math.min(1, innerWidth / table.width, innerHeight / table.height);
    form.style.transform = scale < 1 ? `scale(${scale})` : "";
}
addEventListener("resize", fit);
fit();

quiz.load();
showRound();
controls.cmdQuestion[0].focus();
sayQuestion();

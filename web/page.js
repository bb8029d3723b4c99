// The window as a page. Its controls are in index.html, written from the table of controls; this
// binds them: the page's four events go to the core, and what the core answers is shown and said.
// If the core or a file it needs cannot be fetched, the page says so and offers to try again.
const pageTexts = JSON.parse(document.getElementById("page-texts").textContent);
// Every file of this build is asked for by the build's name, which index.html gave this script.
const build = new URL(import.meta.url).searchParams.get("b");
const versioned = (path) => (build ? `${path}?b=${build}` : path);

// The first of the browser's languages that the page has, as the window chooses among the
// desktop's: "de-AT" takes de, "pt" takes pt_BR and "zh-Hans-CN" zh_CN, from the region each most
// likely means; English, before any language the page has, keeps English.
function languageFor(wanted, known) {
    for (const tag of wanted) {
        let locale;
        try {
            locale = new Intl.Locale(tag).maximize();
        } catch {
            continue; // not a language tag
        }
        if (locale.language === "en") {
            return null;
        }
        const found = [`${locale.language}_${locale.region}`, locale.language]
            .find((name) => known.includes(name));
        if (found) {
            return found;
        }
    }
    return null;
}

const language = languageFor(navigator.languages ?? [navigator.language], pageTexts.languages);

async function fetchJson(path) {
    const response = await fetch(versioned(path));
    if (!response.ok) {
        throw new Error(`${path}: ${response.status}`);
    }
    return response.json();
}

function showFailure(error) {
    const failure = document.getElementById("failure");
    const [message, retry] = [failure.querySelector("p"), failure.querySelector("button")];
    const texts = pageTexts.texts[language] ?? {};
    if (language) {
        failure.lang = language.replace("_", "-");
        failure.dir = "auto"; // right to left where the language is
    }
    message.textContent = texts[message.textContent] || message.textContent;
    retry.textContent = texts[retry.textContent] || retry.textContent;
    retry.addEventListener("click", () => location.reload());
    failure.hidden = false;
    retry.focus();
    console.error(error);
}

async function start() {
    const [module, translations] = await Promise.all([
        import(versioned("./bramblet.js")),
        language ? fetchJson(`i18n/${language}.json`) : {},
    ]);
    const core = await module.default({ locateFile: (path, folder) => folder + versioned(path) });
    bind(core, { language, ...translations });
}

start().catch(showFailure);
// Kept for the next visit, which then needs no network. A new build is looked for at every load,
// whatever the host's caching, so that it is taken while this one runs and starts at the next.
navigator.serviceWorker?.register("sw.js").then((registration) => registration.update())
    .catch(() => {}); // offline, or a browser that keeps nothing: the page runs all the same

function bind(core, translations) {
    // A text in the learner's language, or in English where it has no translation; %1 and %2
    // are filled with `args`.
    function tr(context, english, args = [], disambiguation = null) {
        const key = [context, english, ...(disambiguation ? [disambiguation] : [])].join("\u0004");
        return (translations[key] || english).replace(/%([12])/g, (_, n) => args[n - 1]);
    }
    const formText = (english, ...args) => tr("ui::Form1", english, args);
    const quizText = (english) => tr("quiz", english);

    // A text is written only where it changes, so that what the page showed before its script ran
    // stays as it was drawn.
    function show(element, text) {
        if (element.textContent !== text) {
            element.textContent = text;
        }
    }

    const form = document.getElementById("Form1");
    const spoken = document.getElementById("spoken");
    // Right to left, the window is mirrored: each control stands where its mirror image would.
    document.documentElement.lang = (translations.language ?? "en").replace("_", "-");
    document.documentElement.dir = formText("LTR") === "RTL" ? "rtl" : "ltr";

    // The controls by the names of their control arrays, each array indexed from 0.
    const controls = {};
    for (const element of form.querySelectorAll(".control")) {
        const [, name, index] = element.id.match(/^(\w+)(?:\((\d+)\))?$/);
        if (index === undefined) {
            controls[name] = element;
        } else {
            (controls[name] ??= [])[Number(index)] = element;
        }
        if (element.matches("button, div:not(.arrowbar)")) {
            show(element, formText(element.textContent));
        }
    }

    // Said once, by any screen reader, as the window's announcements are.
    function say(text) {
        spoken.textContent = "";
        requestAnimationFrame(() => { spoken.textContent = text; });
    }

    // What describes a control to a screen reader, kept in an unseen element of its own, since
    // not every browser takes a description as an attribute.
    function describe(element, text) {
        const id = `${element.id}-description`;
        let description = document.getElementById(id);
        if (!description) {
            description = document.createElement("div");
            Object.assign(description, { id, className: "unseen" });
            description.setAttribute("aria-hidden", "true");
            document.body.append(description);
        }
        description.textContent = text;
        if (text) {
            element.setAttribute("aria-describedby", id);
        } else {
            element.removeAttribute("aria-describedby");
        }
    }

    // A text too wide for its control is drawn smaller; the members of a control array share
    // one size, the smallest any of them needs, so that four letters stand in one size. A box is
    // sized for its text at the start, a whole address, since it scrolls what the learner types.
    const measure = document.createElement("canvas").getContext("2d");
    function shareOfWidth(element) {
        if (element instanceof HTMLInputElement) {
            const style = getComputedStyle(element);
            measure.font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
            const room = element.clientWidth - parseFloat(style.paddingLeft) -
                parseFloat(style.paddingRight);
            // Canvas and box may round a text's width apart by a pixel.
            return (room - 1) / measure.measureText(element.defaultValue).width;
        }
        return element.scrollWidth > 0 ? element.clientWidth / element.scrollWidth : 1;
    }
    function fitTexts() {
        for (const members of Object.values(controls)) {
            const texts = [members].flat().filter((element) => !element.matches(".arrowbar"));
            texts.forEach((element) => { element.style.fontSize = ""; });
            // A caption's width follows its size only roughly: it is measured again until it fits.
            let size = 1;
            for (let tries = 0; tries < 4; ++tries) {
                const share = Math.min(1, ...texts.map(shareOfWidth));
                if (share >= 1) {
                    break;
                }
                size = Math.floor(size * share * 1000) / 1000;
                texts.forEach((element) => { element.style.fontSize = `calc(var(--points) * ${size})`; });
            }
        }
    }

    function colour(word) {
        return `rgb(${word & 0xff}, ${(word >> 8) & 0xff}, ${(word >> 16) & 0xff})`;
    }

    function colourWord(css) {
        const [red, green, blue] = css.match(/\d+/g).map(Number);
        return red | (green << 8) | (blue << 16);
    }

    const quiz = new core.Quiz();

    // The page follows the browser's dark style and its request for more contrast, as the
    // window follows the desktop's; the verdicts are painted for the page's colour as the
    // window's are.
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

    const letter = (i) => controls.Label2[i].textContent.trim();
    function spokenVerdict(i) {
        return tr("ui::Form1", "%1 %2", [letter(i), quizText(quiz.round().options[i].verdict)],
                  "spoken verdict");
    }

    function showRound() {
        const round = quiz.round();
        show(controls.lblQuestion, quizText(round.questionText));
        show(controls.lblAQuestion, round.questionLine);
        round.options.forEach((option, i) => {
            show(controls.lblAnsA[i], option.text);
            controls.Command2[i].setAttribute("aria-label",
                                              formText("Select %1 %2", letter(i), option.text));
            // A hidden verdict holds no text, so that nothing gives it away before it is asked
            // for.
            const verdict = controls.lblSolution[i];
            show(verdict, option.visible ? quizText(option.verdict) : "");
            verdict.classList.toggle("shown", option.visible);
            if (!option.visible) {
                describe(controls.Command2[i], "");
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
                describe(button, spokenVerdict(i));
            }
        });
    });

    controls.HScroll1.forEach((arrows, r) => {
        const decimal = controls.txtDecimal[r];
        const binary = controls.txtBinary[r];
        decimal.setAttribute("aria-label", formText("Decimal address, row %1", r + 1));
        arrows.setAttribute("aria-label", formText("Convert direction, row %1", r + 1));
        describe(arrows, formText("Left fills the decimal box, right fills the binary box"));
        binary.setAttribute("aria-label", formText("Binary address, row %1", r + 1));
        // Each arrow says which way it converts, as the core numbers the bar's positions.
        const convert = (arrow) => {
            const row = core.convertRow(decimal.value, Number(arrow.dataset.toward), binary.value);
            if (row.written === "decimal") {
                decimal.value = row.decimal;
                say(row.decimal);
            } else if (row.written === "binary") {
                binary.value = row.binary;
                say(row.binary);
            }
        };
        for (const arrow of arrows.querySelectorAll(".arrow")) {
            arrow.setAttribute("aria-label", formText(arrow.getAttribute("aria-label")));
            arrow.addEventListener("click", () => convert(arrow));
            // Left and Right convert toward the arrow on that side, as on the window's bar.
            arrow.addEventListener("keydown", (event) => {
                if (event.key !== "ArrowLeft" && event.key !== "ArrowRight") {
                    return;
                }
                event.preventDefault();
                const [left, right] = [...arrows.querySelectorAll(".arrow")].sort(
                    (a, b) => a.getBoundingClientRect().left - b.getBoundingClientRect().left);
                convert(event.key === "ArrowLeft" ? left : right);
            });
        }
    });

    // Texts are fitted again once the page's font is there, and whenever the window changes size.
    new ResizeObserver(fitTexts).observe(form);
    document.fonts.addEventListener("loadingdone", fitTexts);
    document.fonts.ready.then(fitTexts);

    quiz.load();
    showRound();
    // The first question is said with the button the page starts on: a screen reader may not yet
    // listen to the page's announcements while it takes in the page. Once the learner moves on,
    // the button is only itself again.
    const first = controls.cmdQuestion[0];
    // The page's first frame asked for the focus there; an engine that would act on that only
    // later must not take it back from where the learner has since moved it.
    first.autofocus = false;
    if (document.activeElement === first || document.activeElement === document.body) {
        describe(first, `${controls.lblQuestion.textContent} ${controls.lblAQuestion.textContent}`);
        first.addEventListener("blur", () => describe(first, ""), { once: true });
        first.focus();
    } else {
        sayQuestion(); // the learner has moved the focus already
    }
}

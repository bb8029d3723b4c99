// The page in one browser engine, driven as a learner would, from one table of cases: its controls
// against the table of controls, the four events, the keyboard and the converter; the narrow
// layout on a phone, at 200 % zoom and at 320 CSS pixels; Arabic, mirrored; the colours; axe-core's
// rules; offline, a new build deployed, a failed start, and the languages asked for.
// Usage: node page_test.mjs SITE ENGINE AXE_MIN_JS
import { spawn } from "node:child_process";
import { cpSync, mkdtempSync, readFileSync, renameSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { PNG } from "pngjs";
import { open } from "./engines.mjs";

const [site, engine, axePath] = process.argv.slice(2);
const AXE = readFileSync(axePath, "utf8");
const arabic = JSON.parse(readFileSync(join(site, "i18n", "ar.json"), "utf8"));
const inArabic = (english, context = "ui::Form1") => arabic[`${context}\u0004${english}`];
const START = "123.54.23.45"; // what the table shows before the first question is posed

let failed = 0;
function check(ok, what) {
    if (!ok) {
        failed += 1;
        console.log(`FAIL [${engine}] ${what}`);
    }
}
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
async function until(condition, seconds = 10) {
    for (const end = Date.now() + seconds * 1000; Date.now() < end; await sleep(100)) {
        const value = await condition().catch(() => false);
        if (value) {
            return value;
        }
    }
    return false;
}

// A site folder served as `scripts/run web` serves it, by Python's http.server, which sends each
// file's time and no Cache-Control.
async function serve(folder) {
    const server = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                     "--directory", folder], { stdio: ["ignore", "pipe", "ignore"] });
    const port = await new Promise((done) => server.stdout.on("data", (line) => {
        const found = /port (\d+)/.exec(line);
        if (found) {
            done(found[1]);
        }
    }));
    return { url: `http://127.0.0.1:${port}/`, stop: () => server.kill() };
}

const work = mkdtempSync(join(tmpdir(), "page-test-"));
// A copy of the site, changed by `change(folder)`.
function variant(name, change) {
    const folder = join(work, name);
    cpSync(site, folder, { recursive: true, preserveTimestamps: true });
    change(folder);
    return folder;
}

// In the page: each shown control's text and box as drawn, for the layout checks. A text's size is
// as it shows, should anything scale the page.
function drawn() {
    const measure = document.createElement("canvas").getContext("2d");
    const form = document.getElementById("Form1");
    const shown = form.getBoundingClientRect().width / form.offsetWidth;
    const scale = Math.abs(shown - 1) < 0.01 ? 1 : shown; // offsetWidth is rounded
    return [...document.querySelectorAll("#Form1 > :not(h1, .line-end), .arrow")]
        .filter((e) => getComputedStyle(e).visibility === "visible")
        .map((e) => {
            const style = getComputedStyle(e);
            const box = e.getBoundingClientRect();
            let cut = e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1;
            if (e instanceof HTMLInputElement) {
                measure.font = `${style.fontSize} ${style.fontFamily}`;
                cut = measure.measureText(e.value).width >
                    e.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight) + 1;
            }
            return { id: e.id || `${e.parentElement.id} ${e.className}`,
                     size: Math.round(parseFloat(style.fontSize) * scale * 100) / 100,
                     box: [box.left, box.top, box.width, box.height].map(Math.round),
                     target: e.matches("button, input"), text: !e.matches("[role=group]"), cut };
        });
}

function contrast(first, second) {
    const luminance = (rgb) => {
        const [r, g, b] = rgb.slice(0, 3).map((c) => c / 255)
            .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [lighter, darker] = [luminance(first), luminance(second)].sort((a, b) => b - a);
    return (lighter + 0.05) / (darker + 0.05);
}

// A text's contrast as the screen shows it: the pixel that stands out most from the colour most
// of its box is drawn in.
function drawnContrast(png) {
    const { data } = PNG.sync.read(png);
    const counts = new Map();
    for (let i = 0; i < data.length; i += 4) {
        const key = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
        counts.set(key, (counts.get(key) ?? 0) + 1);
    }
    const rgb = (key) => [key >> 16, (key >> 8) & 0xff, key & 0xff];
    const ground = [...counts].sort((a, b) => b[1] - a[1])[0][0];
    return Math.max(...[...counts.keys()].map((key) => contrast(rgb(key), rgb(ground))));
}

// In the page: each shown text's colour and the colour of what it stands on.
function colours() {
    const rgb = (css) => css.match(/[\d.]+/g).map(Number);
    const ground = (e) => {
        for (; e; e = e.parentElement) {
            const colour = rgb(getComputedStyle(e).backgroundColor);
            if (colour[3] !== 0) {
                return colour;
            }
        }
        return [255, 255, 255];
    };
    return [...document.querySelectorAll("#Form1 > .control:not(.arrowbar), .arrow")]
        .filter((e) => getComputedStyle(e).visibility === "visible")
        .map((e) => [e.id || e.className, rgb(getComputedStyle(e).color), ground(e)]);
}

// The texts below their least contrast: verdicts below `verdicts`, in their colours and as drawn,
// any other text below `texts`.
async function faint(page, verdicts, texts) {
    const ratios = (await page.run(colours)).map(([id, fore, back]) => [id, contrast(fore, back)]);
    for (const i of [0, 1, 2, 3]) {
        ratios.push([`lblSolution(${i}) as drawn`, drawnContrast(await page.screenshot(`lblSolution(${i})`))]);
    }
    return ratios.filter(([id, ratio]) => ratio < (id.startsWith("lblSolution") ? verdicts : texts));
}

const text = (page, id) => page.run((name) => document.getElementById(name).textContent, id);
const value = (page, id) => page.run((name) => document.getElementById(name).value, id);
const focused = (page) => page.run(() => document.activeElement.id ||
    document.activeElement.closest("[id]")?.id);
const hiddenVerdicts = (page) => page.run(() => [0, 1, 2, 3].filter((i) => {
    const verdict = document.getElementById(`lblSolution(${i})`);
    return getComputedStyle(verdict).visibility === "hidden" && verdict.textContent === "";
}));
const revealAll = async (page) => {
    for (const i of [0, 1, 2, 3]) {
        await page.click(`Command2(${i})`);
    }
};
// Conversions to binary made from now on, counted by what the page says of them.
const countSpoken = (page) => page.run(() => {
    window.spokenCount = 0;
    new MutationObserver(() => {
        window.spokenCount += /^[01.]+$/.test(document.getElementById("spoken").textContent) ? 1 : 0;
    }).observe(document.getElementById("spoken"), { childList: true });
});
const violations = async (page) => {
    await page.run(AXE);
    return page.run(async () => (await axe.run(document)).violations.map(
        (rule) => [rule.id, rule.nodes.map((node) => node.target.join(" "))]));
};
// The page loaded and its first question posed, or false.
async function load(page, url) {
    await page.goto(url);
    return until(async () => (await text(page, "lblAQuestion")) !== START);
}

// A new build deployed over the site the learner has visited, in place: every file that a build
// changes changes, and the build has a name of its own, as the next build would. The files keep
// their times where `keepTimes`, as a copy that keeps them does. Gives the new build's name.
function deploy(live, keepTimes) {
    const old = readFileSync(join(live, "sw.js"), "utf8").match(/const BUILD = "(\w+)"/)[1];
    const next = `${old.slice(0, -4)}beef`;
    const copy = `${live}-next`;
    cpSync(live, copy, { recursive: true, preserveTimestamps: keepTimes });
    for (const name of ["index.html", "sw.js"]) {
        const file = join(copy, name);
        writeFileSync(file, readFileSync(file, "utf8").replaceAll(old, next));
    }
    writeFileSync(join(copy, "page.css"), `${readFileSync(join(copy, "page.css"), "utf8")}\n/* next */\n`);
    rmSync(live, { recursive: true });
    renameSync(copy, live);
    return next;
}

const CASES = [
    ["every control at the table's place, and the first question posed", { width: 1000, height: 800 },
        async (page) => {
            const table = await page.run(async () => {
                const core = await (await import("./bramblet.js")).default();
                return core.controls();
            });
            for (const spec of table.controls) {
                const id = spec.index < 0 ? spec.name : `${spec.name}(${spec.index})`;
                const box = await page.run((name) => {
                    const r = document.getElementById(name).getBoundingClientRect();
                    return [r.left, r.top, r.width, r.height];
                }, id);
                const wanted = [spec.left, spec.top, spec.width, spec.height];
                check(box.every((v, i) => Math.abs(v - wanted[i]) < 0.5), `${id} at ${box}, not ${wanted}`);
            }
            check(await text(page, "lblQuestion") === "Which of these IP addresses matches:",
                  `the first question is ${await text(page, "lblQuestion")}`);
            check(/^\d+\.\d+\.\d+\.\d+\/\d+$/.test(await text(page, "lblAQuestion")), "no first block");
            check(await focused(page) === "cmdQuestion(0)", `the focus starts on ${await focused(page)}`);
            check((await hiddenVerdicts(page)).length === 4, "a verdict shows before any Select");
        }],
    ["the keyboard: the window's tab order, Space and Enter, and the arrows", { width: 1000, height: 800 },
        async (page) => {
            const order = ["Command2(0)", "Command2(1)", "Command2(2)", "Command2(3)", "cmdQuestion(1)",
                "cmdQuestion(2)", "txtDecimal(0)", "txtBinary(0)", "HScroll1(0)", "HScroll1(1)",
                "txtBinary(1)", "txtDecimal(1)"];
            const tabbed = [];
            for (const _ of order) {
                await page.tab();
                tabbed.push(await focused(page));
            }
            check(tabbed.join() === order.join(), `Tab runs ${tabbed}`);
            const activate = (id, key) => (page.keysActivate ? page.key(id, key) : page.click(id));
            await activate("cmdQuestion(2)", "Space");
            check(await text(page, "lblQuestion") === "How many IP addresses are contained in the range:",
                  "Space on New Type 3 posed no count question");
            await activate("Command2(1)", "Enter");
            const verdict = await text(page, "lblSolution(1)");
            check(["True", "False", "Silly"].includes(verdict), `verdict b) is ${verdict}`);
            check((await hiddenVerdicts(page)).join() === "0,2,3", "Select b) showed another verdict");
            check(await until(async () => await text(page, "spoken") === `b) ${verdict}`), "b) not said");
            await page.type("txtDecimal(1)", "10.0.0.1");
            await page.key("HScroll1(0)", "ArrowRight");
            check(await value(page, "txtBinary(0)") === "11111111.11111111.11111111.11111111",
                  `Right wrote ${await value(page, "txtBinary(0)")}`);
            await page.type("txtBinary(0)", "00001010.00000000.00000000.00000001");
            await page.key("HScroll1(0)", "ArrowLeft");
            check(await value(page, "txtDecimal(0)") === "10.0.0.1", `Left wrote ${await value(page, "txtDecimal(0)")}`);
            check(await value(page, "txtDecimal(1)") === "10.0.0.1", "a conversion overwrote the other row");
            // The page keys move nothing, as on the window's bar.
            await page.key("HScroll1(1)", "End");
            check(await value(page, "txtBinary(1)") === "00000000.00000000.00000000.00000000", "End converted");
        }],
    ["the arrows: a click or a touch converts once, a paste with no answer changes nothing",
        { width: 480, height: 640, phone: true },
        async (page) => {
            await page.click("cmdQuestion(1)");
            check(await text(page, "lblQuestion") === "Which of these ranges includes:", "New Type 2 posed nothing");
            check((await hiddenVerdicts(page)).length === 4, "a new question kept a verdict");
            await countSpoken(page);
            await page.type("txtDecimal(1)", "10.0.0.1");
            await page.run(() => document.querySelector('[id="HScroll1(1)"] .to-binary').id = "to-binary-1");
            await page.tap("to-binary-1");
            check(await value(page, "txtBinary(1)") === "00001010.00000000.00000000.00000001",
                  `a touch wrote ${await value(page, "txtBinary(1)")}`);
            await sleep(300);
            check(await page.run(() => window.spokenCount) === 1,
                  `a touch converted ${await page.run(() => window.spokenCount)} times`);
            check(await page.run(() => document.querySelector("input[type=range]") === null),
                  "a converter bar is still a range input, drawn with its engine's thumb");
            const pasted = await page.run(() => {
                const box = document.getElementById("txtDecimal(1)");
                box.value = "\u00e9x\ud83d\ude00.".repeat(1 << 20);
                return box.value.length;
            });
            await page.click("to-binary-1");
            check(await value(page, "txtBinary(1)") === "00001010.00000000.00000000.00000001",
                  "a paste with no answer wrote the binary box");
            check(await page.run(() => document.getElementById("txtDecimal(1)").value.length) === pasted,
                  "the paste was not kept as it was");
        }],
    ["a 360x640 phone: one column of readable text and thumb-sized targets", { width: 360, height: 640, phone: true },
        async (page) => {
            await revealAll(page);
            const controls = await page.run(drawn);
            // The boxes' text is drawn as large as a whole address allows, never under 12 px.
            const small = controls.filter((c) => c.text && c.size < (c.id.startsWith("txt") ? 12 : 16))
                .map((c) => `${c.id} ${c.size}px`);
            check(!small.length, `text too small on a phone: ${small}`);
            const tiny = controls.filter((c) => c.target && (c.box[2] < 44 || c.box[3] < 44))
                .map((c) => `${c.id} ${c.box[2]}x${c.box[3]}`);
            check(!tiny.length, `targets under 44x44 px on a phone: ${tiny}`);
            const cut = controls.filter((c) => c.cut).map((c) => c.id);
            check(!cut.length, `cut on a phone: ${cut}`);
            const below = controls.filter((c) => /^(cmdQuestion|lbl|Label2|Command2)/.test(c.id) &&
                c.box[1] + c.box[3] > 640).map((c) => c.id);
            check(!below.length, `the question does not fit the phone's screen: ${below}`);
            check(await page.run(() => document.documentElement.scrollWidth) <= 360, "the phone scrolls sideways");
        }],
    ["200 % zoom doubles the text; 320 CSS px keeps it readable with no sideways scroll",
        { width: 800, height: 700 },
        async (page) => {
            const sizes = async () => Object.fromEntries((await page.run(drawn)).map((c) => [c.id, c.size]));
            const whole = await sizes();
            await page.viewport(400, 350, { scale: 2 }); // the same window at 200 %
            await sleep(300);
            if (!await page.run(() => innerWidth === 400)) {
                return console.log(`[${engine}] 200 %: not judged, the engine cannot size its page`);
            }
            const zoomed = await sizes();
            const shrunk = Object.keys(whole).filter((id) => !id.startsWith("txt") && zoomed[id] < whole[id])
                .map((id) => `${id} ${whole[id]} -> ${zoomed[id]}`);
            check(!shrunk.length, `at 200 % these texts grow less than twice: ${shrunk}`);
            await page.viewport(320, 640);
            await sleep(300);
            const narrow = await page.run(drawn);
            const small = narrow.filter((c) => c.text && c.size < 12).map((c) => `${c.id} ${c.size}px`);
            check(!small.length, `text under 12 px at 320 px: ${small}`);
            check(await page.run(() => document.documentElement.scrollWidth) <= 320, "320 px scrolls sideways");
        }],
    ["Arabic: its texts, mirrored in both layouts, each arrow filling the box it points at",
        { languages: "ar-EG,de", width: 1000, height: 800 },
        async (page) => {
            check((await page.run(() => [document.documentElement.lang, document.documentElement.dir])).join()
                  === "ar,rtl", "the Arabic page is not marked right to left");
            for (const [id, english] of [["cmdQuestion(0)", "New Type 1"], ["Label2(1)", "b) "],
                                         ["Command2(3)", "Select"]]) {
                check(await text(page, id) === inArabic(english), `${id} reads ${await text(page, id)} in Arabic`);
            }
            check(await text(page, "lblQuestion") === inArabic("Which of these IP addresses matches:", "quiz"),
                  "the question is not in Arabic");
            const box = await page.run(() => document.getElementById("cmdQuestion(0)").getBoundingClientRect().left -
                document.getElementById("Form1").getBoundingClientRect().left);
            check(box === 762 - 56 - 177, `New Type 1 stands at ${box} in the window right to left`);
            for (const [width, height] of [[1000, 800], [480, 640]]) {
                if (!await page.viewport(width, height)) {
                    console.log(`[${engine}] Arabic at ${width} px: not judged, the engine cannot size its page`);
                    continue;
                }
                const cut = (await page.run(drawn)).filter((c) => c.cut).map((c) => c.id);
                check(!cut.length, `cut in Arabic at ${width} px: ${cut}`);
                await page.type("txtBinary(0)", "00001010.00000000.00000000.00000001");
                await page.key("HScroll1(0)", "ArrowRight"); // toward the decimal box, on the right
                check(await value(page, "txtDecimal(0)") === "10.0.0.1",
                      `Right wrote ${await value(page, "txtDecimal(0)")} right to left at ${width} px`);
                const [decimal, binary] = await page.run(() => ["txtDecimal(0)", "txtBinary(0)"].map(
                    (id) => document.getElementById(id).getBoundingClientRect().left));
                check(width < 762 || decimal > binary, `the decimal box is not on the right: ${decimal}, ${binary}`);
            }
            check(await page.run(() => getComputedStyle(document.getElementById("txtDecimal(0)")).direction)
                  === "ltr", "the decimal box reads right to left");
            await page.click("Command2(0)");
            check(await until(async () => (await text(page, "spoken")).startsWith(`${inArabic("a) ").trim()} `)),
                  "verdict a) not said in Arabic");
        }],
    ["axe-core finds nothing, every verdict shown, in English and in Arabic", { width: 1000, height: 800 },
        async (page, { url }) => {
            for (const languages of ["en", "ar"]) {
                const again = languages === "en" ? page : await open(engine, languages);
                if (again !== page && !await load(again, url)) {
                    check(false, "the Arabic page posed no question");
                    continue;
                }
                await again.viewport(1000, 800);
                await revealAll(again);
                const found = await violations(again);
                check(!found.length, `axe-core finds in ${languages}: ${JSON.stringify(found)}`);
                if (again !== page) {
                    await again.close();
                }
            }
        }],
    ["more contrast and forced colours keep every text readable, in both layouts",
        { width: 1000, height: 800 },
        async (page) => {
            await revealAll(page);
            for (const [[features, verdicts, texts], width] of [
                [[{ name: "prefers-contrast", value: "more" }], 7, 7],
                [[{ name: "prefers-color-scheme", value: "dark" }, { name: "prefers-contrast", value: "more" }], 7, 7],
                [[{ name: "forced-colors", value: "active" }, { name: "prefers-color-scheme", value: "dark" }], 4.5, 4.5],
            ].flatMap((media) => [[media, 1000], [media, 480]])) {
                if (!await page.media(features)) {
                    return console.log(`[${engine}] more contrast: not judged, the engine's driver cannot ask for it`);
                }
                await page.viewport(width, 800);
                const settled = await until(async () => (await faint(page, verdicts, texts)).length === 0, 2);
                check(settled, `too faint at ${width} px under ${JSON.stringify(features)}: ` +
                      JSON.stringify(await faint(page, verdicts, texts)));
            }
            await page.media([]);
        }],
    ["the browser's dark style keeps every verdict readable, in both layouts",
        { dark: true, width: 1000, height: 800 },
        async (page) => {
            if (!await page.run(() => matchMedia("(prefers-color-scheme: dark)").matches)) {
                return console.log(`[${engine}] dark style: not judged, the browser did not take it`);
            }
            await revealAll(page);
            for (const width of [1000, 480]) {
                await page.viewport(width, 800);
                const settled = await until(async () => (await faint(page, 4.5, 0)).length === 0, 2);
                check(settled, `too faint at ${width} px in dark style: ${JSON.stringify(await faint(page, 4.5, 0))}`);
            }
        }],
    ["the languages asked for: the region each most likely means, and English first keeps English",
        { width: 1000, height: 800 },
        async (page, { url }) => {
            for (const [languages, lang] of [["zh-Hans-CN", "zh-CN"], ["pt", "pt-BR"], ["it,de-AT", "de"],
                                             ["de-AT", "de"], ["en-US,de", "en"]]) {
                const again = await open(engine, languages);
                await load(again, url);
                const [asked, shown] = await again.run(() => [navigator.languages.join(),
                                                              document.documentElement.lang]);
                if (asked.toLowerCase() === languages.toLowerCase()) {
                    check(shown === lang, `a browser asking for ${languages} shows ${shown}, not ${lang}`);
                } else {
                    console.log(`[${engine}] cannot ask for ${languages}, only for ${asked}`);
                }
                await again.close();
            }
        }],
    ["without JavaScript the page says what it needs", { scripts: false, width: 1000, height: 800 },
        async (page) => {
            const shown = await page.run(() => document.body.innerText);
            check(shown.includes("needs JavaScript"), "nothing says the page needs JavaScript");
        }],
    ["offline after the first visit, the page comes back whole", { languages: "ar", fresh: true, width: 1000, height: 800 },
        async (page, { url, server }) => {
            const controlled = await until(() => page.run(() => navigator.serviceWorker.controller !== null));
            check(controlled, "no service worker took the page");
            server.stop();
            await sleep(200);
            check(await load(page, url) && await text(page, "lblQuestion") ===
                  inArabic("Which of these IP addresses matches:", "quiz"), "the page did not come back offline");
        }],
    ...[true, false].map((keepTimes) => [
        `a new build reaches a learner who was here before, the files' times ${keepTimes ? "kept" : "new"}`,
        { fresh: true, live: true, width: 1000, height: 800 },
        async (page, { url, live }) => {
            check(await until(() => page.run(() => navigator.serviceWorker.controller !== null)),
                  "no service worker took the page");
            const next = deploy(live, keepTimes);
            // What ran: the build of the page's script, and every build that any file came from.
            const builds = () => page.run(() => [document.querySelector("script[type=module]").src,
                ...performance.getEntriesByType("resource").map((entry) => entry.name)]
                .map((name) => new URL(name).searchParams.get("b")).filter(Boolean));
            const runs = [];
            for (const _ of [1, 2]) {
                await load(page, url);
                const seen = [...new Set(await builds())];
                check(seen.length === 1, `one load ran files of builds ${seen}`);
                runs.push(seen[0] === next ? "new" : "old");
                // The learner stays a while: the new build's worker installs and takes over.
                await until(() => page.run(async (store) => {
                    const registration = await navigator.serviceWorker.getRegistration();
                    return registration.active?.state === "activated" && !registration.installing &&
                        !registration.waiting && (await caches.keys()).join() === store;
                }, `orwins-bramblet-${next}`));
            }
            console.log(`[${engine}] after a deploy, times ${keepTimes ? "kept" : "new"}: loads ran ${runs}`);
            check(runs[1] === "new", `the second load after a deploy ran the ${runs[1]} build`);
        }]),
    ["a failed start says so in the learner's language, and Try again starts the page",
        { languages: "de", site: "broken", width: 1000, height: 800 },
        async (page, { url, folder }) => {
            const failure = await until(() => page.run(() => !document.getElementById("failure").hidden &&
                document.querySelector("#failure p").textContent));
            check(failure === JSON.parse(readFileSync(join(site, "i18n", "de.json"), "utf8"))[
                "web::Page\u0004The page could not load. Check the connection, then try again."],
                  `a failed start says ${failure}`);
            cpSync(join(site, "bramblet.wasm"), join(folder, "bramblet.wasm"));
            await page.run(() => document.querySelector("#failure button").id = "retry");
            await page.click("retry");
            check(await until(async () => (await text(page, "lblAQuestion")) !== START),
                  "Try again did not start the page");
        }],
    ["a message not yet translated shows in English", { languages: "de", site: "unfinished", width: 1000, height: 800 },
        async (page) => {
            check(await until(async () => (await text(page, "lblAQuestion")) !== START), "no question posed");
            check(await text(page, "Command2(0)") === "Select", `Select reads ${await text(page, "Command2(0)")}`);
            check(await text(page, "cmdQuestion(0)") !== "New Type 1", "the page is not in German");
        }],
];

const SITES = {
    broken: () => variant("broken", (folder) => rmSync(join(folder, "bramblet.wasm"))),
    unfinished: () => variant("unfinished", (folder) => {
        const file = join(folder, "i18n", "de.json");
        const messages = JSON.parse(readFileSync(file, "utf8"));
        messages["ui::Form1\u0004Select"] = "";
        writeFileSync(file, JSON.stringify(messages));
    }),
};

const shared = await serve(site);
const browsers = new Map(); // one browser for every case that needs no profile of its own
try {
    for (const [name, options, run] of CASES) {
        const { languages = "en-GB,de", site: kind, fresh, live, scripts = true, dark, width, height,
                phone } = options;
        const own = fresh || kind || !scripts || dark;
        let page = own ? undefined : browsers.get(languages);
        if (!page) {
            page = await open(engine, languages, { scripts, dark });
            if (!page) {
                console.log(`[${engine}] ${name}: not judged, the engine's driver cannot set it up`);
                continue;
            }
            if (!own) {
                browsers.set(languages, page);
            }
        }
        const folder = kind ? SITES[kind]() : live ? variant("live", () => {}) : site;
        const server = folder === site ? shared : await serve(folder);
        const started = Date.now();
        try {
            if (!await page.viewport(width, height, { phone, scale: phone ? 2 : 1 })) {
                console.log(`[${engine}] ${name}: not judged, the engine cannot size its page ${width}x${height}`);
            } else if (kind || !scripts) {
                await page.goto(server.url);
                await run(page, { url: server.url, server, folder });
            } else if (!await load(page, server.url)) {
                check(false, `${name}: the page posed no question`);
            } else {
                await run(page, { url: server.url, server, folder, live: folder });
            }
        } catch (error) {
            check(false, `${name}: ${error.stack ?? error}`);
        } finally {
            if (own) {
                await page.close();
            }
            if (server !== shared) {
                server.stop();
            }
        }
        console.log(`[${engine}] ${name}: ${((Date.now() - started) / 1000).toFixed(1)} s`);
    }
} finally {
    for (const page of browsers.values()) {
        await page.close();
    }
    shared.stop();
    rmSync(work, { recursive: true, force: true });
}
console.log(`${failed ? 0 : 1} passed, ${failed ? 1 : 0} failed`);
process.exit(failed ? 1 : 0);

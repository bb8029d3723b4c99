// The three browser engines Debian has, each behind the same few steps a learner takes: Chromium
// and Firefox ESR through puppeteer-core (Firefox speaks WebDriver BiDi itself), WebKitGTK through
// its own WebKitWebDriver and selenium-webdriver. Each is the browser Debian installs, headless
// where it can be; WebKit's MiniBrowser needs a display (the test runs it under xvfb-run).
import { execFileSync, spawn } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { PNG } from "pngjs";
import puppeteer from "puppeteer-core";
import { Builder, By, Key } from "selenium-webdriver";

const byId = (id) => `[id="${id}"]`;
// Focuses a control as Tab would: a group of buttons at the one it takes the focus on.
function focus(id) {
    const control = document.getElementById(id);
    (control.matches("[role=group]") ? control.querySelector("button:not([tabindex='-1'])") : control).focus();
}

async function freePort() {
    const server = createServer().listen(0, "127.0.0.1");
    await new Promise((done) => server.once("listening", done));
    const { port } = server.address();
    await new Promise((done) => server.close(done));
    return port;
}

// A page in Chromium or Firefox, driven through puppeteer-core.
class PuppeteerPage {
    constructor(browser, page, engine) {
        // Firefox, driven through BiDi, does not activate a focused button on a key it is sent.
        Object.assign(this, { browser, page, engine, keysActivate: engine !== "firefox" });
    }

    // Sizes the page to `width` x `height` CSS pixels, and says whether the engine allowed it.
    async viewport(width, height, { scale = 1, phone = false } = {}) {
        await this.page.setViewport({ width, height, deviceScaleFactor: scale,
                                      isMobile: phone && this.engine === "chromium",
                                      hasTouch: phone && this.engine === "chromium" });
        return true;
    }

    goto(url) { return this.page.goto(url); }
    run(fn, ...args) { return this.page.evaluate(fn, ...args); }
    click(id) { return this.page.click(byId(id)); }
    async tap(id) {
        if (this.engine === "chromium") {
            return this.page.tap(byId(id));
        }
        return this.click(id); // Firefox takes no touch through BiDi yet
    }
    async key(id, key) {
        await this.run(focus, id);
        await this.page.keyboard.press(key === "Space" ? " " : key);
    }
    tab() { return this.page.keyboard.press("Tab"); }
    async type(id, text) {
        await this.page.$eval(byId(id), (box) => { box.value = ""; });
        await this.page.type(byId(id), text);
    }
    async screenshot(id) { return Buffer.from(await (await this.page.$(byId(id))).screenshot()); }
    // The browser's own colour and contrast settings, where the engine lets a test set them.
    async media(features) {
        if (this.engine !== "chromium") {
            return false;
        }
        this.cdp ??= await this.page.createCDPSession();
        await this.cdp.send("Emulation.setEmulatedMedia", { features });
        return true;
    }
    close() { return this.browser.close(); }
}

const LAUNCH = {
    chromium: ({ languages, scripts }) => ({
        browser: "chrome",
        executablePath: "/usr/bin/chromium",
        args: ["--no-sandbox", `--accept-lang=${languages}`, "--disable-features=NativeNotifications",
               ...(scripts ? [] : ["--blink-settings=scriptEnabled=false"])],
    }),
    firefox: ({ languages, scripts, dark }) => ({
        browser: "firefox",
        executablePath: "/usr/bin/firefox-esr",
        extraPrefsFirefox: { "intl.accept_languages": languages, "javascript.enabled": scripts,
                             // 0 asks pages for their dark style, 2 for the system's
                             "layout.css.prefers-color-scheme.content-override": dark ? 0 : 2 },
    }),
};

// Debian keeps MiniBrowser in the folder of its processor's multiarch triplet.
const miniBrowser = () => readdirSync("/usr/lib").map((triplet) =>
    `/usr/lib/${triplet}/webkit2gtk-4.1/MiniBrowser`).find(existsSync);

// WebKitGTK asks for the language of the locale it runs in, which the system may not have: it is
// made for the run, as Debian's locales package makes any locale.
function localeFor(languages) {
    const [language, region] = languages.split(",")[0].split("-");
    const sources = readdirSync("/usr/share/i18n/locales");
    const source = [`${language}_${region}`, ...sources].find(
        (name) => sources.includes(name) && name.startsWith(`${language}_`));
    const folder = mkdtempSync(join(tmpdir(), "locale-"));
    execFileSync("localedef", ["-i", source, "-f", "UTF-8", join(folder, `${source}.UTF-8`)]);
    return { LOCPATH: folder, LANG: `${source}.UTF-8`,
             LANGUAGE: languages.replaceAll("-", "_").replaceAll(",", ":") };
}

// A page in WebKitGTK's MiniBrowser, driven through WebKitWebDriver.
class WebKitPage {
    constructor(driver, server) {
        Object.assign(this, { driver, server, engine: "webkit", keysActivate: true });
    }

    // MiniBrowser's window is never narrower than its toolbar, about 450 pixels. The window's
    // frame is measured afresh at each try, since it is not known before the first page.
    async viewport(width, height) {
        for (let tries = 0; tries < 5; ++tries) {
            const [innerWidth, innerHeight, outerWidth, outerHeight] = await this.run(
                () => [innerWidth, innerHeight, outerWidth, outerHeight]);
            if (innerWidth === width && innerHeight === height) {
                return true;
            }
            await this.driver.manage().window().setRect({ width: width + outerWidth - innerWidth,
                                                          height: height + outerHeight - innerHeight });
            await new Promise((done) => setTimeout(done, 100));
        }
        return false;
    }

    goto(url) { return this.driver.get(url); }
    run(fn, ...args) { return this.driver.executeScript(fn, ...args); }
    element(id) { return this.driver.findElement(By.css(byId(id))); }
    async click(id) { await (await this.element(id)).click(); }
    tap(id) { return this.click(id); }
    async key(id, key) {
        const keys = { Tab: Key.TAB, Space: Key.SPACE, Enter: Key.ENTER, ArrowLeft: Key.ARROW_LEFT,
                       ArrowRight: Key.ARROW_RIGHT, End: Key.END };
        await this.run(focus, id);
        await this.driver.actions().sendKeys(keys[key]).perform();
    }
    tab() { return this.driver.actions().sendKeys(Key.TAB).perform(); }
    async type(id, text) {
        const box = await this.element(id);
        await box.clear();
        await box.sendKeys(text);
    }
    // WebKitWebDriver 2.52 gives an element's screenshot as an empty image: the element is cut
    // from a screenshot of the page.
    async screenshot(id) {
        const page = PNG.sync.read(Buffer.from(await this.driver.takeScreenshot(), "base64"));
        const [left, top, width, height, scale] = await this.run((name) => {
            const box = document.getElementById(name).getBoundingClientRect();
            return [box.left, box.top, box.width, box.height, devicePixelRatio].map(Math.round);
        }, id);
        const element = new PNG({ width: width * scale, height: height * scale });
        PNG.bitblt(page, element, left * scale, top * scale, width * scale, height * scale, 0, 0);
        return PNG.sync.write(element);
    }
    async media() { return false; }
    async close() {
        await this.driver.quit();
        this.server.kill();
    }
}

// Opens a fresh browser of `engine` for a learner whose browser asks for `languages`, first in
// that order, with an empty profile: no cache, no service worker. Without `scripts`, where the
// engine's driver can turn them off, or else null; `dark`, in the browser's dark style.
export async function open(engine, languages, { scripts = true, dark = false } = {}) {
    if (engine === "webkit") {
        if (!scripts) {
            return null; // WebKitWebDriver has no setting for it
        }
        const port = await freePort();
        // MiniBrowser takes its language from the environment, as any GTK program does.
        const server = spawn("WebKitWebDriver", [`--port=${port}`], {
            stdio: "ignore",
            env: { ...process.env, LC_ALL: "", ...localeFor(languages),
                   ...(dark ? { GTK_THEME: "Adwaita:dark" } : {}) } });
        let driver;
        for (let tries = 0; !driver; ++tries) {
            try {
                driver = await new Builder().usingServer(`http://127.0.0.1:${port}`)
                    .withCapabilities({ browserName: "MiniBrowser", "webkitgtk:browserOptions": {
                        binary: miniBrowser(),
                        args: ["--automation"] } })
                    .build();
            } catch (error) {
                if (tries === 50) {
                    server.kill();
                    throw error;
                }
                await new Promise((done) => setTimeout(done, 100));
            }
        }
        return new WebKitPage(driver, server);
    }
    const browser = await puppeteer.launch({ headless: true,
                                             ...LAUNCH[engine]({ languages, scripts, dark }) });
    const [page] = await browser.pages();
    const opened = new PuppeteerPage(browser, page, engine);
    if (dark && engine === "chromium") {
        await opened.media([{ name: "prefers-color-scheme", value: "dark" }]);
    }
    return opened;
}

export const ENGINES = ["chromium", "firefox", "webkit"];

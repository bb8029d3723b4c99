"""Finishes the page's site folder once its other files are in it. From the window's .ts files it
writes i18n/LANGUAGE.json for each language, a message's key its context, its source text and its
disambiguation joined by U+0004; a message left unfinished is left out, so that the page shows it
in English, as the window does. It writes page.css, the page's styles followed by the controls'
places, one file that the first paint waits for. Then it names the build by its files' contents
and writes index.html and sw.js from their templates, with the controls and the texts for a failed
start. WRITTEN is the folder of what page_controls wrote.
Usage: assemble_site.py SITE INDEX_TEMPLATE SW_TEMPLATE PAGE_CSS WRITTEN TS_FILE..."""
import hashlib
import json
import os
import sys
from xml.etree import ElementTree

site, index_template, sw_template, page_css, written, *ts_files = sys.argv[1:]
PAGE_CONTEXT = "web::Page"  # the page's own texts, shown before any other file is fetched


def finished_messages(tree):
    for context in tree.iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or \
                    not (translation.text or "").strip():
                continue
            yield context.findtext("name"), message, translation.text


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


with open(os.path.join(site, "page.css"), "w", encoding="utf-8") as file:
    file.write(read(page_css) + "\n" + read(os.path.join(written, "controls.css")))

os.makedirs(os.path.join(site, "i18n"), exist_ok=True)
languages = []
page_texts = {}
for path in ts_files:
    tree = ElementTree.parse(path)
    language = tree.getroot().get("language")
    messages = {}
    for context, message, translation in finished_messages(tree):
        key = [context, message.findtext("source")]
        if message.find("comment") is not None:
            key.append(message.findtext("comment"))
        messages["\u0004".join(key)] = translation
        if context == PAGE_CONTEXT:
            page_texts.setdefault(language, {})[message.findtext("source")] = translation
    with open(os.path.join(site, "i18n", f"{language}.json"), "w", encoding="utf-8") as file:
        json.dump(messages, file, ensure_ascii=False, sort_keys=True)
    languages.append(language)

# Every file the page may ask for, as it asks for it.
files = sorted(os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
               for folder, _, names in os.walk(site) for name in names)
files = [f for f in files if f not in ("index.html", "sw.js")]
build = hashlib.sha256()
for name in files:
    build.update(name.encode() + b"\0")
    with open(os.path.join(site, name), "rb") as file:
        build.update(hashlib.sha256(file.read()).digest())
build = build.hexdigest()[:16]


def versioned(name):
    """The files the page asks for by the build's name: those that change with a build."""
    return name.endswith((".js", ".css", ".wasm")) or name.startswith("i18n/")


texts = json.dumps({"languages": sorted(languages), "texts": page_texts},
                   ensure_ascii=False, sort_keys=True).replace("</", "<\\/")
index = (read(index_template).replace("@BUILD@", build).replace("@PAGE_TEXTS@", texts)
         .replace("@CONTROLS@", read(os.path.join(written, "controls.html")))
         .replace("@FAILURE@", read(os.path.join(written, "controls.failure"))))
requests = ["./"] + [f"{name}?b={build}" if versioned(name) else name for name in files]
sw = (read(sw_template).replace("@BUILD@", build)
      .replace("@FILES@", json.dumps(requests, indent=4)))
for name, text in (("index.html", index), ("sw.js", sw)):
    with open(os.path.join(site, name), "w", encoding="utf-8") as file:
        file.write(text)

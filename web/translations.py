"""Writes the window's translations for the page: from each of the window's .ts files given, the
file i18n/LANGUAGE.json in the output folder, a message's key its context, its source text and
its disambiguation, joined by U+0004; and i18n/languages.json, the languages there are.
Usage: translations.py OUTPUT_FOLDER TS_FILE..."""
import json
import os
import sys
from xml.etree import ElementTree

output = os.path.join(sys.argv[1], "i18n")
os.makedirs(output, exist_ok=True)
languages = []
for path in sys.argv[2:]:
    tree = ElementTree.parse(path)
    language = tree.getroot().get("language")
    messages = {}
    for context in tree.iter("context"):
        for message in context.iter("message"):
            key = [context.findtext("name"), message.findtext("source")]
            if message.find("comment") is not None:
                key.append(message.findtext("comment"))
            messages["\u0004".join(key)] = message.findtext("translation")
    with open(os.path.join(output, f"{language}.json"), "w", encoding="utf-8") as file:
        json.dump(messages, file, ensure_ascii=False, sort_keys=True)
    languages.append(language)
with open(os.path.join(output, "languages.json"), "w", encoding="utf-8") as file:
    json.dump(sorted(languages), file)

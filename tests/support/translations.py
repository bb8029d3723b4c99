"""The window's texts in a language, read from its .ts file: English source text to translation."""
import os
from xml.etree import ElementTree

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "ui", "language",
                      "translations")


def translations(language):
    """The translations of "de", "pt_BR" (or else "pt"); none for English or a language the
    window does not have."""
    for name in (language, language.split("_")[0]):
        path = os.path.join(FOLDER, f"orwins-bramblet_{name}.ts")
        if os.path.exists(path):
            return {m.findtext("source"): m.findtext("translation")
                    for m in ElementTree.parse(path).iter("message")}
    return {}

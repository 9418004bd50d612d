#!/usr/bin/env python3
"""Reads Qt's own translations into text that bench/corpus/real.py can cut.

    bench/corpus/qm-text.py OUT_FOLDER [QM_FOLDER]

Qt's translations of its libraries and tools (Debian's
qttranslations5-l10n, /usr/share/qt5/translations/*.qm by default) are real
interface text in some 29 languages that neither the language models nor
the detection thresholds have met, which makes them a hold-out of their
own. The gettext catalogues under /usr/share/locale are not read. Each .qm
file becomes one document of OUT_FOLDER/test/LANG.jsonl, its translations
with their keyboard accelerators ("&Open") taken out, so that

    bench/corpus/real.py OUT_FOLDER SET --part test --seed N

makes words, lines, paragraphs and subtitle files from it in the legacy
encodings of each language.
"""
import collections
import glob
import json
import os
import re
import struct
import sys

MAGIC = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")
MESSAGES = 0x69
# Within a message: its end, its translation (UTF-16BE), and fields of bytes
# or of four bytes that are skipped.
END, TRANSLATION, OBSOLETE2, OBSOLETE1 = 1, 3, 2, 5
SKIPPED_FIELDS = (6, 7, 8)  # comment, context, source text
# Locales whose language real.py knows by another name, or not at all.
LANGUAGES = {"zh_CN": "zh-hans", "zh_TW": "zh-hant", "pt_BR": "pt", "pt_PT": "pt", "nn": None, "en": None,
             "gl": None, "gd": None}


def translations(path):
    data = open(path, "rb").read()
    if not data.startswith(MAGIC):
        return []
    out = []
    at = len(MAGIC)
    while at + 5 <= len(data):
        tag = data[at]
        (length,) = struct.unpack(">I", data[at + 1:at + 5])
        block = data[at + 5:at + 5 + length]
        at += 5 + length
        if tag != MESSAGES:
            continue
        i = 0
        while i < len(block):
            field = block[i]
            i += 1
            if field == END:
                continue
            if field == OBSOLETE1:
                i += 4
                continue
            if field not in (TRANSLATION, OBSOLETE2) + SKIPPED_FIELDS:
                break  # a field this reader does not know: the rest of the block is not to be trusted
            (size,) = struct.unpack(">I", block[i:i + 4])
            i += 4
            if field == TRANSLATION and size != 0xFFFFFFFF:
                out.append(block[i:i + size].decode("utf-16-be", "replace"))
                i += size
            elif size != 0xFFFFFFFF:
                i += size
    return out


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    source = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/qt5/translations"
    documents = collections.defaultdict(list)
    for path in sorted(glob.glob(os.path.join(source, "*.qm"))):
        name = os.path.basename(path)[:-3]
        match = re.match(r"(.+?)_([a-z]{2}(?:_[A-Z]{2})?)$", name)
        if not match:
            continue
        code = match.group(2)
        language = LANGUAGES.get(code, code.split("_")[0])
        if not language:
            continue
        texts = [re.sub(r"&(?=\w)", "", t).strip() for t in translations(path)]
        texts = [t for t in texts if t]
        if texts:
            documents[language].append({"name": name, "kind": "prose", "text": texts})
    os.makedirs(os.path.join(out, "test"), exist_ok=True)
    for language, docs in sorted(documents.items()):
        with open(os.path.join(out, "test", language + ".jsonl"), "w", encoding="utf-8") as f:
            for doc in docs:
                f.write(json.dumps(doc, ensure_ascii=False) + "\n")
        print(language, sum(len(d["text"]) for d in docs), "texts")


if __name__ == "__main__":
    main()

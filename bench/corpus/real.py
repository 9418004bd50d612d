#!/usr/bin/env python3
"""Builds an evaluation corpus of real text for karvo-detect-accuracy.

    bench/corpus/real.py TEXT_FOLDER OUT_FOLDER [--part test|dev] [--seed N] [--scale F]

TEXT_FOLDER is the split that engine/detect/models/build-models.py leaves
in its cache (~/.cache/karvo-models/text). The models learn from its
"train" part only; thresholds are set on "dev"; "test" is for the figures
reported, and nothing is tuned on it. From the chosen part it writes, for
each language, single words, single lines, paragraphs, subtitle files, CSV
and HTML files, each in one of the legacy encodings the language is
written in (made with iconv; a text an encoding cannot hold is tried in
another), and manifest.tsv: file, kind, language, form, encoding, truth.
Only texts with at least one non-ASCII character are used: an ASCII file
reads the same in every one of these encodings.
"""
import json
import os
import random
import re
import subprocess
import sys

WESTERN = ["WINDOWS-1252", "ISO-8859-1", "ISO-8859-15", "MACINTOSH", "CP850"]
CENTRAL = ["WINDOWS-1250", "ISO-8859-2", "CP852"]
BALTIC = ["WINDOWS-1257", "ISO-8859-13", "ISO-8859-4"]
ENCODINGS = {
    "en": ["WINDOWS-1252"],
    "fr": WESTERN, "de": WESTERN, "es": WESTERN, "pt": WESTERN, "it": WESTERN, "nl": WESTERN, "da": WESTERN,
    "sv": WESTERN, "nb": WESTERN, "fi": WESTERN, "is": WESTERN, "ca": WESTERN,
    "pl": CENTRAL, "cs": CENTRAL, "sk": CENTRAL, "hu": CENTRAL, "sl": CENTRAL, "hr": CENTRAL,
    "ro": ["WINDOWS-1250", "ISO-8859-2", "ISO-8859-16"],
    "lt": BALTIC, "lv": BALTIC, "et": ["WINDOWS-1257", "ISO-8859-15", "ISO-8859-13"],
    "eo": ["ISO-8859-3"], "mt": ["ISO-8859-3"],
    "ru": ["WINDOWS-1251", "KOI8-R", "ISO-8859-5", "CP866", "MAC-CYRILLIC"],
    "uk": ["WINDOWS-1251", "KOI8-U"], "be": ["WINDOWS-1251"], "bg": ["WINDOWS-1251", "CP866", "ISO-8859-5"],
    "sr": ["WINDOWS-1251", "ISO-8859-5"], "mk": ["WINDOWS-1251", "ISO-8859-5"],
    "el": ["WINDOWS-1253", "ISO-8859-7"], "tr": ["WINDOWS-1254", "ISO-8859-9"],
    "he": ["WINDOWS-1255", "ISO-8859-8"], "ar": ["WINDOWS-1256", "ISO-8859-6"], "fa": ["WINDOWS-1256"],
    "th": ["TIS-620", "CP874"], "vi": ["WINDOWS-1258"],
    "zh-hans": ["GB18030", "GBK", "EUC-CN"], "zh-hant": ["BIG5", "BIG5-HKSCS"],
    "ja": ["SHIFT_JIS", "CP932", "EUC-JP", "ISO-2022-JP"], "ko": ["EUC-KR", "CP949", "ISO-2022-KR"],
}
# How many files of each form a language gets, spread over its encodings.
FORMS = {"word": 12, "line": 30, "paragraph": 15, "srt": 6, "csv": 3, "html": 3}


# windows-1256 has no Persian "ی" (U+06CC); Windows writes it as the Arabic
# "ي" (U+064A), which is what such a file then holds, and which iconv would
# refuse to stand in for it.
AS_WRITTEN = {"WINDOWS-1256": str.maketrans("ی", "ي")}


def encode(text, encoding):
    result = subprocess.run(["iconv", "-f", "UTF-8", "-t", encoding], input=text.encode("utf-8"),
                            capture_output=True)
    return result.stdout if result.returncode == 0 else None


def telling(text):
    return any(ord(c) >= 0x80 for c in text)


def load(folder, part, language):
    path = os.path.join(folder, part, language + ".jsonl")
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f]


def pools(docs, rng):
    """Words, lines and runs of lines (one document each) to make files of."""
    words, lines, runs = [], [], []
    for doc in docs:
        texts = [t for t in doc["text"] if t.strip()]
        if doc["kind"] == "words":
            words += [w for w in texts if len(w) >= 3 and telling(w)]
            continue
        for t in texts:
            for w in re.findall(r"\w{3,}", t):
                if telling(w):
                    words.append(w)
            if 12 <= len(t) <= 160 and telling(t):
                lines.append(t)
        if doc["kind"] in ("prose", "ui", "quotes") and len(texts) >= 3:
            runs.append(texts)
        elif len(texts) >= 3:
            # Items with no document of their own (quotations, names) make
            # runs of neighbours.
            for start in range(0, len(texts) - 3, 8):
                runs.append(texts[start:start + 8])
    rng.shuffle(words)
    rng.shuffle(lines)
    rng.shuffle(runs)
    # Each word once, where it first comes: dict keeps that order in one pass.
    return list(dict.fromkeys(words)), lines, runs


def make(form, words, lines, runs, rng):
    if form == "word":
        return words.pop() + "\n" if words and rng.random() < 0.5 else (words.pop() if words else None)
    if form == "line":
        return lines.pop() + "\n" if lines else None
    if not runs:
        return None
    run = runs.pop()
    start = rng.randrange(max(1, len(run) - 6))
    if form == "paragraph":
        picked = [t for t in run[start:start + rng.randint(3, 6)]]
        text = "\n".join(picked) + "\n"
        return text if 120 <= len(text) <= 4000 else text[:4000].rsplit(" ", 1)[0] + "\n"
    if form == "srt":
        picked = [t for t in run[start:start + rng.randint(6, 14)] if len(t) < 200]
        return "".join("%d\n00:%02d:%02d,%03d --> 00:%02d:%02d,%03d\n%s\n\n"
                       % (i + 1, i // 20, 3 * i % 60, 100 * i % 1000, i // 20, (3 * i + 2) % 60, 500, t)
                       for i, t in enumerate(picked))
    if form == "csv":
        picked = [t for t in run[start:start + 8] if len(t) < 100]
        return "id;text;count\n" + "".join('%d;"%s";%d\n' % (i, t.replace('"', "'"), 7 * i + 3)
                                           for i, t in enumerate(picked))
    if form == "html":
        picked = run[start:start + 4]
        return ("<!DOCTYPE html>\n<html>\n<head><title>%s</title></head>\n<body>\n%s</body>\n</html>\n"
                % (picked[0][:60], "".join("<p>%s</p>\n" % t for t in picked[1:] or picked)))
    return None


def main():
    args = sys.argv[1:]
    options = {"--part": "test", "--seed": "11", "--scale": "1"}
    for name in list(options):
        if name in args:
            at = args.index(name)
            options[name] = args[at + 1]
            del args[at:at + 2]
    if len(args) != 2:
        sys.exit(__doc__)
    folder, out = args
    scale = float(options["--scale"])
    os.makedirs(out, exist_ok=True)
    rows = []
    for language, encodings in sorted(ENCODINGS.items()):
        rng = random.Random("%s:%s:%s" % (options["--seed"], options["--part"], language))
        words, lines, runs = pools(load(folder, options["--part"], language), rng)
        for form, count in FORMS.items():
            made = 0
            tries = 0
            while made < round(count * scale) and tries < 20 * count:
                tries += 1
                text = make(form, words, lines, runs, rng)
                if text is None:
                    break
                if not telling(text):
                    continue
                order = encodings[:]
                rng.shuffle(order)
                order.sort(key=lambda e: e != encodings[made % len(encodings)])
                for encoding in order:
                    written = text.translate(AS_WRITTEN.get(encoding, {}))
                    data = encode(written, encoding)
                    if data is None or not any(b >= 0x80 or b == 0x1B for b in data):
                        continue
                    name = "%05d" % len(rows)
                    with open(os.path.join(out, name + ".dat"), "wb") as f:
                        f.write(data)
                    with open(os.path.join(out, name + ".utf8"), "wb") as f:
                        f.write(written.encode("utf-8"))
                    rows.append((name + ".dat", "text", language, form, encoding, name + ".utf8"))
                    made += 1
                    break
    with open(os.path.join(out, "manifest.tsv"), "w", encoding="utf-8") as f:
        for row in rows:
            f.write("\t".join(row) + "\n")
    print("%d files in %s" % (len(rows), out))


if __name__ == "__main__":
    main()

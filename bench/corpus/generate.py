#!/usr/bin/env python3
"""Builds the detection test corpus that karvo-detect-accuracy reads.

    bench/corpus/generate.py OUT_FOLDER [--texts FOLDER] [--no-binaries]

From the UTF-8 texts in bench/corpus/texts (one language each: the
encodings it is written in, a line of words, then one sentence a line) it
writes every word, every line, paragraphs, a page and the same texts inside
HTML, subtitles, CSV and code comments, and a 3 MiB file, each encoded with iconv in each of
the language's encodings, plus UTF-8, UTF-16 and UTF-32 with and without a
byte-order mark. --texts reads the texts from another folder instead, such
as bench/corpus/heldout (words and lines that no rule was tuned on). It also
lists binary files found on this machine (they are
read in place, never copied) and cuts of their first bytes. OUT_FOLDER gets
the files and manifest.tsv: file, kind, language, form, encoding, truth
(the UTF-8 original, or "-" for binary files).
"""
import glob
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def encode(text, encoding):
    result = subprocess.run(["iconv", "-f", "UTF-8", "-t", encoding], input=text.encode("utf-8"),
                            capture_output=True)
    return result.stdout if result.returncode == 0 else None


def read_language(path):
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f]
    encodings = lines[0].split(":", 1)[1].split()
    words = lines[1].split(":", 1)[1].split()
    sentences = [line for line in lines[2:] if line.strip()]
    return encodings, words, sentences


def forms(words, sentences, rng):
    """The texts of one language, by form."""
    out = []
    for word in words:
        out.append(("word", word))
    for sentence in sentences:
        out.append(("line", sentence + "\n"))
    for start in range(0, len(sentences), 3):
        out.append(("paragraph", " ".join(sentences[start:start + 4]) + "\n"))
    page = "\n\n".join(" ".join(rng.sample(sentences, len(sentences))) for _ in range(3)) + "\n"
    out.append(("page", page))
    html = ("<!DOCTYPE html>\n<html>\n<head><title>%s</title></head>\n<body>\n<p>%s</p>\n</body>\n</html>\n"
            % (words[0], sentences[0]))
    out.append(("html", html))
    srt = "".join("%d\n00:00:%02d,000 --> 00:00:%02d,500\n%s\n\n" % (i + 1, 2 * i, 2 * i + 1, s)
                  for i, s in enumerate(sentences[:3]))
    out.append(("srt", srt))
    csv = "id;name;count\n" + "".join("%d;%s;%d\n" % (i, w, 3 * i + 1) for i, w in enumerate(words[:6]))
    out.append(("csv", csv))
    code = "int main(void)\n{\n    // %s\n    return 0; /* %s */\n}\n" % (sentences[1], words[2])
    out.append(("code", code))
    return out


# The gettext catalogues (*.mo, /usr/share/locale) are kept out: they are
# held back for judging detection, so nothing is measured or tuned on them.
BINARY_ROOTS = ["/usr/lib/x86_64-linux-gnu", "/usr/share/icons", "/usr/share/doc",
                "/usr/bin", "/usr/share/fonts", "/usr/share/pixmaps", "/usr/lib/python3"]
BINARY_KINDS = [".so", ".png", ".gz", ".pdf", ".jpg", ".gif", ".zip", ".xz", ".bz2", ".a", ".pyc", ".ttf",
                ".otf", ".ico", ".svgz"]


def is_text(data):
    """Heads of some binary formats are plain ASCII text and rightly read as such."""
    return all(32 <= b < 127 or b in (9, 10, 13) for b in data)


def binaries(rng, per_kind=30, limit=200000):
    """Files of each binary kind under a few folders, and ELF executables."""
    by_kind = {kind: [] for kind in BINARY_KINDS + ["elf"]}
    seen = 0
    for root in BINARY_ROOTS:
        for folder, _, names in os.walk(root):
            for name in names:
                seen += 1
                if seen > limit:
                    break
                path = os.path.join(folder, name)
                if os.path.islink(path) or not os.path.isfile(path) or os.path.getsize(path) == 0:
                    continue
                kind = next((k for k in BINARY_KINDS if name.endswith(k) or (k + ".") in name), None)
                if kind is None and root == "/usr/bin":
                    with open(path, "rb") as f:
                        kind = "elf" if f.read(4) == b"\x7fELF" else None
                if kind is not None:
                    by_kind[kind].append(path)
    found = []
    for kind, paths in sorted(by_kind.items()):
        found += rng.sample(sorted(paths), min(per_kind, len(paths)))
    return found


def main():
    args = sys.argv[1:]
    texts_folder = os.path.join(HERE, "texts")
    with_binaries = "--no-binaries" not in args
    args = [a for a in args if a != "--no-binaries"]
    if "--texts" in args:
        at = args.index("--texts")
        if at + 1 >= len(args):
            sys.exit(__doc__)
        texts_folder = args[at + 1]
        del args[at:at + 2]
    if len(args) != 1:
        sys.exit(__doc__)
    out = args[0]
    os.makedirs(out, exist_ok=True)
    rng = random.Random(7)
    rows = []

    def write(kind, language, form, encoding, data, truth):
        name = "%05d" % len(rows)
        with open(os.path.join(out, name + ".dat"), "wb") as f:
            f.write(data)
        truth_file = "-"
        if truth is not None:
            truth_file = name + ".utf8"
            with open(os.path.join(out, truth_file), "wb") as f:
                f.write(truth.encode("utf-8"))
        rows.append((name + ".dat", kind, language, form, encoding, truth_file))

    for path in sorted(glob.glob(os.path.join(texts_folder, "*.txt"))):
        language = os.path.basename(path)[:-4]
        encodings, words, sentences = read_language(path)
        texts = forms(words, sentences, rng)
        for form, text in texts:
            for encoding in encodings:
                data = encode(text, encoding)
                if data is not None:
                    write("text", language, form, encoding, data, text)
        # A large file, where the detector may stop being fed early.
        page = texts[-5][1]
        big = encode(page * (3 * 1024 * 1024 // len(page.encode("utf-8")) + 1), encodings[0])
        if big is not None:
            write("text", language, "large", encodings[0], big, page * (3 * 1024 * 1024 // len(page.encode("utf-8")) + 1))
        # Unicode forms of the longer texts: one paragraph and the page.
        for form, text in [t for t in texts if t[0] in ("line", "paragraph", "page")][-3:]:
            for encoding in ["UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE", "UTF-16", "UTF-32"]:
                write("text", language, form, encoding, encode(text, encoding), text)

    for path in binaries(rng) if with_binaries else []:
        with open(path, "rb") as f:
            head = f.read(4096)
        if is_text(head) and os.path.getsize(path) <= 4096:
            continue
        rows.append((path, "binary", "-", "file", "-", "-"))
        for size in (64, 512, 4096):
            if len(head) >= size and not is_text(head[:size]):
                write("binary", "-", "head%d" % size, "-", head[:size], None)

    with open(os.path.join(out, "manifest.tsv"), "w", encoding="utf-8") as f:
        for row in rows:
            f.write("\t".join(row) + "\n")
    print("%d files in %s" % (len(rows), out))


if __name__ == "__main__":
    main()

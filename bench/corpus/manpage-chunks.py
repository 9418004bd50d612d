#!/usr/bin/env python3
"""Cuts translated manual pages, as their troff source, into chunks of a
few KiB in a legacy encoding, for karvo-detect-accuracy.

    bench/corpus/manpage-chunks.py CACHE OUT_FOLDER [--lang zh_CN] [--encoding GB18030]
                                   [--count 2000] [--kib 4] [--held-out]

CACHE is the folder engine/detect/models/build-models.py keeps its unpacked
packages in (~/.cache/karvo-models). Each page is cut at line ends into
pieces of at most KiB, each written in the encoding with iconv (a piece the
encoding cannot hold is left out), until COUNT pieces are made. With
--held-out only the pages whose names fall into the parts the models do not
learn from are used (see the script's split), so there are fewer of them.
OUT_FOLDER gets the pieces and manifest.tsv as bench/corpus/real.py writes it.
"""
import glob
import gzip
import hashlib
import os
import subprocess
import sys


def bucket(name):
    h = int(hashlib.md5(name.encode("utf-8")).hexdigest()[:8], 16) % 100
    return "test" if h < 15 else "dev" if h < 30 else "train"


def main():
    args = sys.argv[1:]
    options = {"--lang": "zh_CN", "--encoding": "GB18030", "--count": "2000", "--kib": "4"}
    for name in list(options):
        if name in args:
            at = args.index(name)
            options[name] = args[at + 1]
            del args[at:at + 2]
    held_out = "--held-out" in args
    args = [a for a in args if a != "--held-out"]
    if len(args) != 2:
        sys.exit(__doc__)
    cache, out = args
    root = os.path.join(cache, "unpacked")
    count, size = int(options["--count"]), int(options["--kib"]) * 1024
    language = {"zh_CN": "zh-hans", "zh_TW": "zh-hant", "ja": "ja"}.get(options["--lang"], options["--lang"])
    os.makedirs(out, exist_ok=True)
    pages = sorted(glob.glob(os.path.join(root, "manpages-*", "usr/share/man", options["--lang"], "man*", "*.gz")))
    rows = []
    for page in pages:
        name = os.path.relpath(page, root)
        if held_out and bucket(name) == "train":
            continue
        text = gzip.decompress(open(page, "rb").read()).decode("utf-8", "replace")
        if "\ufffd" in text:
            continue
        piece = ""
        for line in text.splitlines(keepends=True):
            if len((piece + line).encode(options["--encoding"].lower().replace("-", ""), "replace")) > size \
                    and piece:
                rows.append(piece)
                piece = ""
            piece += line
        if piece.strip():
            rows.append(piece)
        if len(rows) >= 3 * count:
            break
    written = []
    for piece in rows:
        if len(written) >= count:
            break
        result = subprocess.run(["iconv", "-f", "UTF-8", "-t", options["--encoding"]], input=piece.encode("utf-8"),
                                capture_output=True)
        if result.returncode != 0 or not any(b >= 0x80 for b in result.stdout):
            continue
        name = "%05d" % len(written)
        open(os.path.join(out, name + ".dat"), "wb").write(result.stdout)
        open(os.path.join(out, name + ".utf8"), "wb").write(piece.encode("utf-8"))
        written.append((name + ".dat", "text", language, "chunk", options["--encoding"], name + ".utf8"))
    with open(os.path.join(out, "manifest.tsv"), "w", encoding="utf-8") as f:
        for row in written:
            f.write("\t".join(row) + "\n")
    print("%d pieces in %s" % (len(written), out))


if __name__ == "__main__":
    main()

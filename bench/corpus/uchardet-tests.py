#!/usr/bin/env python3
"""Turns uchardet's own test files into a corpus for karvo-detect-accuracy.

    bench/corpus/uchardet-tests.py OUT_FOLDER [--source TARBALL]

uchardet's sources carry a test folder of some 120 files, one per language
and encoding (test/de/windows-1252.txt, test/ko/uhc.smi), that uchardet is
held to. TARBALL is uchardet's source tarball; by default the one of the
installed libuchardet is fetched from Debian's archive. Each file is copied
as it is, its text read with iconv in the encoding its name gives, and
listed in manifest.tsv as bench/corpus/real.py lists its files, so that

    build/bench/karvo-detect-accuracy OUT_FOLDER --list

counts right, asked and wrong on them (the ALL row of AFTER; the files
in UTF-16 and UTF-32 under "unicode file").
"""
import os
import subprocess
import sys
import tarfile
import urllib.request

ARCHIVE = "http://deb.debian.org/debian/pool/main/u/uchardet/"
# The names iconv knows these encodings by, where the file's name differs.
ICONV = {"uhc": "CP949", "ibm852": "CP852", "ibm855": "CP855", "ibm866": "CP866"}


def tarball(argv):
    if "--source" in argv:
        return argv[argv.index("--source") + 1]
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libuchardet0"], capture_output=True,
                             text=True, check=True).stdout
    name = "uchardet_%s.orig.tar.xz" % version.split("-")[0]
    path = os.path.join(os.environ.get("TMPDIR", "/tmp"), name)
    if not os.path.exists(path):
        urllib.request.urlretrieve(ARCHIVE + name, path)
    return path


def encoding_of(name):
    stem, ext = os.path.splitext(name)
    if ext in (".le", ".be"):
        return (stem + ext[1:]).upper()
    return ICONV.get(stem, stem.upper())


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rows = []
    with tarfile.open(tarball(sys.argv)) as archive:
        members = sorted((m for m in archive.getmembers() if m.isfile() and "/test/" in m.name
                          and m.name.count("/") == 3), key=lambda m: m.name)
        for member in members:
            language, name = member.name.split("/")[-2:]
            encoding = encoding_of(name)
            data = archive.extractfile(member).read()
            text = subprocess.run(["iconv", "-f", encoding, "-t", "UTF-8"], input=data, capture_output=True)
            if text.returncode != 0:
                print("iconv cannot read %s as %s; left out" % (member.name, encoding), file=sys.stderr)
                continue
            truth = text.stdout.decode("utf-8").removeprefix("\ufeff")
            base = "%05d" % len(rows)
            with open(os.path.join(out, base + ".dat"), "wb") as f:
                f.write(data)
            with open(os.path.join(out, base + ".utf8"), "w", encoding="utf-8") as f:
                f.write(truth)
            rows.append("\t".join([base + ".dat", "text", language, "file", encoding, base + ".utf8"]))
    with open(os.path.join(out, "manifest.tsv"), "w", encoding="utf-8") as f:
        f.write("\n".join(rows) + "\n")
    print("%d files in %s" % (len(rows), out))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Checks that the Qt 5 and the Qt 6 build of karvo behave the same.

    bench/compare-qt-builds.py [--corpus FOLDER] [QT5_BUILD [QT6_BUILD]]

On the corpus that bench/corpus/generate.py makes (into a scratch folder,
unless --corpus names one made before), both karvo binaries (in build/ and
build-qt6/ unless named) are asked:
  - what they would do with every file: `karvo -n --json`, whose records
    must be the same, field for field;
  - to convert every file they are sure of into a few targets (`-t T -o
    FOLDER --json`): the reports and every byte written must be the same;
  - to read every text file as the encoding it was made in
    (`--force-encoding`, doubtful ones included) and write it as UTF-8:
    the same again.
Prints what differs, and exits 1 if anything does.
"""
import collections
import json
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
# Targets that take every kind of encoder: Unicode with and without a
# byte-order mark, multi-byte East Asian and single-byte legacy ones.
TARGETS = ["UTF-8", "UTF-16", "UTF-32BE", "GB18030", "Shift_JIS", "windows-1252", "KOI8-R"]
# Fields of the JSON report that name the Qt version: none so far.
QT_FIELDS = set()
SHOWN = 10  # differences shown of each kind


def karvo(binary, args):
    """karvo's JSON report; its exit status is in the report's summary."""
    result = subprocess.run([binary, "--json"] + args, capture_output=True)
    try:
        return json.loads(result.stdout)
    except ValueError:
        sys.exit("%s %s gave no JSON report (exit %d): %s" % (binary, " ".join(args[:3]), result.returncode,
                                                             result.stderr.decode(errors="replace")[:500]))


def normalised(report, out):
    """The report with its records in path order, the output folder left
    out of the destinations and the Qt-naming fields dropped."""
    def clean(value):
        if isinstance(value, dict):
            return {k: clean(v) for k, v in value.items() if k not in QT_FIELDS}
        if isinstance(value, list):
            return [clean(v) for v in value]
        if isinstance(value, str) and out and value.startswith(out + "/"):
            return "OUT" + value[len(out):]
        return value
    report = clean(report)
    report["files"] = sorted(report.get("files", []), key=lambda f: f["path"])
    return report


def compare_reports(what, a, b, problems):
    if a == b:
        return
    files_a = {f["path"]: f for f in a.get("files", [])}
    files_b = {f["path"]: f for f in b.get("files", [])}
    differing = [p for p in sorted(set(files_a) | set(files_b)) if files_a.get(p) != files_b.get(p)]
    for path in differing[:SHOWN]:
        problems.append("%s: %s\n  Qt 5: %s\n  Qt 6: %s" % (what, path, json.dumps(files_a.get(path)),
                                                          json.dumps(files_b.get(path))))
    if len(differing) > SHOWN:
        problems.append("%s: %d more records differ" % (what, len(differing) - SHOWN))
    rest_a = {k: v for k, v in a.items() if k != "files"}
    rest_b = {k: v for k, v in b.items() if k != "files"}
    if rest_a != rest_b:
        problems.append("%s: the summaries differ\n  Qt 5: %s\n  Qt 6: %s" % (what, json.dumps(rest_a),
                                                                            json.dumps(rest_b)))


def tree(folder):
    """Every file below folder, by its relative path, with its bytes."""
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


def compare_trees(what, a, b, problems):
    files_a, files_b = tree(a), tree(b)
    differing = [p for p in sorted(set(files_a) | set(files_b)) if files_a.get(p) != files_b.get(p)]
    for path in differing[:SHOWN]:
        problems.append("%s: %s differs (Qt 5: %s bytes, Qt 6: %s bytes)" % (
            what, path, len(files_a[path]) if path in files_a else "no", len(files_b[path]) if path in files_b else "no"))
    if len(differing) > SHOWN:
        problems.append("%s: %d more files differ" % (what, len(differing) - SHOWN))
    return len(files_a), sum(len(v) for v in files_a.values())


def main():
    args = sys.argv[1:]
    corpus = None
    if "--corpus" in args:
        at = args.index("--corpus")
        if at + 1 >= len(args):
            sys.exit(__doc__)
        corpus = args[at + 1]
        del args[at:at + 2]
    if len(args) > 2 or any(a.startswith("-") for a in args):
        sys.exit(__doc__)
    builds = (args + ["build", "build-qt6"][len(args):])[:2]
    binaries = [os.path.abspath(os.path.join(b, "app", "karvo")) for b in builds]
    for binary in binaries:
        if not os.access(binary, os.X_OK):
            sys.exit("build Karvo first: %s is missing" % binary)

    work = tempfile.mkdtemp(prefix="karvo-qt-builds-")
    try:
        if corpus is None:
            corpus = os.path.join(work, "corpus")
            subprocess.run([sys.executable, os.path.join(HERE, "corpus", "generate.py"), corpus], check=True,
                           stdout=subprocess.DEVNULL)
        # The files the generator wrote; binary files it lists in place are
        # left where they are, and never written to.
        rows = []
        with open(os.path.join(corpus, "manifest.tsv"), encoding="utf-8") as f:
            for line in f:
                name, kind, language, form, encoding, truth = line.rstrip("\n").split("\t")
                if not name.startswith("/"):
                    rows.append((os.path.join(corpus, name), kind, encoding))
        files = [r[0] for r in rows]
        problems = []

        reports = [normalised(karvo(b, ["-n"] + files), None) for b in binaries]
        compare_reports("detection", reports[0], reports[1], problems)
        actions = collections.Counter(f["action"] for f in reports[0]["files"])
        print("Detection (-n): %d files, %s" % (len(files), ", ".join("%d %s" % (n, a) for a, n in
                                                                        sorted(actions.items()))))

        def convert(what, extra, sources):
            outs = [os.path.join(work, "qt%d" % major, what) for major in (5, 6)]
            got = [normalised(karvo(b, extra + ["-o", out] + sources), out) for b, out in zip(binaries, outs)]
            compare_reports(what, got[0], got[1], problems)
            count, size = compare_trees(what, outs[0], outs[1], problems)
            failed = sum(1 for f in got[0]["files"] if f["outcome"] != "ok")
            print("%-34s %5d files written, %6.1f MiB, %4d refused" % (what, count, size / 1048576.0, failed))
            for out in outs:
                shutil.rmtree(out, ignore_errors=True)

        for target in TARGETS:
            convert("to %s" % target, ["-t", target], files)
        by_encoding = collections.defaultdict(list)
        for path, kind, encoding in rows:
            if kind == "text":
                by_encoding[encoding].append(path)
        for encoding in sorted(by_encoding):
            convert("from %s (forced) to UTF-8" % encoding, ["--force-encoding", encoding], by_encoding[encoding])

        if problems:
            print("\nThe Qt 5 and the Qt 6 build differ:")
            print("\n".join(problems))
            return 1
        print("\nThe Qt 5 and the Qt 6 build agree on every report and every byte written.")
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

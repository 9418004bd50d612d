#!/usr/bin/env python3
"""Builds Karvo's language models from real text in Debian packages.

    engine/detect/models/build-models.py [--cache DIR] [--only-text]

Downloads the packages below with `apt-get download` into DIR (default
~/.cache/karvo-models), unpacks them, pulls plain text out of each, and
splits every language's documents by a hash of their names into three
parts: 70 % to learn from, 15 % "dev" to set detection's thresholds on and
15 % "test" that nothing is tuned on, for bench/corpus/real.py to make an
evaluation corpus from. It then counts, per language, how often each letter
follows another (or, for Chinese, Japanese and Korean, how often each
character and each kind of character occurs) in the 70 %, how often a
capital follows a small letter or stands alone after a word, and, for the
languages of Latin letters, which words their running text uses most (with
a letter beyond ASCII, and of ASCII letters alone), and writes
engine/detect/models/languagemodels.inc, which the build compiles in: a
normal build needs neither the packages nor this script. --only-text stops
after the split (DIR/text/{train,dev,test}/LANG.jsonl).

The gettext catalogues (*.mo) under /usr/share/locale are never read: they
are kept for evaluation.

Sources, all from Debian's archive (the licence of the text each holds):
  manpages-{de,fr,es,it,pl,ru,uk,cs,hu,ro,vi,el,nl,pt-br,sv,da,fi,mk,sr,ja,
            zh,tr,nb}, manpages           translated manual pages: GPL-2+,
                                           GPL-3+ and the man-pages licence
  fortunes, fortunes-{bg,br,cs,de,eo,es,it,pl,ru,zh}
                                           quotations: GPL-2+, public domain
  hunspell-{ar,be,bg,cs,da,de-de,el,en-us,es,he,hr,hu,is,it,ko,lt,lv,nl,no,
            pl,pt-pt,ro,ru,sk,sl,sr,sv,th,tr,uk,vi}, myspell-{eo,et,fa,fr-gut}
                                           spelling word lists: GPL, LGPL,
                                           MPL-1.1/2.0, BSD-style (each
                                           package's copyright file)
  unicode-cldr-core                        locale data: Unicode-DFS-2016
  debian-handbook                          the Debian Administrator's
                                           Handbook: GPL-2+ or CC-BY-SA-3.0
  installation-guide-amd64                 Debian's installation guide: GPL-2
  firefox-esr-l10n-{ar,be,bg,ca,cs,da,de,el,en-gb,eo,es-es,et,fa,fi,fr,he,hr,
            hu,is,it,ja,ko,lt,lv,mk,nb-no,nl,pl,pt-br,pt-pt,ro,ru,sk,sl,sr,
            sv-se,th,tr,uk,vi,zh-cn,zh-tw}
                                           the browser's translated texts
                                           (Fluent and .properties files):
                                           MPL-2.0
What is committed are counts turned into rounded costs, not the text.
"""
import collections
import glob
import gzip
import hashlib
import html
import json
import math
import os
import re
import subprocess
import sys
import unicodedata
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))

# Each language: its script, and where its text comes from. Every source is
# (kind, package, glob inside the unpacked package).
MAN = "man"
FORTUNE = "fortune"
WORDS = "words"
CLDR = "cldr"
HTML = "html"
FIREFOX = "firefox"


def man(pkg, lang_dir):
    return (MAN, pkg, "usr/share/man/%s/man*/*" % lang_dir)


def handbook(code):
    return (HTML, "debian-handbook", "usr/share/doc/debian-handbook/html/%s/*.html" % code)


def guide(code):
    return (HTML, "installation-guide-amd64", "usr/share/doc/installation-guide-amd64/%s/*.html" % code)


def words(pkg, name):
    return (WORDS, pkg, "usr/share/hunspell/%s.dic" % name)


def firefox(code):
    return (FIREFOX, "firefox-esr-l10n-" + code, "usr/lib/firefox-esr/browser/extensions/*.xpi")


def cldr(code):
    return (CLDR, "unicode-cldr-core", code)


LANGUAGES = {
    # Western European
    "en": ("Latin", [(MAN, "manpages", "usr/share/man/man*/*"), (FORTUNE, "fortunes", "usr/share/games/fortunes/*"),
                     words("hunspell-en-us", "en_US"), cldr("en")]),
    "fr": ("Latin", [man("manpages-fr", "fr"), words("myspell-fr-gut", "fr_FR"), firefox("fr"), cldr("fr"),
                     handbook("fr-FR")]),
    "de": ("Latin", [man("manpages-de", "de"), (FORTUNE, "fortunes-de", "usr/share/games/fortunes/de/*"),
                     words("hunspell-de-de", "de_DE"), firefox("de"), cldr("de")]),
    "es": ("Latin", [man("manpages-es", "es"), (FORTUNE, "fortunes-es", "usr/share/games/fortunes/es/*"),
                     words("hunspell-es", "es_ES"), firefox("es-es"), cldr("es")]),
    "pt": ("Latin", [man("manpages-pt-br", "pt_BR"), (FORTUNE, "fortunes-br", "usr/share/games/fortunes/*"),
                     words("hunspell-pt-pt", "pt_PT"), firefox("pt-br"), firefox("pt-pt"), cldr("pt")]),
    "it": ("Latin", [man("manpages-it", "it"), (FORTUNE, "fortunes-it", "usr/share/games/fortunes/it/*"),
                     words("hunspell-it", "it_IT"), firefox("it"), cldr("it")]),
    "nl": ("Latin", [man("manpages-nl", "nl"), words("hunspell-nl", "nl"), firefox("nl"), cldr("nl")]),
    "da": ("Latin", [man("manpages-da", "da"), words("hunspell-da", "da_DK"), firefox("da"), cldr("da")]),
    "sv": ("Latin", [man("manpages-sv", "sv"), words("hunspell-sv", "sv_SE"), firefox("sv-se"), cldr("sv")]),
    "nb": ("Latin", [man("manpages-nb", "nb"), words("hunspell-no", "nb_NO"), firefox("nb-no"), cldr("nb")]),
    "fi": ("Latin", [man("manpages-fi", "fi"), firefox("fi"), cldr("fi")]),
    "is": ("Latin", [words("hunspell-is", "is_IS"), firefox("is"), cldr("is")]),
    "ca": ("Latin", [handbook("ca-ES"), firefox("ca"), cldr("ca"), guide("ca")]),
    # Esperanto and Maltese, the other languages of ISO-8859-3
    "eo": ("Latin", [(FORTUNE, "fortunes-eo", "usr/share/games/fortunes/eo/*"), words("myspell-eo", "eo"),
                     firefox("eo"), cldr("eo")]),
    "mt": ("Latin", [cldr("mt")]),
    # Central European
    "pl": ("Latin", [man("manpages-pl", "pl"), (FORTUNE, "fortunes-pl", "usr/share/games/fortunes/pl/*"),
                     words("hunspell-pl", "pl_PL"), firefox("pl"), cldr("pl")]),
    "cs": ("Latin", [man("manpages-cs", "cs"), (FORTUNE, "fortunes-cs", "usr/share/games/fortunes/cs/[!k]*"),
                     words("hunspell-cs", "cs_CZ"), firefox("cs"), cldr("cs")]),
    "sk": ("Latin", [(FORTUNE, "fortunes-cs", "usr/share/games/fortunes/cs/klasik-sk"), words("hunspell-sk", "sk_SK"),
                     firefox("sk"), cldr("sk")]),
    "hu": ("Latin", [man("manpages-hu", "hu"), words("hunspell-hu", "hu_HU"), firefox("hu"), cldr("hu")]),
    "sl": ("Latin", [words("hunspell-sl", "sl_SI"), firefox("sl"), cldr("sl")]),
    "hr": ("Latin", [handbook("hr-HR"), words("hunspell-hr", "hr_HR"), firefox("hr"), cldr("hr")]),
    "ro": ("Latin", [man("manpages-ro", "ro"), handbook("ro-RO"), words("hunspell-ro", "ro_RO"), firefox("ro"),
                     cldr("ro"), guide("ro")]),
    # Baltic
    "lt": ("Latin", [words("hunspell-lt", "lt_LT"), firefox("lt"), cldr("lt")]),
    "lv": ("Latin", [words("hunspell-lv", "lv_LV"), firefox("lv"), cldr("lv")]),
    "et": ("Latin", [words("myspell-et", "et_EE"), firefox("et"), cldr("et")]),
    # Cyrillic
    "ru": ("Cyrillic", [man("manpages-ru", "ru"), (FORTUNE, "fortunes-ru", "usr/share/games/fortunes/ru/*"),
                        words("hunspell-ru", "ru_RU"), firefox("ru"), cldr("ru"), handbook("ru-RU")]),
    "uk": ("Cyrillic", [man("manpages-uk", "uk"), words("hunspell-uk", "uk_UA"), firefox("uk"), cldr("uk")]),
    "be": ("Cyrillic", [words("hunspell-be", "be_BY"), firefox("be"), cldr("be")]),
    "bg": ("Cyrillic", [(FORTUNE, "fortunes-bg", "usr/share/games/fortunes/bg/*"), words("hunspell-bg", "bg_BG"),
                        firefox("bg"), cldr("bg")]),
    "sr": ("Cyrillic", [man("manpages-sr", "sr"), words("hunspell-sr", "sr_RS"), firefox("sr"), cldr("sr")]),
    "mk": ("Cyrillic", [man("manpages-mk", "mk"), firefox("mk"), cldr("mk")]),
    # Greek, Turkish, Hebrew, Arabic, Persian, Thai, Vietnamese
    "el": ("Greek", [man("manpages-el", "el"), handbook("el-GR"), guide("el"), words("hunspell-el", "el_GR"),
                     firefox("el"), cldr("el")]),
    "tr": ("Latin", [man("manpages-tr", "tr"), handbook("tr-TR"), words("hunspell-tr", "tr_TR"), firefox("tr"),
                     cldr("tr")]),
    "he": ("Hebrew", [words("hunspell-he", "he_IL"), firefox("he"), cldr("he")]),
    "ar": ("Arabic", [handbook("ar-MA"), words("hunspell-ar", "ar"), firefox("ar"), cldr("ar")]),
    "fa": ("Arabic", [handbook("fa-IR"), words("myspell-fa", "fa_IR"), firefox("fa"), cldr("fa")]),
    "th": ("Thai", [words("hunspell-th", "th_TH"), firefox("th"), cldr("th")]),
    "vi": ("Latin", [man("manpages-vi", "vi"), handbook("vi-VN"), guide("vi"), words("hunspell-vi", "vi_VN"),
                     firefox("vi"), cldr("vi")]),
    # Chinese, Japanese, Korean
    "zh-hans": ("Han", [man("manpages-zh", "zh_CN"), (FORTUNE, "fortunes-zh", "usr/share/games/fortunes/chinese"),
                        handbook("zh-CN"), guide("zh_CN"), firefox("zh-cn"), cldr("zh")]),
    "zh-hant": ("Han", [man("manpages-zh", "zh_TW"), handbook("zh-TW"), firefox("zh-tw"), cldr("zh_Hant"),
                        (FORTUNE, "fortunes-zh", "usr/share/games/fortunes/tang300")]),
    "ja": ("Han", [man("manpages-ja", "ja"), handbook("ja-JP"), guide("ja"), firefox("ja"), cldr("ja")]),
    "ko": ("Han", [handbook("ko-KR"), guide("ko"), words("hunspell-ko", "ko_KR"), firefox("ko"), cldr("ko")]),
}
CJK = {"zh-hans", "zh-hant", "ja", "ko"}

# The most text taken from one source for one language, in characters, so
# that a language with a thousand manual pages does not drown its others.
SOURCE_LIMIT = 1500000
WORD_LIMIT = 60000


def packages():
    names = {"unicode-cldr-core", "firefox-esr-l10n-en-gb"}
    for _, sources in LANGUAGES.values():
        for _, pkg, _ in sources:
            names.add(pkg)
    return sorted(names)


def fetch(cache):
    debs = os.path.join(cache, "debs")
    root = os.path.join(cache, "unpacked")
    os.makedirs(debs, exist_ok=True)
    missing = [p for p in packages() if not glob.glob(os.path.join(debs, p + "_*.deb"))]
    if missing:
        subprocess.run(["apt-get", "download"] + missing, cwd=debs, check=True)
    for pkg in packages():
        target = os.path.join(root, pkg)
        if not os.path.isdir(target):
            deb = sorted(glob.glob(os.path.join(debs, pkg + "_*.deb")))[-1]
            os.makedirs(target)
            subprocess.run(["dpkg-deb", "-x", deb, target], check=True)
    return root


# --- Plain text out of each kind of source -------------------------------

TROFF_NAMED = {"lq": "“", "rq": "”", "oq": "‘", "cq": "’", "aq": "'", "dq": '"', "em": "—", "en": "–",
               "bu": "•", "co": "©", "rg": "®", "hy": "-", "Fo": "«", "Fc": "»", "fo": "‹", "fc": "›",
               "bq": "„", "Bq": "„", "ti": "~", "ha": "^", "mu": "×", "di": "÷", "de": "°", "+-": "±",
               "<=": "≤", ">=": "≥", "->": "→", "<-": "←", "sc": "§", "Po": "£", "Eu": "€", "tm": "™"}
TEXT_MACROS = {"SH", "SS", "B", "I", "BR", "BI", "IB", "IR", "RB", "RI", "SM", "SB", "Nm", "Nd", "Sh", "Ss",
               "Em", "Sy", "Ar", "Pa", "Dq", "Qq", "Sq", "Ql", "D1", "Dl", "It"}


def troff_inline(line):
    line = re.sub(r"\\f(\[[^\]]*\]|\(..|.)", "", line)
    line = re.sub(r"\\s[+-]?\d", "", line)
    line = re.sub(r"\\\*(\[[^\]]*\]|\(..|.)", "", line)
    line = re.sub(r"\\\((..)", lambda m: TROFF_NAMED.get(m.group(1), ""), line)
    line = re.sub(r"\\\[([^\]]*)\]", lambda m: TROFF_NAMED.get(m.group(1), ""), line)
    line = re.sub(r"\\[nk](\[[^\]]*\]|\(..|.)", "", line)
    line = re.sub(r"\\[hvwlLoXZ]'[^']*'", "", line)
    # An unbreakable space where typography wants one (French "Exemple\ :")
    # is a no-break space; between an option and its argument, a space.
    line = re.sub(r"\\[ ~](?=[:;!?»])|(?<=«)\\[ ~]", "\u00a0", line)
    line = line.replace("\\-", "-").replace("\\e", "\\").replace("\\ ", " ").replace("\\~", " ")
    line = re.sub(r"\\[&,/|^%:c)]", "", line)
    line = re.sub(r"\\.", "", line)
    return line


def man_text(data):
    """Paragraphs of a manual page's troff source, as plain text."""
    paragraphs, current = [], []
    for raw in data.splitlines():
        if raw.startswith(('.\\"', "'\\\"", '.\\\\"')) or raw.strip() in (".", "'"):
            continue
        if raw.startswith((".", "'")):
            parts = raw[1:].split(None, 1)
            macro = parts[0] if parts else ""
            if current:
                paragraphs.append(" ".join(current))
                current = []
            if macro in TEXT_MACROS and len(parts) > 1:
                text = troff_inline(parts[1].replace('"', " ")).strip()
                if text:
                    paragraphs.append(text)
            continue
        text = troff_inline(raw).strip()
        if text:
            current.append(text)
    if current:
        paragraphs.append(" ".join(current))
    return paragraphs


# Runs of ASCII white space make one space. A no-break space stays: French
# writes one before ":" and "?", Polish after a one-letter word, and the
# models must know it as the sign it is (str.split() would take it for a
# space).
ASCII_SPACES = re.compile(r"[ \t\n\r\f\v]+")


def squeeze(text):
    return ASCII_SPACES.sub(" ", text).strip(" ")


BLOCK_TAGS = re.compile(r"<(p|li|h[1-6]|td|th|dt|dd|title|div|pre|br|tr|caption)\b[^>]*>", re.I)


def html_text(data):
    data = re.sub(r"<(script|style)\b.*?</\1>", " ", data, flags=re.S | re.I)
    data = re.sub(r"<pre\b.*?</pre>", "\n", data, flags=re.S | re.I)
    data = BLOCK_TAGS.sub("\n", data)
    data = re.sub(r"<[^>]+>", "", data)
    data = html.unescape(data)
    return [squeeze(p) for p in data.split("\n") if p.strip()]


def fortune_text(data):
    return [squeeze(entry) for entry in re.split(r"^%\s*$", data, flags=re.M) if entry.strip()]


FLUENT_PLACEABLE = re.compile(r"\{[^{}]*\}")


def firefox_entries(xpi):
    """(file, key, value) of every message in a language pack."""
    entries = []
    with zipfile.ZipFile(xpi) as z:
        for name in sorted(z.namelist()):
            if not name.endswith((".ftl", ".properties")):
                continue
            text = z.read(name).decode("utf-8", "replace")
            key = None
            for line in text.splitlines():
                if not line.strip() or line.lstrip().startswith("#"):
                    continue
                if name.endswith(".properties"):
                    if "=" in line:
                        k, v = line.split("=", 1)
                        entries.append((name, k.strip(), v.strip()))
                    continue
                m = re.match(r"^(-?[A-Za-z][\w-]*)\s*=\s*(.*)$", line)
                if m:
                    key = m.group(1)
                    if m.group(2).strip():
                        entries.append((name, key, m.group(2).strip()))
                    continue
                m = re.match(r"^\s+\.([\w-]+)\s*=\s*(.*)$", line)
                if m and key:
                    entries.append((name, key + "." + m.group(1), m.group(2).strip()))
                elif line.startswith((" ", "\t")) and key and entries and entries[-1][1].startswith(key):
                    n, k, v = entries[-1]
                    entries[-1] = (n, k, v + " " + line.strip())
    return entries


def clean_ui(value):
    value = FLUENT_PLACEABLE.sub(" ", FLUENT_PLACEABLE.sub(" ", value))
    value = re.sub(r"<[^>]+>", "", value)
    value = html.unescape(value)
    value = re.sub(r"%(\d\$)?[SsdD@]|\\n|\\u[0-9a-fA-F]{4}|#\d", " ", value)
    value = value.replace("&", "")
    return squeeze(value)


def dic_words(path):
    aff = path[:-4] + ".aff"
    encoding = "utf-8"
    if os.path.exists(aff):
        with open(aff, "rb") as f:
            m = re.search(rb"^SET\s+(\S+)", f.read(), re.M)
            if m:
                encoding = {"ISO8859-1": "latin-1", "ISO8859-2": "iso8859-2", "ISO8859-7": "iso8859-7",
                            "ISO8859-13": "iso8859-13", "ISO8859-15": "iso8859-15", "KOI8-R": "koi8-r",
                            "KOI8-U": "koi8-u", "microsoft-cp1251": "cp1251", "TIS620-2533": "tis-620",
                            "ISO-8859-2": "iso8859-2"}.get(m.group(1).decode(), m.group(1).decode())
    with open(path, "rb") as f:
        lines = f.read().decode(encoding, "replace").splitlines()[1:]
    out = []
    for line in lines:
        word = re.split(r"[/\t ]", line, 1)[0].strip()
        if word and not any(c.isdigit() for c in word) and "\ufffd" not in word:
            out.append(word)
    return out


def cldr_text(path):
    with open(path, encoding="utf-8") as f:
        data = f.read()
    data = re.sub(r"<!--.*?-->", "", data, flags=re.S)
    out = []
    for m in re.finditer(r"<(\w+)([^>]*)>([^<>]+)</\1>", data):
        tag, attrs, text = m.group(1), m.group(2), html.unescape(m.group(3)).strip()
        if tag in ("pattern", "dateFormatItem", "intervalFormatItem", "greatestDifference", "exemplarCharacters",
                   "alias", "version", "generation", "character", "defaultNumberingSystem", "symbol") \
                or 'type="tts"' in attrs or not text or "{" in text:
            continue
        if tag == "annotation":
            out.extend(w.strip() for w in text.split("|") if w.strip())
        else:
            out.append(text)
    return out


def decode(data):
    for encoding in ("utf-8", "gb18030", "euc-jp", "big5"):
        try:
            return data.decode(encoding)
        except UnicodeDecodeError:
            continue
    return data.decode("utf-8", "replace")


ENGLISH = set("the and of to is in that for you with this are be not or by on can if it as an from your".split())


def looks_english(text):
    words = re.findall(r"[a-z]+", text.lower())
    return len(words) >= 4 and sum(w in ENGLISH for w in words) * 6 > len(words)


SCRIPT_RANGES = {"Cyrillic": [(0x400, 0x52F)], "Greek": [(0x370, 0x3FF), (0x1F00, 0x1FFF)],
                 "Hebrew": [(0x590, 0x5FF)], "Arabic": [(0x600, 0x6FF), (0xFB50, 0xFEFF)], "Thai": [(0xE00, 0xE7F)],
                 "Han": [(0x3040, 0x30FF), (0x3400, 0x9FFF), (0xAC00, 0xD7A3), (0x1100, 0x11FF),
                         (0x3130, 0x318F), (0xF900, 0xFAFF)]}


def in_script(c, script):
    o = ord(c)
    return any(a <= o <= b for a, b in SCRIPT_RANGES[script])


def belongs(text, language, script):
    """Whether a piece of text is in its language, not an English leftover."""
    letters = [c for c in text if c.isalpha()]
    if not letters:
        return False
    if script == "Latin":
        return language == "en" or not looks_english(text)
    native = sum(in_script(c, script) for c in letters)
    return native * 2 >= len(letters)


def documents(root, language):
    """(name, kind, [paragraphs]) of every document of a language."""
    script, sources = LANGUAGES[language]
    english_ui = None
    for kind, pkg, pattern in sources:
        base = os.path.join(root, pkg)
        if kind == CLDR:
            for sub in ("main", "annotations"):
                path = os.path.join(base, "usr/share/unicode/cldr/common", sub, pattern + ".xml")
                if os.path.exists(path):
                    yield ("cldr/%s/%s" % (sub, pattern), "phrases", cldr_text(path))
            continue
        if kind == FIREFOX:
            if english_ui is None:
                english_ui = {}
                for xpi in glob.glob(os.path.join(root, "firefox-esr-l10n-en-gb", pattern)):
                    for name, key, value in firefox_entries(xpi):
                        english_ui[(name.split("/", 2)[-1], key)] = value
            for xpi in sorted(glob.glob(os.path.join(base, pattern))):
                by_file = collections.defaultdict(list)
                for name, key, value in firefox_entries(xpi):
                    if english_ui.get((name.split("/", 2)[-1], key)) == value:
                        continue
                    text = clean_ui(value)
                    if text:
                        by_file[name.split("/", 2)[-1]].append(text)
                for name, texts in sorted(by_file.items()):
                    yield ("%s/%s" % (pkg, name), "ui", texts)
            continue
        for path in sorted(glob.glob(os.path.join(base, pattern))):
            if os.path.islink(path) or not os.path.isfile(path) or path.endswith((".dat", ".u8")):
                continue
            name = os.path.relpath(path, root)
            if kind == WORDS:
                yield (name, "words", dic_words(path))
                continue
            with open(path, "rb") as f:
                data = f.read()
            if path.endswith(".gz"):
                data = gzip.decompress(data)
            text = decode(data)
            if kind == MAN:
                yield (name, "prose", man_text(text))
            elif kind == FORTUNE:
                yield (name, "quotes", fortune_text(text))
            elif kind == HTML:
                yield (name, "prose", html_text(text))


def bucket(name):
    h = int(hashlib.md5(name.encode("utf-8")).hexdigest()[:8], 16) % 100
    return "test" if h < 15 else "dev" if h < 30 else "train"


def split_text(root, cache):
    """Writes DIR/text/{train,dev,test}/LANG.jsonl: one document a line."""
    out = os.path.join(cache, "text")
    for part in ("train", "dev", "test"):
        os.makedirs(os.path.join(out, part), exist_ok=True)
    for language, (script, _) in sorted(LANGUAGES.items()):
        files = {part: open(os.path.join(out, part, language + ".jsonl"), "w", encoding="utf-8")
                 for part in ("train", "dev", "test")}
        taken = collections.Counter()
        seen = set()
        for name, kind, paragraphs in documents(root, language):
            source = name.split("/")[0]
            if kind in ("words", "quotes", "phrases"):
                # A word list, a file of quotations or a locale's names are
                # no document: their items go one by one.
                parts = collections.defaultdict(list)
                limit = WORD_LIMIT if kind == "words" else SOURCE_LIMIT
                for item in paragraphs:
                    item = unicodedata.normalize("NFC", item)
                    if kind != "words" and (item in seen or not belongs(item, language, script)):
                        continue
                    seen.add(item)
                    part = bucket(language + ":" + item)
                    if len(parts[part]) < limit and taken[source] <= SOURCE_LIMIT:
                        parts[part].append(item)
                        taken[source] += len(item) if kind != "words" else 0
                for part, items in parts.items():
                    files[part].write(json.dumps({"name": name, "kind": kind, "text": items},
                                                 ensure_ascii=False) + "\n")
                continue
            kept = []
            for p in paragraphs:
                p = unicodedata.normalize("NFC", p)
                if p in seen or not belongs(p, language, script):
                    continue
                seen.add(p)
                kept.append(p)
            size = sum(len(p) for p in kept)
            if not kept or taken[source] > SOURCE_LIMIT:
                continue
            taken[source] += size
            files[bucket(name)].write(json.dumps({"name": name, "kind": kind, "text": kept},
                                                 ensure_ascii=False) + "\n")
        for f in files.values():
            f.close()
        print("%-8s %s" % (language, ", ".join("%s %d" % kv for kv in sorted(taken.items()))), flush=True)


# --- Counting ------------------------------------------------------------
#
# An alphabetic model reads text as symbols: 0 a space (or the start or end
# of a text), 1 a letter it does not know, 2 a symbol it does not know, 3 an
# ASCII letter (in a language not written in Latin letters), 4 a digit, 5
# ASCII punctuation, then the language's own letters and frequent signs,
# lowercase; a space other than U+0020 (a no-break space, say) is a sign
# like any other, or an unknown symbol. A CJK model reads kinds of character (the same first six, then
# Han, hiragana, katakana, half-width katakana, hangul, CJK punctuation)
# and, within each kind, the frequent characters one by one. Controls,
# unassigned and private-use characters are no text: the detector makes any
# step to or from one cost twice the most a step between characters can.
# The detector maps characters the same way (languagemodel.cpp).
BOUNDARY, OTHER_LETTER, OTHER_SYMBOL, ASCII_LETTER, DIGIT, PUNCTUATION = range(6)
SPECIALS = 6
HAN, HIRAGANA, KATAKANA, HALFWIDTH_KANA, HANGUL, CJK_PUNCT = range(6, 12)
CJK_KINDS = 12
JUNK = -1
STEP = 0.25  # bits per cost level
TOP_LEVEL = 63  # costs are 0..63 levels, one base-64 digit each
DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
# A symbol or a letter that is not among a language's signs costs, on top
# of its kind, what it costs among those of its kind that running text uses
# outside its own language's signs, in every language: "–", "©" and the "é"
# of a French name are common in all of them, "¤", "╣" and "Ī" in all but
# one or none, and a wrong reading is full of the latter. Each language
# weighs alike in the count, and a character counts only if running text in
# this many languages uses it; tables of a character set (a manual page on
# ISO-8859-1, say) are no running text.
SYMBOL_LANGUAGES = 3
MOST_TABLE_SYMBOLS = 12
# A model that folds the ASCII letters into one symbol charges this for
# which of them it is, about what a letter of English text costs.
ASCII_LETTER_SPREAD = 4.2
MOST_SIGNS = 110


def lower(c):
    if c == "\u0130":
        return "i"
    low = c.lower()
    return low if len(low) == 1 else c


def kind_of(c):
    """The symbol of a character that is not in a model's alphabet."""
    o = ord(c)
    if o < 0x80:
        if c.isalpha():
            return ASCII_LETTER
        if c.isdigit():
            return DIGIT
        if o <= 0x20 or o == 0x7F:
            return BOUNDARY
        return PUNCTUATION
    category = unicodedata.category(c)
    if category in ("Cc", "Co", "Cn", "Cs"):
        return JUNK
    if category[0] in "LM":
        return OTHER_LETTER
    if category == "Nd":
        return DIGIT
    return OTHER_SYMBOL


def cjk_kind(c):
    o = ord(c)
    if o < 0x80:
        return kind_of(c)
    if 0x3041 <= o <= 0x309F:
        return HIRAGANA
    if 0x30A0 <= o <= 0x30FF:
        return KATAKANA
    if 0xFF61 <= o <= 0xFF9F:
        return HALFWIDTH_KANA
    if 0xAC00 <= o <= 0xD7A3 or 0x1100 <= o <= 0x11FF or 0x3130 <= o <= 0x318F:
        return HANGUL
    if 0x4E00 <= o <= 0x9FFF or 0x3400 <= o <= 0x4DBF or 0xF900 <= o <= 0xFAFF or 0x20000 <= o <= 0x3FFFF \
            or o == 0x3005:
        return HAN
    if 0x3000 <= o <= 0x303F or 0xFF01 <= o <= 0xFF60 or 0x2010 <= o <= 0x2027 or 0x2030 <= o <= 0x203B \
            or 0xFFE0 <= o <= 0xFFEE:
        return CJK_PUNCT
    return kind_of(c)


def read_part(cache, part, language):
    path = os.path.join(cache, "text", part, language + ".jsonl")
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f]


def training_texts(cache, language):
    """Paragraphs to learn from, and the words of the word lists, which weigh
    at most half as much as the paragraphs."""
    docs = read_part(cache, "train", language)
    running = [p for d in docs if d["kind"] != "words" for p in d["text"]]
    budget = max(150000, sum(len(p) for p in running) // 2)
    listed = []
    for d in docs:
        if d["kind"] == "words":
            for w in d["text"]:
                if budget <= 0:
                    break
                listed.append(w)
                budget -= len(w) + 1
    if language == "vi":
        # windows-1258 writes most tone marks as combining marks after the
        # vowel, and is read back that way.
        running += [cp1258_form(p) for p in running[: len(running) // 2]]
    if language == "ro":
        # windows-1250 and ISO-8859-2 have only the cedilla forms of ș and ț,
        # which Romanian written in them uses instead.
        running += [p.translate(ROMANIAN_CEDILLA) for p in running if any(c in p for c in "șțȘȚ")]
    if language == "fa":
        # windows-1256 has no Persian "ی": text written in it, as Windows
        # writes it, holds the Arabic "ي" instead.
        running += [p.translate(PERSIAN_YEH) for p in running if "ی" in p]
    if language == "ja":
        # Half-width katakana, from the days of single-byte kana, still turn
        # up in Shift_JIS text.
        running += [halfwidth_form(p) for p in running[::10]]
    return running, listed


IN_WORD_APOSTROPHE = re.compile(r"(?<=\w)'(?=\w)")
THREE_DOTS = re.compile(r"(?<=\w)\.\.\.(?!\.)")


def typographic(running):
    """Our sources write the apostrophe in a word as ASCII; software text
    today mostly writes it "’", which every Western code page holds: half
    the paragraphs that have one learn it so. Not the symbols that all
    languages share, though: there "’" would only crowd out the rest.
    Manual pages write an ellipsis as three dots, and English has no other
    running text here, so it had all but never seen the "…" that ends its
    menu items ("Save as…"): every paragraph with three dots after a word
    learns them as one. On the dev part, as right / asked / wrong: without:
    98.2 / 1.5 / 0.28 %; half the paragraphs: 98.3 / 1.4 / 0.28 %, 1,677
    words and lines right; all: 98.3 / 1.4 / 0.28 %, 1,679."""
    apostrophes = [i for i, p in enumerate(running) if IN_WORD_APOSTROPHE.search(p)]
    running = list(running)
    for i in apostrophes[1::2]:
        running[i] = IN_WORD_APOSTROPHE.sub("\u2019", running[i])
    return [THREE_DOTS.sub("\u2026", p) for p in running]


ROMANIAN_CEDILLA = str.maketrans("șțȘȚ", "şţŞŢ")
PERSIAN_YEH = str.maketrans("ی", "ي")
HALFWIDTH = {unicodedata.normalize("NFKC", chr(c)): chr(c) for c in range(0xFF61, 0xFFA0)}


def halfwidth_form(text):
    out = []
    for c in unicodedata.normalize("NFD", text):
        if c == "\u3099":
            out.append("\uFF9E")
        elif c == "\u309A":
            out.append("\uFF9F")
        else:
            out.append(HALFWIDTH.get(c, c) if "\u30A0" <= c <= "\u30FF" else c)
    return unicodedata.normalize("NFC", "".join(out))


def cp1258_form(text):
    result = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP1258//TRANSLIT"], input=text.encode("utf-8"),
                            capture_output=True)
    return result.stdout.decode("cp1258", "replace") if result.returncode == 0 else text


def cost(p):
    return min(TOP_LEVEL, max(0, int(round(-math.log2(p) / STEP))))


# A reading pays, once, for how many of its words hold a character that is
# not ASCII, at the language's own rate of such words; each step it takes
# into a character then pays only for which character it is among those of
# its kind (ASCII or not). At most this many words of ASCII letters per
# telling word (plus three) are weighed, and none inside <tags>, so that
# markup, code or English around a few words does not drown them; steps
# between ASCII letters are weighed as far.
WORD_CAP = 4


def count_words(text):
    """Words (runs of ASCII letters or of any characters but ASCII) with a
    character beyond ASCII and a letter, and words of ASCII letters alone.
    A run of symbols alone ("–", "…") pays no rate of words: a reading that
    takes a byte for a symbol pays for it in its steps alone."""
    telling = ascii_words = 0
    in_word = high = lettered = False
    for c in text + " ":
        if (ord(c) < 0x80 and c.isalpha()) or ord(c) >= 0x80:
            in_word = True
            high |= ord(c) >= 0x80
            lettered |= ord(c) < 0x80 or unicodedata.category(c)[0] in "LM"
        elif in_word:
            if lettered:
                telling += high
                ascii_words += not high
            in_word = high = lettered = False
    return telling, ascii_words


def class_matrix(bigram, unigram, size, is_high, spread, whole_rows=()):
    """Costs of each step, each given the kind of character it goes to (ASCII
    or not), whose odds the rate of telling words pays for instead; a symbol
    in `whole_rows` pays for those odds in its steps to characters beyond
    ASCII and from them to it. In a language of another script that is the
    ASCII letter: a word of ASCII letters is an English word, at the
    language's rate of them, and one that runs on into the language's own
    letters ("sizesЕ", "Bibliothиque") is no word at all, though it escapes
    that rate."""
    total = sum(unigram.values())
    p1 = [(unigram[s] + 0.5) / (total + 0.5 * size) for s in range(size)]
    class_share = {h: sum(p1[s] for s in range(size) if is_high(s) == h) for h in (False, True)}
    from_class = collections.Counter()
    for (a, b), n in bigram.items():
        from_class[a, is_high(b)] += n
    k = 4.0
    matrix = []
    for a in range(size):
        row = []
        for b in range(size):
            if a == BOUNDARY and b == BOUNDARY:
                row.append(0)
                continue
            h = is_high(b)
            if (h and a in whole_rows) or (b in whole_rows and is_high(a) and not h):
                p = (bigram[a, b] + k * p1[b]) / (from_class[a, False] + from_class[a, True] + k)
            else:
                p = (bigram[a, b] + k * p1[b] / class_share[h]) / (from_class[a, h] + k)
            row.append(min(TOP_LEVEL, max(0, int(round((-math.log2(p) + spread.get(b, 0)) / STEP)))))
        matrix.append(row)
    return matrix




# The telling words a language uses most, each with what it costs among its
# telling words: a reading that spells one pays that instead of what its
# letters would cost (languagemodel.cpp). Words as the detector cuts them:
# runs of ASCII letters and characters beyond ASCII.
MOST_WORDS = 1000
WORD_RUN = re.compile(r"[A-Za-z\u0080-\U0010FFFF]+")


def known_words(running, in_alphabet):
    counts = collections.Counter()
    total = 0
    for text in running:
        for word in WORD_RUN.findall(text):
            if all(ord(c) < 0x80 for c in word):
                continue
            total += 1
            word = "".join(lower(c) for c in word)
            if all(in_alphabet(c) for c in word):
                counts[word] += 1
    return [(w, cost(n / total)) for w, n in counts.most_common(MOST_WORDS) if n >= 3]


# The same for the words of ASCII letters alone, each with what it costs
# among those words: they tell one language of Latin letters from another
# where a line has only a telling character or two ("dell’Uruguay"). Not
# those of one letter, which are as often a name ("Offset Y", not Spanish
# "y"). On the dev part, as right / asked / wrong, each word spared 14
# bits at most: 150 words and 600: 98.0 / 1.7 / 0.33 %, the model 6 % or
# 20 % larger; 300: 97.9 / 1.7 / 0.33; 300 with words of one letter, 12
# bits: 97.8 / 1.8 / 0.38, against 97.9 / 1.7 / 0.33 without them.
MOST_ASCII_WORDS = 150


def known_ascii_words(running):
    counts = collections.Counter()
    total = 0
    for text in running:
        for word in WORD_RUN.findall(text):
            if any(ord(c) >= 0x80 for c in word):
                continue
            total += 1
            if len(word) >= 2:
                counts[word.lower()] += 1
    return [(w, cost(n / total)) for w, n in counts.most_common(MOST_ASCII_WORDS) if n >= 3]


def alphabet_of(script, texts):
    """A language's signs: the ASCII letters, for one written in Latin
    letters, and the characters beyond ASCII its text uses often."""
    counts = collections.Counter()
    for text in texts:
        counts.update(lower(c) for c in text if ord(c) >= 0x80)
    telling = sum(counts.values())
    signs = [c for c, n in counts.most_common() if ord(c) >= 0x80 and kind_of(c) != JUNK
             and n >= max(8, telling * 0.0004)][:MOST_SIGNS]
    return (list("abcdefghijklmnopqrstuvwxyz") if script == "Latin" else []) + sorted(signs), telling


def shared_others(texts_by_language, alphabets):
    """The characters beyond ASCII that running text uses outside its own
    language's signs, in every alphabetic language at once: symbols, and
    letters of other languages (a name, a loanword). Each with its cost
    among those of its kind; any other costs the most there is."""
    shares = collections.Counter()
    users = collections.Counter()
    languages = collections.Counter()
    for language, running in texts_by_language.items():
        signs = set(alphabets[language])
        counts = {OTHER_SYMBOL: collections.Counter(), OTHER_LETTER: collections.Counter()}
        for text in running:
            symbols = [c for c in text if ord(c) >= 0x80 and kind_of(c) == OTHER_SYMBOL]
            if len(set(symbols)) <= MOST_TABLE_SYMBOLS:
                counts[OTHER_SYMBOL].update(symbols)
            counts[OTHER_LETTER].update(c for c in text if ord(c) >= 0x80 and kind_of(c) == OTHER_LETTER
                                        and lower(c) not in signs)
        for kind, counter in counts.items():
            total = sum(counter.values())
            if not total:
                continue
            languages[kind] += 1
            users.update(counter.keys())
            for c, n in counter.items():
                shares[c] += n / total
    table = [(c, cost(share / languages[kind_of(c)])) for c, share in sorted(shares.items())
             if users[c] >= SYMBOL_LANGUAGES]
    return table, TOP_LEVEL


# A word of one letter beyond ASCII right after a word and a space is seldom
# a capital ("isso é", "и в", "à"): "de É" and "з У" are wrong readings of
# "de …" and "з “". A language with few such words takes the rate of all
# languages as if it had seen this many at it. On five dev draws of
# bench/corpus/real.py (10,593 lines, paragraphs and subtitle files) the
# costs cut the wrong from 30 to 26 and the asked from 149 to 148; one cost
# of 4, 8 or 12 bits for every language does about the same, so the prior
# hardly matters.
LONE_PRIOR = 20
LONE_LETTER = re.compile(r"(?<= )[^\x00-\x7f](?=[\x00-\x40\x5b-\x60\x7b-\x7f]|$)")


def lone_letters(running):
    """How many words of one letter beyond ASCII follow a small letter and a
    space in the running text, and how many of them are capitals."""
    lone = capitals = 0
    for text in running:
        for m in LONE_LETTER.finditer(text):
            c = m.group()
            if m.start() >= 2 and text[m.start() - 2].islower() and c.isalpha():
                lone += 1
                capitals += c.isupper()
    return lone, capitals


def lone_costs(counts):
    """What a capital word of one letter after a small letter costs in each
    language, in bits, from `lone_letters` of each."""
    lone = sum(n for n, _ in counts.values())
    capitals = sum(c for _, c in counts.values())
    pooled = (capitals + 1.0) / (lone + 2.0)
    return {language: -math.log2((c + LONE_PRIOR * pooled) / (n + LONE_PRIOR)) for language, (n, c) in counts.items()}


def learn_alphabetic(script, texts, running, signs, others):
    alphabet, telling = signs
    index = {c: i + SPECIALS for i, c in enumerate(alphabet)}
    size = len(alphabet) + SPECIALS

    def symbol(c):
        low = lower(c)
        return index.get(low, kind_of(c))

    def is_high(s):
        return s in (OTHER_LETTER, OTHER_SYMBOL) or (s >= SPECIALS and ord(alphabet[s - SPECIALS]) >= 0x80)

    unigram = collections.Counter()
    bigram = collections.Counter()
    high = low = 0
    for text in texts:
        t, a = count_words(text)
        high += t
        low += a
        previous = BOUNDARY
        for c in text + " ":
            s = symbol(c)
            if s == JUNK or (s == BOUNDARY and previous == BOUNDARY):
                continue
            unigram[s] += 1
            bigram[previous, s] += 1
            previous = s
    rate = (high + 1.0) / (high + low + 2.0)
    # How often a capital follows a small letter: "iPhone" happens, "mÜssen"
    # is a wrong reading.
    after_small = switches = 0
    for text in texts[::3]:
        for a, b in zip(text, text[1:]):
            if a.islower() and b.isalpha():
                after_small += 1
                switches += b.isupper()
    switch = -math.log2((switches + 1.0) / (after_small + 2.0))
    spread = {}
    other_costs, other_rest = others
    if script != "Latin":
        spread[ASCII_LETTER] = ASCII_LETTER_SPREAD
    matrix = class_matrix(bigram, unigram, size, is_high, spread, () if script == "Latin" else (ASCII_LETTER,))
    # What a telling character of the language's own text costs on average,
    # scored as the detector scores: only steps that touch one, and the rate.
    spent = 0.0
    seen = 0
    for text in texts[::7]:
        previous, previous_high = BOUNDARY, False
        quarters = high_here = 0
        for c in text + " ":
            s = symbol(c)
            if s == JUNK:
                continue
            h = ord(c) >= 0x80
            high_here += h
            if h or previous_high:
                quarters += matrix[previous][s]
            if h and s in (OTHER_SYMBOL, OTHER_LETTER):
                quarters += other_costs.get(c, other_rest)
            previous, previous_high = s, h
        # Only what the telling characters cost: their steps and the rate of
        # their words.
        spent += quarters * STEP + count_words(text)[0] * -math.log2(rate)
        seen += high_here
    expected = spent / max(1, seen)
    # Words of other scripts: their letters tell the code pages apart.
    words = known_words(running, lambda c: c in index and unicodedata.category(c)[0] in "LM") \
        if script == "Latin" else []
    ascii_words = known_ascii_words(running) if script == "Latin" else []
    return {"alphabet": "".join(alphabet), "matrix": matrix, "expected": expected, "telling": telling,
            "rate": rate, "switch": switch, "words": words, "asciiWords": ascii_words}


CJK_TABLE = {HAN: 4000, HIRAGANA: 90, KATAKANA: 96, HALFWIDTH_KANA: 63, HANGUL: 2400, CJK_PUNCT: 120,
             OTHER_LETTER: 60, OTHER_SYMBOL: 80, DIGIT: 20}
# About how many characters each kind holds beyond those in the table, for
# what one of the rest costs.
CJK_MEMBERS = {HAN: 20000, HIRAGANA: 4, KATAKANA: 4, HALFWIDTH_KANA: 2, HANGUL: 8000, CJK_PUNCT: 100,
               OTHER_LETTER: 1000, OTHER_SYMBOL: 2000, DIGIT: 10}


def learn_cjk(language, texts):
    kinds = collections.Counter()
    transitions = collections.Counter()
    chars = collections.defaultdict(collections.Counter)
    high = low = 0
    for text in texts:
        t, a = count_words(text)
        high += t
        low += a
        previous = BOUNDARY
        for c in text + " ":
            k = cjk_kind(c)
            if k == JUNK:
                continue
            if k == BOUNDARY and previous == BOUNDARY:
                continue
            kinds[k] += 1
            transitions[previous, k] += 1
            if ord(c) >= 0x80 and ord(c) <= 0xFFFF:
                chars[k][c] += 1
            elif ord(c) > 0xFFFF:
                chars[k]["rest"] += 1
            previous = k
    rate = (high + 1.0) / (high + low + 2.0)
    matrix = class_matrix(transitions, kinds, CJK_KINDS,
                          lambda k: k >= SPECIALS or k in (OTHER_LETTER, OTHER_SYMBOL),
                          {ASCII_LETTER: ASCII_LETTER_SPREAD}, (ASCII_LETTER,))
    total = sum(kinds.values())
    table = []
    rest = [TOP_LEVEL] * CJK_KINDS
    rest[BOUNDARY] = int(8 / STEP)  # a space other than U+0020
    for k in range(CJK_KINDS):
        counter = chars.get(k, collections.Counter())
        n = sum(counter.values())
        if k not in CJK_TABLE:
            continue
        top = [(c, m) for c, m in counter.most_common() if c != "rest"][:CJK_TABLE[k]]
        for c, m in top:
            table.append((c, cost((m + 0.1) / (n + 1.0))))
        left = n - sum(m for _, m in top)
        # One of the rest costs its share of the kind: the odds of a
        # character the text never had, spread over the kind's members, and a
        # little more than the rarest in the table. Capped near the rarest, it
        # would say that a rare character is no sign of a wrong reading; but
        # where the table holds every one the text had (our Korean text has
        # five hanja in 180,000 characters), the rarest says nothing of the
        # thousands never seen, and Chinese read as Korean hanja in
        # windows-949 ("铜制钥匙") would cost less than as Chinese.
        rarest = max((cost((m + 0.1) / (n + 1.0)) for _, m in top), default=40)
        spread = int(round((-math.log2((left + 1.0) / (n + 2.0)) + math.log2(CJK_MEMBERS[k])) / STEP))
        rest[k] = min(TOP_LEVEL, max(rarest + 4, spread))
    table.sort(key=lambda e: ord(e[0]))
    costs = {c: level for c, level in table}
    spent = 0.0
    seen = 0
    for text in texts[::7]:
        previous, previous_high = BOUNDARY, False
        quarters = high_here = 0
        for c in text + " ":
            k = cjk_kind(c)
            if k == JUNK:
                continue
            h = ord(c) >= 0x80
            high_here += h
            if h:
                quarters += matrix[previous][k] + costs.get(c, rest[k])
            elif previous_high:
                quarters += matrix[previous][k]
            previous, previous_high = k, h
        spent += quarters * STEP + count_words(text)[0] * -math.log2(rate)
        seen += high_here
    expected = spent / max(1, seen)
    return {"matrix": matrix, "table": table, "rest": rest, "telling": total, "expected": expected, "rate": rate}


# --- Writing the tables --------------------------------------------------

def digits(levels):
    return "".join(DIGITS[v] for v in levels)


def literal(text, width=100):
    chunks = [text[i:i + width] for i in range(0, len(text), width)] or [""]
    return "\n".join('        "%s"' % c for c in chunks)


def utf16_literal(text, width=40):
    def esc(c):
        if c in '"\\':
            return "\\" + c
        if ord(c) < 0x20 or 0x7F <= ord(c) <= 0xA0 or unicodedata.category(c)[0] in "MZC":
            return "\\u%04X" % ord(c)
        return c
    chunks = [text[i:i + width] for i in range(0, len(text), width)] or [""]
    return "\n".join('        u"%s"' % "".join(esc(c) for c in chunk) for chunk in chunks)


def write_models(models, others, path):
    table, rest = others
    lines = ["// Generated by engine/detect/models/build-models.py from text in Debian's",
             "// packages (see its header for the sources and their licences); do not edit.",
             "// Costs are in quarter bits, one base-64 digit each (A = 0 ... / = 63).",
             "",
             "const SymbolData symbolData = {",
             utf16_literal("".join(c for c, _ in table)) + ",",
             literal(digits(level for _, level in table)) + ",",
             "    %d};" % rest,
             "",
             "const AlphabeticData alphabeticData[] = {"]
    for language, model in sorted(models.items()):
        if "alphabet" not in model:
            continue
        size = len(model["alphabet"]) + SPECIALS
        lines.append("    {\"%s\", %d, %.6f, %.2f, %.2f, %d," % (language, int(round(model["expected"] * 16)),
                                                              model["rate"], model["switch"], model["lone"], size))
        lines.append(utf16_literal(model["alphabet"]) + ",")
        lines.append(literal("".join(digits(row) for row in model["matrix"]), size if size > 60 else 2 * size) + ",")
        lines.append(utf16_literal(" ".join(w for w, _ in model["words"]), 60) + ",")
        lines.append(literal(digits(level for _, level in model["words"])) + ",")
        lines.append(literal(" ".join(w for w, _ in model["asciiWords"])) + ",")
        lines.append(literal(digits(level for _, level in model["asciiWords"])) + "},")
    lines.append("};")
    lines.append("")
    lines.append("const CjkData cjkData[] = {")
    for language, model in sorted(models.items()):
        if "table" not in model:
            continue
        chars = "".join(c for c, _ in model["table"])
        lines.append("    {\"%s\", %d, %.6f, %d," % (language, int(round(model["expected"] * 16)), model["rate"],
                                                   len(chars)))
        lines.append(literal("".join(digits(row) for row in model["matrix"]), 2 * CJK_KINDS) + ",")
        lines.append(literal(digits(model["rest"])) + ",")
        lines.append(utf16_literal(chars) + ",")
        lines.append(literal(digits(l for _, l in model["table"])) + "},")
    lines.append("};")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main():
    args = sys.argv[1:]
    cache = os.path.expanduser("~/.cache/karvo-models")
    if "--cache" in args:
        at = args.index("--cache")
        cache = args[at + 1]
        del args[at:at + 2]
    only_text = "--only-text" in args
    cache = os.path.abspath(cache)
    if not os.path.isdir(os.path.join(cache, "text", "train")) or "--again" in args:
        root = fetch(cache)
        split_text(root, cache)
    if only_text:
        return
    plain = {language: training_texts(cache, language) for language in LANGUAGES}
    texts = {language: (typographic(running), listed) for language, (running, listed) in plain.items()}
    alphabetic = [language for language in LANGUAGES if language not in CJK]
    alphabets = {language: alphabet_of(LANGUAGES[language][0], sum(texts[language], []))
                 for language in alphabetic}
    others = shared_others({language: plain[language][0] for language in alphabetic},
                           {language: alphabet for language, (alphabet, _) in alphabets.items()})
    other_costs = dict(others[0])
    print("%d shared symbols and letters" % len(other_costs), flush=True)
    lone = lone_costs({language: lone_letters(texts[language][0]) for language in alphabetic})
    models = {}
    for language, (script, _) in sorted(LANGUAGES.items()):
        running, listed = texts[language]
        models[language] = learn_cjk(language, running + listed) if language in CJK else \
            learn_alphabetic(script, running + listed, running, alphabets[language], (other_costs, others[1]))
        m = models[language]
        if "alphabet" in m:
            m["lone"] = lone[language]
            details = ", %d signs, %.1f bits each, rate %.3f, %d words, %d of ASCII letters" % (
                len(m["alphabet"]), m["expected"], m["rate"], len(m["words"]), len(m["asciiWords"]))
        else:
            details = ", %d characters, %.1f bits each, rate %.3f" % (len(m["table"]), m["expected"], m["rate"])
        print("%-8s %7d telling characters%s" % (language, m["telling"], details), flush=True)
    write_models(models, others, os.path.join(HERE, "languagemodels.inc"))


if __name__ == "__main__":
    main()

#include "encoding.h"

#include "iso2022kr.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QTextCodec>
#include <QTextDecoder>

#include <algorithm>
#include <memory>

namespace Karvo {

struct Encoding::Data
{
    QTextCodec *codec = nullptr;
    QString name;
    QStringList aliases;
    int mib = 0;
    int unitSize = 1;
    bool unicode = false;
    bool asciiCompatible = false;
    bool stateless = true;
    bool splitsAtLineFeeds = false;
    bool common = false;
};

namespace {

// What most people convert to, and from: Unicode, then the legacy encodings
// of East Asia, Europe and Russia. EUC-KR is windows-949 in Qt.
const char *const commonNames[] = {"UTF-8", "UTF-16", "UTF-16LE", "UTF-16BE", "GB18030", "GBK", "Big5", "Shift_JIS",
    "EUC-JP", "windows-949", "windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254",
    "windows-1255", "windows-1256", "windows-1257", "windows-1258", "ISO-8859-1", "ISO-8859-2", "ISO-8859-5",
    "ISO-8859-7", "ISO-8859-9", "ISO-8859-15", "KOI8-R", "KOI8-U"};

// ICU lists its internal table names among the aliases; nobody types those.
bool isReadableAlias(const QString &alias)
{
    return !alias.contains(QLatin1String("_P1")) && !alias.contains(QLatin1String("_X1"))
        && !alias.contains(QLatin1Char('=')) && alias != QLatin1String("ISO_2022");
}

// Encodings whose bytes mean different things after an escape sequence or a
// shift, by the names Qt and ICU give them.
bool isStateful(const QString &name)
{
    static const char *const families[]
        = {"ISO-2022", "UTF-7", "HZ", "SCSU", "BOCU", "IMAP-mailbox", "ISCII", "x11-compound", "TSCII"};
    return std::any_of(std::begin(families), std::end(families),
        [&](const char *family) { return name.contains(QLatin1String(family), Qt::CaseInsensitive); });
}

// By MIB, the codecs whose bytes may be cut after any line feed. Left out are
// the stateful ones, those with byte-order marks (UTF-16, UTF-32), EBCDIC
// code pages (where 0x0A is no line feed and some shift) and codecs found
// without a MIB of their own (0), whose MIB says nothing about what they are.
bool cutsAtLineFeeds(int mib)
{
    if ((mib >= 3 && mib <= 13) || (mib >= 109 && mib <= 111) || (mib >= 2250 && mib <= 2259))
        return true; // US-ASCII, ISO-8859-*, windows-125*, TIS-620
    switch (mib) {
    case 106: // UTF-8
    case 17: // Shift_JIS
    case 2024:
    case 18: // EUC-JP
    case 36: // EUC-KR, UHC (windows-949)
    case 38:
    case 57: // GB2312, GBK, GB18030
    case 113:
    case 2025:
    case 114:
    case 2026: // Big5, Big5-HKSCS
    case 2101:
    case 81: // ISO-8859-6 and -8 variants
    case 82:
    case 84:
    case 85:
    case 2084: // KOI8-R, KOI8-U
    case 2088:
    case 2004: // hp-roman8, macintosh
    case 2027:
    case 2009: // DOS code pages
    case 2010:
    case 2011:
    case 2013:
    case 2045:
    case 2046:
    case 2047:
    case 2048:
    case 2049:
    case 2050:
    case 2051:
    case 2052:
    case 2053:
    case 2054:
    case 2086:
    case 2087:
    case 2089:
        return true;
    default:
        return false;
    }
}

// Reads every ASCII byte alone, and writes every ASCII character, through
// the codec: both must come out unchanged.
bool readsAsciiAsIs(QTextCodec *codec)
{
    QByteArray bytes(128, Qt::Uninitialized);
    QString text(128, Qt::Uninitialized);
    for (int b = 0; b < 128; ++b) {
        bytes[b] = char(b);
        text[b] = QLatin1Char(char(b));
    }
    QTextDecoder decoder(codec, QTextCodec::IgnoreHeader);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return decoder.toUnicode(bytes) == text && !decoder.hasFailure() && !decoder.needsMoreData()
        && codec->fromUnicode(text.constData(), text.size(), &state) == bytes && state.invalidChars == 0;
}

std::unique_ptr<Encoding::Data> describe(QTextCodec *codec)
{
    auto d = std::make_unique<Encoding::Data>();
    d->codec = codec;
    d->name = QString::fromLatin1(codec->name());
    d->mib = codec->mibEnum();
    switch (d->mib) {
    case 106:
        d->unicode = true;
        break;
    case 1013: // UTF-16BE, UTF-16LE, UTF-16
    case 1014:
    case 1015:
        d->unicode = true;
        d->unitSize = 2;
        break;
    case 1017: // UTF-32, UTF-32BE, UTF-32LE
    case 1018:
    case 1019:
        d->unicode = true;
        d->unitSize = 4;
        break;
    default:
        break;
    }
    d->stateless = !isStateful(d->name);
    // Qt takes windows-949 (the Korean everyone writes, EUC-KR within it)
    // from ICU, which gives it no MIB: it is known by its name instead.
    d->splitsAtLineFeeds
        = d->stateless && (cutsAtLineFeeds(d->mib) || (d->mib == 0 && d->name == QLatin1String("windows-949")));
    d->asciiCompatible = d->unitSize == 1 && d->stateless && readsAsciiAsIs(codec);
    for (const QByteArray &alias : codec->aliases()) {
        const QString text = QString::fromLatin1(alias);
        if (isReadableAlias(text) && text != d->name && !d->aliases.contains(text))
            d->aliases.append(text);
    }
    if (d->name == QLatin1String("windows-949"))
        d->aliases.prepend(QStringLiteral("EUC-KR"));
    d->common = std::any_of(std::begin(commonNames), std::end(commonNames),
        [&](const char *name) { return d->name == QLatin1String(name); });
    return d;
}

// One description per codec for the life of the process; codecs live as
// long, so their addresses are their identity.
const Encoding::Data *dataFor(QTextCodec *codec)
{
    static QMutex mutex;
    static QHash<QTextCodec *, std::shared_ptr<const Encoding::Data>> known;
    const QMutexLocker lock(&mutex);
    auto found = known.constFind(codec);
    if (found == known.constEnd())
        found = known.insert(codec, describe(codec));
    return found->get();
}

} // namespace

Encoding Encoding::of(QTextCodec *codec)
{
    // The TSCII codec reads several Tamil letters as others (Qt 5's more
    // than Qt 6's), so text converted from or to it would not be the text
    // that was there: Karvo offers no such encoding.
    if (!codec || codec->name().startsWith("TSCII"))
        return Encoding();
    // ICU's ISO-2022-KR reads several characters as others (see
    // iso2022kr.h): Karvo reads and writes its own.
    if (codec->name() == "ISO-2022-KR")
        codec = iso2022KrCodec();
    return Encoding(dataFor(codec));
}

Encoding Encoding::named(const QString &name)
{
    if (name.isEmpty())
        return Encoding();
    // The charset detector names a few encodings that Qt knows under other
    // names only. ISO-8859-11 is TIS-620 plus a no-break space at 0xA0, which
    // Qt's TIS-620 (windows-874) decodes the same way.
    if (name.compare(QLatin1String("UHC"), Qt::CaseInsensitive) == 0)
        return of(QTextCodec::codecForName("windows-949"));
    if (name.compare(QLatin1String("ISO-8859-11"), Qt::CaseInsensitive) == 0)
        return of(QTextCodec::codecForName("TIS-620"));
    return of(QTextCodec::codecForName(name.toUtf8()));
}

Widening wideningOf(const Encoding &encoding)
{
    static const struct
    {
        Encoding narrow;
        Widening wider;
    } widenings[] = {
        {Encoding::named(QStringLiteral("Big5")),
            {Encoding::named(QStringLiteral("Big5-HKSCS")), Widening::Bytes::HongKongLeads}},
        {Encoding::named(QStringLiteral("ISO-8859-1")),
            {Encoding::named(QStringLiteral("windows-1252")), Widening::Bytes::Controls}},
        {Encoding::named(QStringLiteral("ISO-8859-9")),
            {Encoding::named(QStringLiteral("windows-1254")), Widening::Bytes::Controls}},
        {Encoding::named(QStringLiteral("US-ASCII")), {Encoding::utf8(), Widening::Bytes::NonAscii}},
    };
    for (const auto &widening : widenings) {
        if (widening.narrow == encoding)
            return widening.wider;
    }
    return Widening();
}

const char *Widening::find(const char *begin, const char *end) const
{
    if (bytes == Bytes::None)
        return end;
    const Range range = rangeOf(bytes);
    // Most streams hold none: blocks without an early exit, which the
    // compiler turns into vector instructions, pass them at memory speed.
    constexpr int block = 256;
    const char *at = begin;
    for (; end - at >= block; at += block) {
        uchar any = 0;
        for (int i = 0; i < block; ++i)
            any |= range.contains(uchar(at[i]));
        if (any)
            break;
    }
    return std::find_if(at, end, [range](char c) { return range.contains(uchar(c)); });
}

Encoding Encoding::utf8()
{
    static const Encoding encoding = of(QTextCodec::codecForMib(106));
    return encoding;
}

QString Encoding::name() const
{
    return d ? d->name : QString();
}

QStringList Encoding::aliases() const
{
    return d ? d->aliases : QStringList();
}

QTextCodec *Encoding::codec() const
{
    return d ? d->codec : nullptr;
}

int Encoding::mib() const
{
    return d ? d->mib : -1;
}

bool Encoding::isUnicode() const
{
    return d && d->unicode;
}

bool Encoding::isUtf8() const
{
    return d && d->mib == 106;
}

int Encoding::unitSize() const
{
    return d ? d->unitSize : 1;
}

bool Encoding::isAsciiCompatible() const
{
    return d && d->asciiCompatible;
}

bool Encoding::isStateless() const
{
    return d && d->stateless;
}

bool Encoding::splitsAtLineFeeds() const
{
    return d && d->splitsAtLineFeeds;
}

bool Encoding::isCommon() const
{
    return d && d->common;
}

const QVector<Encoding> &catalogue()
{
    static const QVector<Encoding> list = [] {
        // Several MIBs lead to one codec (GBK has three); each codec is
        // listed once.
        QVector<Encoding> all;
        const QList<int> mibs = QTextCodec::availableMibs();
        for (int mib : mibs) {
            const Encoding encoding = Encoding::of(QTextCodec::codecForMib(mib));
            if (encoding.isValid() && !all.contains(encoding))
                all.append(encoding);
        }
        QVector<Encoding> sorted;
        for (const char *name : commonNames) {
            const auto found = std::find_if(
                all.begin(), all.end(), [&](const Encoding &e) { return e.name() == QLatin1String(name); });
            if (found != all.end()) {
                sorted.append(*found);
                all.erase(found);
            }
        }
        std::sort(all.begin(), all.end(), [](const Encoding &a, const Encoding &b) {
            return QString::compare(a.name(), b.name(), Qt::CaseInsensitive) < 0;
        });
        return sorted + all;
    }();
    return list;
}

int findEncoding(const QString &text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return -1;
    const QVector<Encoding> &list = catalogue();
    // Qt knows more names than it lists as aliases (gb2312, for one).
    const Encoding known = Encoding::named(wanted);
    const auto names = [](const Encoding &e) { return QStringList(e.name()) + e.aliases(); };
    for (int i = 0; i < list.size(); ++i) {
        if ((known.isValid() && list.at(i) == known) || names(list.at(i)).contains(wanted, Qt::CaseInsensitive))
            return i;
    }
    int found = -1;
    for (int i = 0; i < list.size(); ++i) {
        const QStringList all = names(list.at(i));
        const bool matches = std::any_of(
            all.cbegin(), all.cend(), [&](const QString &name) { return name.contains(wanted, Qt::CaseInsensitive); });
        if (matches) {
            if (found >= 0)
                return -1;
            found = i;
        }
    }
    return found;
}

} // namespace Karvo

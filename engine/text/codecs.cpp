#include "codecs.h"

#include <QHash>
#include <QTextCodec>

#include <algorithm>

namespace Karvo {

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

} // namespace

QList<CodecDescriptor> availableCodecs()
{
    // Several MIBs lead to one codec (GBK has three); each name is listed
    // once, under the MIB that looking the name up gives.
    QHash<QString, CodecDescriptor> byName;
    const QList<int> mibs = QTextCodec::availableMibs();
    for (int mib : mibs) {
        const QTextCodec *codec = QTextCodec::codecForMib(mib);
        const QString name = QString::fromLatin1(codec->name());
        if (byName.contains(name))
            continue;
        CodecDescriptor descriptor = codecByName(name);
        descriptor.displayName = name;
        for (const QByteArray &alias : codec->aliases()) {
            const QString text = QString::fromLatin1(alias);
            if (isReadableAlias(text) && !descriptor.aliases.contains(text))
                descriptor.aliases.append(text);
        }
        if (name == QLatin1String("windows-949"))
            descriptor.aliases.prepend(QStringLiteral("EUC-KR"));
        byName.insert(name, descriptor);
    }

    QList<CodecDescriptor> codecs;
    for (const char *name : commonNames) {
        auto found = byName.find(QLatin1String(name));
        if (found == byName.end())
            continue;
        found->common = true;
        codecs.append(*found);
        byName.erase(found);
    }
    QList<CodecDescriptor> rest = byName.values();
    std::sort(rest.begin(), rest.end(), [](const CodecDescriptor &a, const CodecDescriptor &b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    return codecs + rest;
}

CodecDescriptor codecByName(const QString &name)
{
    CodecDescriptor descriptor;
    const QByteArray key = name.isEmpty() ? QByteArrayLiteral("UTF-8") : name.toUtf8();
    if (const QTextCodec *codec = QTextCodec::codecForName(key)) {
        descriptor.mib = codec->mibEnum();
        descriptor.name = QString::fromLatin1(codec->name());
    }
    return descriptor;
}

CodecDescriptor defaultTargetCodec()
{
    return codecByName(QStringLiteral("UTF-8"));
}

int findCodec(const QList<CodecDescriptor> &codecs, const QString &text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return -1;
    // Qt knows more names than it lists as aliases (gb2312, for one).
    const CodecDescriptor known = codecByName(wanted);
    const auto names = [](const CodecDescriptor &codec) { return QStringList(codec.name) + codec.aliases; };
    for (int i = 0; i < codecs.size(); ++i) {
        if (codecs.at(i).name == known.name || names(codecs.at(i)).contains(wanted, Qt::CaseInsensitive))
            return i;
    }
    int found = -1;
    for (int i = 0; i < codecs.size(); ++i) {
        const QStringList all = names(codecs.at(i));
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

#include "detection.h"

#include "regularfile.h"
#include "streaming.h"
#include "utf8validator.h"

#include <QByteArray>
#include <QFile>
#include <QTextCodec>

#include <uchardet/uchardet.h>

#include <cstdio>
#include <memory>

namespace Karvo {

namespace {

// The detector names a few charsets that Qt knows under other names only.
// ISO-8859-11 is TIS-620 plus a no-break space at 0xA0, which Qt's TIS-620
// (windows-874) decodes the same way.
QTextCodec *codecForCharset(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    if (name.compare(QLatin1String("UHC"), Qt::CaseInsensitive) == 0)
        return QTextCodec::codecForName("windows-949");
    if (name.compare(QLatin1String("ISO-8859-11"), Qt::CaseInsensitive) == 0)
        return QTextCodec::codecForName("TIS-620");
    return QTextCodec::codecForName(name.toLatin1());
}

struct DetectorDeleter
{
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

} // namespace

DetectResult detectFileCoding(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};

    // Feeding the detector chunk by chunk keeps memory flat whatever the file
    // size; once it is sure of its answer it returns from each chunk at once.
    std::unique_ptr<uchardet, DetectorDeleter> detector;
    Utf8Validator utf8;
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(buffer.data(), buffer.size())) > 0) {
        if (!detector) {
            detector.reset(uchardet_new());
            if (!detector)
                return {};
        }
        if (uchardet_handle_data(detector.get(), buffer.constData(), size_t(read)) != 0) {
            std::fputs("Handle data error.\n", stderr);
            return {};
        }
        utf8.feed(buffer.constData(), read);
    }
    if (read < 0 || !detector)
        return {};

    uchardet_data_end(detector.get());
    DetectResult result;
    const char *charset = uchardet_get_charset(detector.get());
    result.name = QString::fromLatin1(charset ? charset : "");

    // The detector takes short UTF-8 texts such as "café" for a legacy code
    // page, and converting those to UTF-8 would encode them twice. Bytes that
    // are valid UTF-8 and not plain ASCII are UTF-8 beyond reasonable doubt.
    if (utf8.isUtf8())
        result.name = QStringLiteral("UTF-8");

    if (QTextCodec *codec = codecForCharset(result.name))
        result.mib = codec->mibEnum();
    return result;
}

QTextCodec *codecForDetection(const DetectResult &detection)
{
    if (detection.mib == -1)
        return nullptr;
    // Several codecs share a MIB (0 stands for windows-949, x-mac-cyrillic and
    // more), so the name decides wherever it finds a codec.
    if (QTextCodec *codec = codecForCharset(detection.name))
        return codec;
    return QTextCodec::codecForMib(detection.mib);
}

} // namespace Karvo

// Finding out which encoding a file is written in.
#ifndef KARVO_DETECTION_H
#define KARVO_DETECTION_H

#include <QString>

class QTextCodec;

struct DetectResult
{
    QString name; // the charset as the detector spelled it; may be empty
    int mib = -1; // the MIB of the codec found for it; -1 for none
};

namespace Karvo {

// Reads the whole file once, in chunks. Anything that is not a regular file,
// cannot be read or is empty gives the default result.
DetectResult detectFileCoding(const QString &path);

// The codec to decode a detected file with: the one found under the
// detector's name, or by MIB where the name finds none. Null when detection
// found no codec.
QTextCodec *codecForDetection(const DetectResult &detection);

} // namespace Karvo

#endif

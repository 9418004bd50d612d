// Rewriting a file from its detected encoding into the target encoding, and
// copying a file that is already in it.
#ifndef KARVO_CONVERSION_H
#define KARVO_CONVERSION_H

#include "codecs.h"
#include "detection.h"
#include "outcome.h"

#include <QString>

namespace Karvo {

// Decodes the source with the detected codec and writes it, encoded with the
// target's codec, to targetPath (which may be the source itself). Nothing is
// written unless every character survives both ways: bytes the source codec
// cannot decode, or characters the target cannot represent, fail the whole
// file and leave the destination as it was. The destination is replaced
// atomically and keeps the owner and permissions of the file it replaces.
Outcome convertFile(
    const QString &sourcePath, const QString &targetPath, const DetectResult &detection, const CodecDescriptor &target);

// Copies a file that needs no conversion. An existing destination is never
// replaced: holding the same bytes (or being the source itself) counts as
// success, holding anything else as a failure.
Outcome copyFile(const QString &sourcePath, const QString &targetPath);

} // namespace Karvo

#endif

// Rewriting a file from its detected encoding into the target encoding, and
// copying a file that is already in it.
#ifndef KARVO_CONVERSION_H
#define KARVO_CONVERSION_H

#include "destination.h"
#include "detection.h"
#include "outcome.h"

#include <QString>

namespace Karvo {

// Decodes the source with the detected codec and writes it, encoded with the
// target's codec, to targetPath (which may be the source itself). Nothing is
// written unless every character survives both ways: bytes the source codec
// cannot decode, or characters the target cannot represent, fail the whole
// file and leave the destination as it was. The destination is replaced
// atomically and keeps the owner and the exact mode bits of the file it
// replaces (the source itself in place, through a symbolic link too); a new
// file takes the source's permission bits. At a destination other than the
// source, a symbolic link or anything else but a regular file fails the
// file and is left alone. An existing file (in place, the source itself)
// is replaced only after `beforeReplace`, if given, agreed, and `replaced`
// in the outcome says so.
// Safe to call from several threads at once.
Outcome convertFile(const QString &sourcePath, const QString &targetPath, const DetectResult &detection,
    const Encoding &target, const BeforeReplace &beforeReplace = {});

// Copies a file that needs no conversion. An existing destination is never
// replaced: holding the same bytes (or being the source itself) counts as
// success, holding anything else as a failure, and so does a symbolic link.
// As a copy never replaces a file, `beforeReplace` is passed on for the day
// it may, and is not called today.
Outcome copyFile(const QString &sourcePath, const QString &targetPath, const BeforeReplace &beforeReplace = {});

} // namespace Karvo

#endif

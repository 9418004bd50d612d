// Karvo as a filter, the way iconv is one: `karvo - ` reads standard input,
// `karvo --stdout FILE...` reads files, and both write the converted text to
// standard output, touching no file. A file is detected whole, as a run
// would; a stream from about its first MiB. Whatever comes, the output is
// only ever whole characters of the input: at the first byte that is not
// text in the encoding read, or the first character the target cannot
// write, the filter stops with what came before and says where.
#ifndef KARVO_FILTER_H
#define KARVO_FILTER_H

#include "encoding.h"

#include <QStringList>

namespace Karvo {

// Converts each of `paths` ("-": standard input) to standard output, in
// order, into `target`; `source`, when valid, replaces detection. Returns
// the command line's exit code.
int runFilter(const QStringList &paths, const Encoding &target, const Encoding &source);

} // namespace Karvo

#endif

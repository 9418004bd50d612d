// How a file operation ended, in words a user can act on.
#ifndef KARVO_OUTCOME_H
#define KARVO_OUTCOME_H

#include <QString>

namespace Karvo {

struct Outcome
{
    bool ok = true;
    QString message; // the sentence shown to the user; empty on success
    QString detail; // which file, and the system's reason where there is one
    bool replaced = false; // an existing file at the destination was replaced

    static Outcome success() { return {}; }
    static Outcome failure(const QString &message, const QString &detail) { return {false, message, detail}; }
};

} // namespace Karvo

#endif

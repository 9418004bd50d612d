// Failures as tables compare them: by kind and facts, never by sentence.
#ifndef KARVO_FACTS_H
#define KARVO_FACTS_H

#include "outcome.h"
#include "report.h"

#include <QStringList>

// A failure's kind and facts in one line, for a table to compare:
// "lossy-target 3:7 U+4E2D ISO-8859-1". Empty for success.
inline QString facts(const Karvo::Outcome &outcome)
{
    QStringList parts(Karvo::failureCode(outcome.failure));
    if (outcome.line > 0)
        parts.append(QStringLiteral("%1:%2").arg(outcome.line).arg(outcome.column));
    if (outcome.character != 0)
        parts.append(QStringLiteral("U+%1").arg(uint(outcome.character), 4, 16, QLatin1Char('0')).toUpper());
    if (!outcome.encoding.isEmpty())
        parts.append(outcome.encoding);
    return outcome.ok() ? QString() : parts.join(QLatin1Char(' '));
}

#endif

// The engine's diagnostics. Silent unless asked for, as in
// QT_LOGGING_RULES="karvo.engine.debug=true": what reaches a user goes
// through the records and their words, never through a log.
#ifndef KARVO_LOG_H
#define KARVO_LOG_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(karvoEngine)

#endif

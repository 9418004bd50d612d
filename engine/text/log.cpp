#include "log.h"

Q_LOGGING_CATEGORY(karvoEngine, "karvo.engine", QtCriticalMsg)

// The translation context of the engine's failure messages: the engine has
// no widget to call tr() on, yet what it says reaches the user. Translating
// is thread-safe, so workers translate where they build a message.
#ifndef KARVO_MESSAGES_H
#define KARVO_MESSAGES_H

#include <QCoreApplication>

namespace Karvo {

class Engine
{
    Q_DECLARE_TR_FUNCTIONS(Karvo::Engine)
};

} // namespace Karvo

#endif

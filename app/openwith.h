// How a file manager starts Karvo on files: `karvo --window [--to ENCODING |
// --ask] [--] FILE...` opens the window and starts a run on the files, as a
// drop of them would. --to picks the target first ("Convert to UTF-8");
// --ask lets the user pick it ("Convert with Karvo…").
#ifndef KARVO_OPENWITH_H
#define KARVO_OPENWITH_H

#include <QString>
#include <QStringList>

class KvMainWindow;

namespace Karvo {

struct OpenWith
{
    bool window = false; // the arguments ask for the window
    QString target; // --to: the target's name as given
    bool ask = false; // --ask
    QStringList files; // absolute, as a drop gives them
};

// Reads the arguments; `window` stays false unless the first is --window.
OpenWith openWithArguments(int argc, char *argv[]);

// Once the window is up: sets or asks for the target, then starts the run.
// False when the target is unknown or the user cancelled.
bool startOpenWith(KvMainWindow &window, const OpenWith &request);

} // namespace Karvo

#endif

#include "openwith.h"

#include "encoding.h"
#include "kvmainwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include <cstring>

namespace Karvo {

namespace {

class OpenWithText
{
    Q_DECLARE_TR_FUNCTIONS(Karvo::OpenWith)
};

// The window keeps its target in its list; choosing there is what the user
// would do, and the window remembers it as the last target used.
bool selectTarget(KvMainWindow &window, const Encoding &encoding)
{
    auto *list = window.findChild<QComboBox *>(QStringLiteral("targetCoding"));
    const int index = list ? list->findText(encoding.name()) : -1;
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return window.currentTarget() == encoding;
}

} // namespace

OpenWith openWithArguments(int argc, char *argv[])
{
    OpenWith request;
    if (argc < 2 || std::strcmp(argv[1], "--window") != 0)
        return request;
    request.window = true;
    bool options = true;
    for (int i = 2; i < argc; ++i) {
        const char *argument = argv[i];
        if (options && std::strcmp(argument, "--") == 0) {
            options = false;
        } else if (options && (std::strcmp(argument, "--to") == 0 || std::strcmp(argument, "-t") == 0)
            && i + 1 < argc) {
            request.target = QString::fromLocal8Bit(argv[++i]);
        } else if (options && std::strcmp(argument, "--ask") == 0) {
            request.ask = true;
        } else {
            request.files.append(QFileInfo(QFile::decodeName(argument)).absoluteFilePath());
        }
    }
    return request;
}

bool startOpenWith(KvMainWindow &window, const OpenWith &request)
{
    Encoding target = window.currentTarget();
    if (!request.target.isEmpty()) {
        target = Encoding::named(request.target);
        if (!target.isValid()) {
            QMessageBox::warning(&window, OpenWithText::tr("Unknown encoding"),
                //: %1 is an encoding name given on the command line
                OpenWithText::tr("Karvo does not know the encoding \"%1\".").arg(request.target));
            return false;
        }
    }
    if (request.ask && !request.files.isEmpty()) {
        QStringList names;
        for (const Encoding &encoding : catalogue())
            names.append(encoding.name());
        bool chosen = false;
        const QString name = QInputDialog::getItem(&window, OpenWithText::tr("Convert with Karvo"),
            // English has no catalogue to make "%n files" singular.
            request.files.size() == 1 ? OpenWithText::tr("Rewrite the file in:")
                                      //: %n is the number of files chosen in the file manager
                                      : OpenWithText::tr("Rewrite %n files in:", nullptr, request.files.size()),
            names, qMax(0, names.indexOf(target.name())), true, &chosen);
        if (!chosen)
            return false;
        const int index = findEncoding(name);
        if (index < 0) {
            QMessageBox::warning(&window, OpenWithText::tr("Unknown encoding"),
                OpenWithText::tr("Karvo does not know the encoding \"%1\".").arg(name));
            return false;
        }
        target = catalogue().at(index);
    }
    if (target != window.currentTarget() && !selectTarget(window, target))
        return false;
    if (!request.files.isEmpty())
        window.startRun(request.files);
    return true;
}

} // namespace Karvo

// What Karvo uses that Qt 5 and Qt 6 spell differently, so that the rest of
// the sources read the same on both. Qt Core alone, like the engine: the
// event helper takes any event type without naming a Qt Gui class.
#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPoint>
#include <QSettings>
#include <QString>

namespace Karvo {

// Qt 6 always scales windows to the screen and draws pixmaps at its pixel
// ratio; Qt 5 does either only when told so before the application object
// exists.
inline void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

// The folder of Qt's own catalogues (qtbase_de.qm, ...) for the Qt that
// Karvo runs on; each major version has its own.
inline QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// Qt 6 reads and writes settings files as UTF-8. Qt 5 writes what is not
// Latin-1 as escapes and takes raw bytes for Latin-1: a save folder with a
// Chinese name that the Qt 6 build saved would come back garbled. Told to
// use UTF-8, Qt 5 writes as Qt 6 does and still reads its own escapes.
inline void useUtf8(QSettings &settings)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    settings.setIniCodec("UTF-8");
#else
    Q_UNUSED(settings)
#endif
}

// Where a mouse or drop event happened, in the receiver's coordinates.
template<typename Event> QPoint eventPosition(const Event &event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event.position().toPoint();
#else
    return event.pos();
#endif
}

} // namespace Karvo

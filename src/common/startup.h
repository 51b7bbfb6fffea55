#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcessEnvironment;
class QTranslator;

namespace Startup {

constexpr int kRestartExitCode = 42;

// Registers the compiled-in icons and translations (they live in a static library).
void initResources();
// ":/Translations/..." for the language indexes 0 to 8, empty otherwise.
QString translationResource(int languageIndex);
// Loads the language into the translator and installs it; false leaves the interface in English.
bool installTranslation(QTranslator &translator, int languageIndex);
// Qt's own translation of its dialogs and standard buttons for the language index, from
// Qt's translations folder; empty when Qt has none installed for it.
QString qtTranslationFile(int languageIndex);
bool installQtTranslation(QTranslator &translator, int languageIndex);
// Starts the program again with the given process arguments (program path first).
bool relaunch(const QString &program, const QStringList &processArguments);
// The preview embeds an X11 window, so on a Wayland desktop with XWayland the program starts
// on "xcb" unless the user chose a platform (QT_QPA_PLATFORM or -platform). Empty: Qt chooses.
QByteArray platformFor(int argc, const char *const *argv, const QProcessEnvironment &environment);

}

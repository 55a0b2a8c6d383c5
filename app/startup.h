#pragma once

#include <QString>

class QApplication;
class QCoreApplication;
class QTranslator;

// The start-up steps of the panel that do not need the modules: translation and font.
namespace Startup {

// The translation file for a value of m_nLanguage; anything unknown gives the Chinese one.
QString languageFileName(const QString &languageValue);
// "<project>/Language/", or the "Language" folder beside the executable when it exists.
QString languageFolder();
// "<project>/QML/Fonts/", or the "Fonts" folder beside the executable when it exists.
QString fontsFolder();
// Installs the translation of m_nLanguage (installed even when the file is missing, as the
// screens then stay in their source language). Returns the file it tried.
QString installTranslation(QCoreApplication &app, QTranslator &translator);
// Sets the application font from the fonts folder; returns false when it keeps the default.
bool installApplicationFont();
// The start of every program that shows the panel (the panel itself, the screenshot and
// benchmark tools), in the panel's order: organisation and codec, resource bundles, the global
// parameter store, translation and font.
void prepareApplication(QApplication &app, QTranslator &translator);

} // namespace Startup

#pragma once

#include <QString>

// Where the panel keeps its data.
//
// Two roots exist: the project folder fixed at build time and the folder of the executable. A
// data folder is formed from the project folder and replaced by the same-named folder beside the
// executable when that exists, so an installed panel uses its own tree while a development build
// uses the one inside its build folder. TAVRIO_HOME, when set, stands in for both roots, so tests
// and several instances can run side by side, each on its own data.
namespace Paths {

QString projectDir();    // build-time project folder, no trailing separator
QString executableDir(); // folder of the running executable, no trailing separator
// "%1/<name>/" formed from the project folder, replaced by executableDir()/<besideName> + "/"
// when that exists (besideName defaults to name).
QString dataFolder(const QString &name, const QString &besideName = QString());
QString configDir(); // ".../Config/"
QString logDir();    // ".../Log/"
// Joins path pieces with exactly one separator between them.
QString join(const QString &a, const QString &b);
QString join(const QString &a, const QString &b, const QString &c);

} // namespace Paths

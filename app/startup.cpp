#include "startup.h"

#include "appresources.h"
#include "baseparameter.h"
#include "paths.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextCodec>
#include <QTranslator>

namespace Startup {

QString languageFileName(const QString &languageValue)
{
    static const char *files[] = {"Translate_CN.qm", "Translate_EN.qm", "Translate_DE.qm",
                                  "Translate_FR.qm", "Translate_ES.qm", "Translate_PT.qm",
                                  "Translate_PO.qm"};
    const int index = languageValue.toInt(); // not a number gives 0
    if (index < 0 || index >= int(sizeof(files) / sizeof(files[0])))
        return QString::fromLatin1(files[0]);
    return QString::fromLatin1(files[index]);
}

QString languageFolder()
{
    const QString beside = Paths::executableDir() + QStringLiteral("/Language");
    if (QFileInfo::exists(beside))
        return beside + '/';
    return QStringLiteral("%1/Language/").arg(Paths::projectDir());
}

QString fontsFolder()
{
    const QString beside = Paths::executableDir() + QStringLiteral("/Fonts");
    if (QFileInfo::exists(beside))
        return beside + '/';
    return QStringLiteral("%1/QML/Fonts/").arg(Paths::projectDir());
}

QString installTranslation(QCoreApplication &app, QTranslator &translator)
{
    const QString value = GlobalPara::get_instance()->try_get_para(QStringLiteral("m_nLanguage"),
                                                                   QStringLiteral("0"));
    const QString file = languageFolder() + languageFileName(value);
    if (!translator.load(file))
        qInfo() << "no translation at" << file << "- screens stay in their source language";
    app.installTranslator(&translator);
    return file;
}

bool installApplicationFont()
{
    const int id = QFontDatabase::addApplicationFont(fontsFolder() + "SourceHanSansCN-Regular.ttf");
    if (id == -1)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return false;
    QFont font(families.first());
    font.setPointSize(10);
    QGuiApplication::setFont(font);
    return true;
}

void prepareApplication(QApplication &app, QTranslator &translator)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Some organization"));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    AppResources::init();
    // The store is opened from the project folder without looking beside the executable.
    GlobalPara::get_instance()->init_parameters(
        QStringLiteral("%1/Config/").arg(Paths::projectDir()));
    installTranslation(app, translator);
    installApplicationFont();
}

} // namespace Startup

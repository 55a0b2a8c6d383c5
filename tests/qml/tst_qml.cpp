#include "qmlsignal.h"
#include "stubs.h"

#include <QLoggingCategory>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

// Runs one tst_*.qml file against the compiled QML bundles, with stub context objects in place
// of the modules and the parameter store.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        Q_INIT_RESOURCE(Tavrio);
        Q_INIT_RESOURCE(standard);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qml.connections.warning=false"));
    }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("SOFTWARE"), QStringLiteral("QZLaser"));
        context->setContextProperty(QStringLiteral("cpp_para"), new StubPara(engine));
        context->setContextProperty(QStringLiteral("cpp_tool"), new StubTool(engine));
        context->setContextProperty(QStringLiteral("cpp_signal"), QmlSignal::get_instance());
        context->setContextProperty(QStringLiteral("param_mge"), new StubParamMge(engine));
        // A module without the invokables the screens would call.
        context->setContextProperty(QStringLiteral("tavrio"), new QObject(engine));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tavrio_qml, Setup)
#include "tst_qml.moc"

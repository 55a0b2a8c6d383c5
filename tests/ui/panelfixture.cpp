#include "panelfixture.h"

#include "acppmain.h"
#include "appresources.h"
#include "baseparameter.h"
#include "inifile.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {
QQuickItem *findVisible(QQuickItem *root, const QString &name)
{
    if (!root || !root->isVisible())
        return nullptr;
    if (root->objectName() == name)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findVisible(child, name))
            return found;
    }
    return nullptr;
}
} // namespace

PanelFixture::PanelFixture() : m_previousPort(qgetenv("TAVRIO_SERIAL_PORT")) {}

PanelFixture::~PanelFixture()
{
    m_main.reset();
    if (m_previousPort.isNull())
        qunsetenv("TAVRIO_SERIAL_PORT");
    else
        qputenv("TAVRIO_SERIAL_PORT", m_previousPort);
}

bool PanelFixture::start()
{
    const QString port = m_controller.open();
    if (port.isEmpty())
        return false;
    qputenv("TAVRIO_SERIAL_PORT", port.toLocal8Bit());
    AppResources::init();
    m_main = std::make_unique<ACppMain>();
    m_main->init_all();
    const auto roots = m_main->_engine->rootObjects();
    if (roots.isEmpty())
        return false;
    m_window = qobject_cast<QQuickWindow *>(roots.first());
    if (!m_window)
        return false;
    return QTest::qWaitFor([this] { return exists(QStringLiteral("workDestTemp")); }, 10000);
}

bool PanelFixture::reset()
{
    const QString library = QStringLiteral("Config/TechLibrary/MainMaterial");
    QDir(m_home.file(library)).removeRecursively();
    if (!TestHome::copyTree(QStringLiteral(TAVRIO_SEED_DIR "/") + library, m_home.file(library)))
        return false;
    QDir().mkpath(m_home.file(library + QStringLiteral("/Guest/SelfMaterial")));
    const QList<QPair<const char *, const char *>> rest = {{"m_curUserName", "Guest"},
                                                           {"m_lastUserName", "Guest"},
                                                           {"m_strMaterialSelNameIndex", "0"},
                                                           {"m_strMaterialSelName", "主界面"},
                                                           {"m_nCurTemeratureUnit", "0"},
                                                           {"m_nUseSeparateCounter", "0"},
                                                           {"m_nFirstOnTemper", "0"},
                                                           {"m_nNeedRunBee", "1"},
                                                           {"m_nTempUp", "1"},
                                                           {"m_nNeedSetPara", "0"},
                                                           {"m_nTabBarIndex", "1"},
                                                           {"m_nRunSide", "0"}};
    for (const auto &p : rest)
        setPara(QString::fromLatin1(p.first), QString::fromUtf8(p.second));
    const QList<QPair<int, const char *>> idle = {
        {99, "250"}, {103, "0"}, {110, "0"}, {122, "0"}, {130, "0"}};
    for (const auto &r : idle)
        m_controller.setRegister(r.first, QString::fromLatin1(r.second));
    evaluate(QStringLiteral("clear_childs(m_front)"));
    showWorkScreen();
    if (!exists(QStringLiteral("workDestTemp")) || !waitStatusReplies(2))
        return false;
    m_controller.clearWrites();
    return true;
}

QQuickItem *PanelFixture::item(const QString &objectName) const
{
    return m_window ? findVisible(m_window->contentItem(), objectName) : nullptr;
}

bool PanelFixture::click(const QString &objectName)
{
    QQuickItem *target = item(objectName);
    if (!target)
        return false;
    const QPoint at =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

bool PanelFixture::press(const QString &objectName)
{
    QQuickItem *target = item(objectName);
    if (!target)
        return false;
    const QPoint at =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

bool PanelFixture::release(const QString &objectName)
{
    QQuickItem *target = item(objectName);
    if (!target)
        return false;
    const QPoint at =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

QString PanelFixture::text(const QString &objectName) const
{
    QQuickItem *target = item(objectName);
    return target ? target->property("text").toString() : QStringLiteral("<no %1>").arg(objectName);
}

QString PanelFixture::para(const QString &name, const QString &fallback) const
{
    return GlobalPara::get_instance()->try_get_para(name, fallback);
}

void PanelFixture::setPara(const QString &name, const QString &value)
{
    GlobalPara::get_instance()->set_para(name, value);
}

QString PanelFixture::materialFile() const
{
    const QString user = para(QStringLiteral("m_curUserName"), QStringLiteral("Guest"));
    const int index =
        para(QStringLiteral("m_strMaterialSelNameIndex"), QStringLiteral("0")).toInt();
    const QString base = m_home.configDir() + QStringLiteral("TechLibrary/MainMaterial/") + user;
    if (index < 8)
        return base + QStringLiteral("/%1.ini").arg(index);
    return base + QStringLiteral("/SelfMaterial/") + para(QStringLiteral("m_strMaterialSelName")) +
           QStringLiteral(".ini");
}

QString PanelFixture::material(const QString &key) const
{
    return Ini::read(materialFile(), key, QString());
}

void PanelFixture::setMaterial(const QString &key, const QString &value)
{
    Ini::write(materialFile(), key, value);
}

QVariant PanelFixture::evaluate(const QString &script)
{
    QQmlExpression expression(qmlContext(m_window), m_window, script);
    const QVariant result = expression.evaluate();
    if (expression.hasError())
        qWarning() << expression.error().toString();
    return result;
}

void PanelFixture::showWorkScreen()
{
    showPage(QStringLiteral("qrc:/VevOdara_new/VevOdaraDesigner.qml"));
    (void)QTest::qWaitFor([this] { return exists(QStringLiteral("workDestTemp")); }, 5000);
}

void PanelFixture::showPage(const QString &url)
{
    // The old page goes at the next turn of the event loop; wait for it so that lookups find
    // the new one only.
    QList<QPointer<QQuickItem>> old;
    if (auto *root =
            qobject_cast<QQuickItem *>(evaluate(QStringLiteral("m_root")).value<QObject *>())) {
        for (QQuickItem *page : root->childItems())
            old << page;
    }
    evaluate(QStringLiteral("show_qml(\"%1\", m_root)").arg(url));
    (void)QTest::qWaitFor(
        [&] {
            for (const auto &p : old) {
                if (p)
                    return false;
            }
            return true;
        },
        5000);
}

bool PanelFixture::waitStatusReplies(int n)
{
    const int target = m_controller.statusReplies() + n;
    return QTest::qWaitFor([&] { return m_controller.statusReplies() >= target; }, 5000);
}

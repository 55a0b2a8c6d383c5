// Renders the pressing job's screens to PNG files for a look by eye and for the README:
//   xvfb-run -a -s "-screen 0 800x480x24" shoot_screens OUTDIR
// The panel runs with its real modules against a scripted controller reporting live values.
#include "panelfixture.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QQuickWindow>
#include <QScreen>
#include <QTranslator>
#include <QtTest>

#include <cstdio>

namespace {
bool save(PanelFixture &panel, const QString &dir, const QString &name)
{
    QTest::qWait(300); // let the scene settle before the grab
    QImage image = panel.window()->grabWindow();
    if (image.isNull())
        image = panel.window()->screen()->grabWindow(panel.window()->winId()).toImage();
    const bool ok = image.save(dir + '/' + name + ".png");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString dir = app.arguments().value(1, QStringLiteral("."));
    QDir().mkpath(dir);
    PanelFixture panel;
    // TAVRIO_SHOT_LANGUAGE=1 renders the screens in English (the index of m_nLanguage).
    QTranslator translator;
    if (qEnvironmentVariableIsSet("TAVRIO_SHOT_LANGUAGE")) {
        panel.setPara("m_nLanguage", qEnvironmentVariable("TAVRIO_SHOT_LANGUAGE"));
        Startup::installTranslation(app, translator);
    }
    if (!panel.start() || !panel.reset())
        return 1;

    ScriptedController &c = panel.controller();
    panel.setMaterial("m_nDestTemperature", "180");
    panel.setMaterial("m_nDestTimer", "15");
    panel.setMaterial("m_nDestTimer1", "15");
    panel.showWorkScreen();
    c.setRegister(99, "1786");    // platen 178.6 °C
    c.setRegister(120, "253");    // ambient 25.3 °C
    c.setRegister(121, "456");    // humidity 45.6 %
    c.setRegister(105, "947AE3"); // about 150 kg: level 3
    c.setRegister(122, "1234");
    panel.waitStatusReplies(3);
    save(panel, dir, "work-screen");

    c.setRegister(110, "1");
    c.setRegister(103, "9");
    panel.click("workStartButton");
    panel.waitStatusReplies(3);
    save(panel, dir, "work-screen-running");
    c.setRegister(110, "0");
    panel.click("workStopButton");
    panel.waitStatusReplies(3);

    panel.setPara("m_nUseSeparateCounter", "1");
    panel.setMaterial("m_nSegmentCount", "3");
    panel.setMaterial("m_nDestTimer2", "20");
    panel.setMaterial("m_nDestTimer3", "8");
    panel.showWorkScreen();
    panel.click("workSegment1");
    panel.waitStatusReplies(2);
    save(panel, dir, "work-screen-segments");

    panel.press("workSegment2");
    (void)QTest::qWaitFor([&] { return panel.exists("showMessageBoxQuestion"); });
    panel.release("workSegment2");
    save(panel, dir, "delete-segment-question");
    panel.click("boxCancel");
    (void)QTest::qWaitFor([&] { return !panel.exists("showMessageBoxQuestion"); });

    panel.click("workTempStrip");
    (void)QTest::qWaitFor([&] { return panel.exists("setPointField"); });
    save(panel, dir, "temperature-page");
    panel.click("key_back");
    (void)QTest::qWaitFor([&] { return panel.exists("workDestTemp"); });

    panel.click("workTimePanel");
    (void)QTest::qWaitFor([&] { return panel.exists("setPointField"); });
    save(panel, dir, "timer-page");
    panel.click("key_back");
    (void)QTest::qWaitFor([&] { return panel.exists("workDestTemp"); });

    panel.setPara("m_nTabBarIndex", "0");
    panel.click("workAppButton");
    (void)QTest::qWaitFor([&] { return panel.exists("materialTile0"); });
    panel.waitStatusReplies(2);
    save(panel, dir, "material-page");

    const QString self = panel.home().configDir() + "TechLibrary/MainMaterial/Guest/SelfMaterial/";
    QDir().mkpath(self);
    QFile(self + "Mug_A.ini").open(QIODevice::WriteOnly);
    panel.setPara("m_strMaterialSelNameIndex", "8");
    panel.setPara("m_strMaterialSelName", "Mug_A");
    panel.showWorkScreen();
    panel.click("workMaterialBox");
    (void)QTest::qWaitFor([&] { return panel.exists("keyboardField"); });
    save(panel, dir, "rename-page");
    return 0;
}

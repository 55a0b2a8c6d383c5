#pragma once

#include "scriptedcontroller.h"
#include "testhome.h"

#include <QPointer>
#include <QQuickWindow>
#include <QString>

#include <memory>

class ACppMain;
class QQuickItem;

// The whole panel as an operator meets it: the real application object with its modules on a
// temporary home, the real window offscreen, and a scripted controller on a pseudo-terminal.
class PanelFixture
{
public:
    PanelFixture();
    ~PanelFixture();

    // Starts the panel and waits for the work screen; false when it did not come up.
    bool start();
    // Brings a running panel back to a freshly installed one at rest on the work screen: default
    // material library, the guest's first material, an idle controller, no dialogs, nothing
    // recorded on the wire.
    bool reset();

    ScriptedController &controller() { return m_controller; }
    TestHome &home() { return m_home; }
    QQuickWindow *window() const { return m_window; }

    // The visible item of that object name on the current screen, or nullptr.
    QQuickItem *item(const QString &objectName) const;
    bool exists(const QString &objectName) const { return item(objectName) != nullptr; }
    // A tap in the item's centre (false when there is no such visible item).
    bool click(const QString &objectName);
    bool press(const QString &objectName);
    bool release(const QString &objectName);
    QString text(const QString &objectName) const;

    QString para(const QString &name, const QString &fallback = QString()) const;
    void setPara(const QString &name, const QString &value);
    // A key of the current material's file (as the screens locate it).
    QString material(const QString &key) const;
    QString materialFile() const;
    void setMaterial(const QString &key, const QString &value);

    // Evaluates a script in the main window's scope (its ids and functions).
    QVariant evaluate(const QString &script);
    // Rebuilds the work screen, as returning from any page does.
    void showWorkScreen();
    void showPage(const QString &url);

    // Waits until the controller has answered n more status requests, so that a register
    // just set has been decoded by the panel.
    bool waitStatusReplies(int n = 2);

private:
    TestHome m_home;
    ScriptedController m_controller;
    std::unique_ptr<ACppMain> m_main;
    QPointer<QQuickWindow> m_window;
    QByteArray m_previousPort;
};

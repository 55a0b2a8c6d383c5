#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

// The framework's tool object for the screens (context object "cpp_tool"), and the host of the
// framework's modal boxes.
//
// A modal box is drawn by the main window, full-screen on the panel, from the property
// "modal_box"; the calling C++ code waits in a local event loop until the screen (or a test's
// answerer) answers. Without a window to draw it and without an answerer nobody could answer,
// so the box is logged and rejected at once instead of hanging the panel.
class QmlTool : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap modal_box READ modal_box NOTIFY modal_box_changed)
public:
    enum BoxKind
    {
        InfoBox = 0,
        WarningBox = 1,
        QuestionBox = 2
    };
    Q_ENUM(BoxKind)

    struct BoxRequest
    {
        BoxKind kind;
        QString title;
        QString info;
        QString agree;
        QString reject;
    };
    // Tests answer boxes with this (1 agrees, anything else rejects); nullptr removes it.
    using Answerer = std::function<int(const BoxRequest &)>;
    static void set_modal_box_answerer(Answerer answerer);

    static QmlTool *get_instance();

    Q_INVOKABLE void send_cmd(const QString &name, const QString &cmd);
    Q_INVOKABLE QString get_base_path() const;
    Q_INVOKABLE QString get_udisk_path() const;
    Q_INVOKABLE QStringList get_all_files(const QString &path) const;
    Q_INVOKABLE QStringList get_all_dirs(const QString &path) const;
    Q_INVOKABLE bool copy_file(const QString &file, const QString &folder) const;
    Q_INVOKABLE bool delete_file(const QString &file) const;

    // Shows a box and returns once it is answered: 1 when agreed, 0 otherwise.
    int exec_modal_box(BoxKind kind, const QString &title, const QString &info,
                       const QString &agree = QString(), const QString &reject = QString());
    QVariantMap modal_box() const;
    // The screen's answer to the box on top.
    Q_INVOKABLE void answer_modal_box(int result);

signals:
    void modal_box_changed();

private:
    using QObject::QObject;
    struct Pending;
    QList<Pending *> m_boxes;
};

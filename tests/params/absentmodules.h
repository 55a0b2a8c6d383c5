#pragma once

#include "basemodule.h"
#include "qmltool.h"

#include <QList>
#include <QStringList>

#include <memory>

// Stand-ins for the modules of the other machine kinds and the communication side, which the
// press does not register: each records what it is sent as "<module>: <command>".
class AbsentModules
{
public:
    AbsentModules()
    {
        for (const char *name :
             {"CadMgr2D", "communicate_mge", "ComTcpClient", "preview_cad_2d", "GrblLaserMotion",
              "MarlinPrintMotion", "Tcp_FileTransfer", "VisionFunc"})
            m_modules.emplace_back(new Recorder(QString::fromLatin1(name), &sent));
    }
    QStringList sent;

private:
    class Recorder : public BaseModule
    {
    public:
        Recorder(const QString &name, QStringList *sent) : BaseModule(name), m_sent(sent) {}
        void handle_cmd(QString cmd) override { *m_sent << module_name() + ": " + cmd; }

    private:
        QStringList *m_sent;
    };
    std::vector<std::unique_ptr<Recorder>> m_modules;
};

// Answers the framework's modal boxes and records them as "<kind>|<title>|<text>"
// (kind 0 information, 1 warning, 2 question).
class BoxRecorder
{
public:
    explicit BoxRecorder(int answer = 0)
    {
        QmlTool::set_modal_box_answerer([this, answer](const QmlTool::BoxRequest &r) {
            boxes << QStringLiteral("%1|%2|%3").arg(int(r.kind)).arg(r.title, r.info);
            return answer;
        });
    }
    ~BoxRecorder() { QmlTool::set_modal_box_answerer(nullptr); }
    QStringList boxes;
};

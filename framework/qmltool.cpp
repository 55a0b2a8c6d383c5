#include "qmltool.h"

#include "basemodule.h"
#include "board.h"
#include "paths.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

namespace {
QmlTool::Answerer g_answerer;
}

struct QmlTool::Pending
{
    BoxRequest request;
    int result = 0;
    bool answered = false;
    QEventLoop loop;
};

void QmlTool::set_modal_box_answerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}

QmlTool *QmlTool::get_instance()
{
    static QmlTool *instance = new QmlTool();
    return instance;
}

void QmlTool::send_cmd(const QString &name, const QString &cmd)
{
    BaseModule::deliver(name, cmd);
}

QString QmlTool::get_base_path() const
{
    return Paths::executableDir() + '/';
}

QString QmlTool::get_udisk_path() const
{
    return Board::instance().path(QStringLiteral("/mnt/disk")) + '/';
}

QStringList QmlTool::get_all_files(const QString &path) const
{
    return QDir(path).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList QmlTool::get_all_dirs(const QString &path) const
{
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

bool QmlTool::copy_file(const QString &file, const QString &folder) const
{
    const QFileInfo source(file);
    if (!source.isFile())
        return false;
    QDir().mkpath(folder);
    const QString target = Paths::join(folder, source.fileName());
    if (QFileInfo(target).absoluteFilePath() == source.absoluteFilePath())
        return true;
    QFile::remove(target);
    return QFile::copy(file, target);
}

bool QmlTool::delete_file(const QString &file) const
{
    const QFileInfo info(file);
    return info.isFile() && QFile::remove(file);
}

int QmlTool::exec_modal_box(BoxKind kind, const QString &title, const QString &info,
                            const QString &agree, const QString &reject)
{
    const BoxRequest request{kind, title, info, agree, reject};
    qInfo().noquote() << "box:" << title << "|" << info;
    if (g_answerer)
        return g_answerer(request) == 1 ? 1 : 0;
    if (receivers(SIGNAL(modal_box_changed())) == 0) {
        qWarning().noquote() << "box with nobody to answer it, taken as rejected:" << title;
        return 0;
    }
    Pending pending;
    pending.request = request;
    m_boxes.append(&pending);
    emit modal_box_changed();
    if (!pending.answered)
        pending.loop.exec();
    m_boxes.removeOne(&pending);
    emit modal_box_changed();
    return pending.result;
}

QVariantMap QmlTool::modal_box() const
{
    if (m_boxes.isEmpty())
        return {};
    const BoxRequest &r = m_boxes.last()->request;
    return {{QStringLiteral("kind"), int(r.kind)},
            {QStringLiteral("title"), r.title},
            {QStringLiteral("info"), r.info},
            {QStringLiteral("agree"), r.agree},
            {QStringLiteral("reject"), r.reject}};
}

void QmlTool::answer_modal_box(int result)
{
    if (m_boxes.isEmpty())
        return;
    Pending *top = m_boxes.last();
    if (top->answered)
        return;
    top->answered = true;
    top->result = result == 1 ? 1 : 0;
    top->loop.quit();
}

#include "testhome.h"

#include "baseparameter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TestHome::TestHome(bool copySeed) : m_previousHome(qgetenv("TAVRIO_HOME"))
{
    if (copySeed)
        copyTree(QStringLiteral(TAVRIO_SEED_DIR), m_dir.path());
    qputenv("TAVRIO_HOME", m_dir.path().toLocal8Bit());
    GlobalPara::get_instance()->init_parameters(configDir());
}

TestHome::~TestHome()
{
    GlobalPara::get_instance()->save();
    if (m_previousHome.isEmpty())
        qunsetenv("TAVRIO_HOME");
    else
        qputenv("TAVRIO_HOME", m_previousHome);
}

QString TestHome::journal() const
{
    QFile file(this->file(QStringLiteral("board-journal.log")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool TestHome::copyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!source.exists())
        return false;
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + '/' + source.relativeFilePath(path);
        if (it.fileInfo().isDir())
            ok = QDir().mkpath(target) && ok;
        else
            ok = QFile::copy(path, target) && ok;
    }
    return ok;
}

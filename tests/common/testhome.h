#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary home for one test: a copy of the default data (the seed), named by TAVRIO_HOME for
// as long as the object lives, with the global parameter store opened in its Config folder.
class TestHome
{
public:
    explicit TestHome(bool copySeed = true);
    ~TestHome();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.path() + '/' + relative; }
    QString configDir() const { return file(QStringLiteral("Config/")); }
    QString journal() const; // the simulated board's journal, "" when none was written

    static bool copyTree(const QString &from, const QString &to);

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};

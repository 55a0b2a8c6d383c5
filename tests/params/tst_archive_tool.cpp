#include "archivebytes.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// tavrio-archive as a service engineer runs it: exit status, standard output and error.
class TestArchiveTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void packListUnpack();
    void failures_data();
    void failures();

private:
    struct Run
    {
        int status = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList &args) const;
    QString path(const QString &relative) const { return m_dir.path() + '/' + relative; }
    QTemporaryDir m_dir;
};

TestArchiveTool::Run TestArchiveTool::run(const QStringList &args) const
{
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(TAVRIO_ARCHIVE_TOOL, args);
    Run result;
    if (!process.waitForFinished(20000))
        return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestArchiveTool::initTestCase()
{
    QVERIFY(writeTree(path("Stoff"), {{"sub/leer", ""}, {"x", "hi"}, {"Ä/", ""}}));
    QVERIFY(QDir().mkpath(path("out")));
    QVERIFY(writeFile(path("evil.qzzip"),
                      ArchiveBytes().count(1).name("dir##..").count(0).count(0).count(0).bytes()));
    QVERIFY(writeFile(path("cut.qzzip"), ArchiveBytes().count(1).name("dir##A").count(3).bytes()));
}

void TestArchiveTool::packListUnpack()
{
    const Run help = run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("tavrio-archive pack SRC_DIR DEST SUFFIX"));

    const Run pack = run({"pack", "Stoff/", "out", ".qzzip"});
    QCOMPARE(pack.status, 0);
    QCOMPARE(pack.out, "out/Stoff.qzzip\n");
    QCOMPARE(pack.err, QString());

    const Run list = run({"list", "out/Stoff.qzzip"});
    QCOMPARE(list.status, 0);
    QCOMPARE(list.out, "Stoff/\nStoff/sub/\nStoff/sub/leer\t0\nStoff/Ä/\nStoff/x\t2\n");

    QVERIFY(QDir().mkpath(path("back")));
    const Run unpack = run({"unpack", "out/Stoff.qzzip", "back"});
    QCOMPARE(unpack.status, 0);
    QCOMPARE(readTree(path("back/Stoff")), readTree(path("Stoff")));
}

void TestArchiveTool::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no arguments") << QStringList{} << 1 << "Usage";
    QTest::newRow("unknown command") << QStringList{"zip", "a"} << 1 << "unknown command";
    QTest::newRow("missing argument") << QStringList{"pack", "Stoff", "out"} << 1 << "3 arguments";
    QTest::newRow("foreign suffix")
        << QStringList{"pack", "Stoff", "out", ".zip"} << 1 << "suffix must be one of";
    QTest::newRow("source missing")
        << QStringList{"pack", "Nichts", "out", ".tech"} << 1 << "not a folder";
    QTest::newRow("qzzip to a file")
        << QStringList{"pack", "Stoff", "Stoff/x", ".qzzip"} << 1 << "must be an existing folder";
    QTest::newRow("unpack to missing folder")
        << QStringList{"unpack", "evil.qzzip", "none"} << 1 << "not an existing folder";
    QTest::newRow("refused archive")
        << QStringList{"unpack", "evil.qzzip", "out"} << 2 << "unsafe folder name \"..\"";
    QTest::newRow("cut archive") << QStringList{"list", "cut.qzzip"} << 2 << "ends early";
    QTest::newRow("list missing") << QStringList{"list", "none.qzzip"} << 1 << "cannot read";
}

void TestArchiveTool::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, reason);
    const Run result = run(args);
    QCOMPARE(result.status, status);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    if (!args.isEmpty()) // one line, not the usage text
        QCOMPARE(result.err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestArchiveTool)
#include "tst_archive_tool.moc"

#include "folderqueries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class TestFolderQueries : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void listings_data();
    void listings();
    void missingFolderListsEmpty();
    void glueFilter_data();
    void glueFilter();
    void folderNumber_data();
    void folderNumber();
    void existenceChecks();
    void deleteFileRefuses_data();
    void deleteFileRefuses();
    void deleteFileRemoves();
    void linkIsRemovedNotFollowed();
    void clearDir();

private:
    QTemporaryDir m_tmp;
    QString m_list; // a folder to list
    QString m_data; // stands for Config/ with TechLibrary/MainMaterial/<users>
    QString m_outside;
    DataDeleter m_deleter;
};

void TestFolderQueries::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_list = m_tmp.path() + "/list";
    QDir().mkpath(m_list + "/img");
    QDir().mkpath(m_list + "/Zdir");
    QDir().mkpath(m_list + "/.hidden");
    for (const char *name : {"b.ini", "B.ini", "a.jpg", "a.b.ini", ".x.ini", "notes.INI", "b.txt"})
        touch(m_list + '/' + name);
    QVERIFY(QFile::link(m_list + "/b.txt", m_list + "/link.png"));
    QVERIFY(QFile::link(m_list + "/img", m_list + "/linkdir"));
}

void TestFolderQueries::listings_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("nAndDir");
    QTest::addColumn<QStringList>("expected");

    // Upper case sorts before lower case; hidden entries never show.
    QTest::newRow("files *") << "file"
                             << "*" << 0 << QStringList{"B.ini", "a.b.ini",  "a.jpg",    "b.ini",
                                                        "b.txt", "link.png", "notes.INI"};
    QTest::newRow("files .ini is case-sensitive")
        << "file"
        << ".ini" << 0 << QStringList{"B.ini", "a.b.ini", "b.ini"};
    QTest::newRow("base names cut the last suffix") << "name"
                                                    << ".ini" << 0 << QStringList{"B", "a.b", "b"};
    QTest::newRow("folders, links to folders included")
        << "dirs"
        << "" << 0 << QStringList{"Zdir", "img", "linkdir"};
    QTest::newRow("folders and suffix list")
        << "files"
        << ".png#.jpg" << 1
        << QStringList{"Zdir.floder", "img.floder", "linkdir.floder", "a.jpg", "link.png"};
    QTest::newRow("empty parts of the suffix list match nothing")
        << "files"
        << "#.txt#" << 0 << QStringList{"b.txt"};
    QTest::newRow("no folders unless asked")
        << "files"
        << "*" << 0
        << QStringList{"B.ini", "a.b.ini", "a.jpg", "b.ini", "b.txt", "link.png", "notes.INI"};
}

void TestFolderQueries::listings()
{
    QFETCH(QString, query);
    QFETCH(QString, filter);
    QFETCH(int, nAndDir);
    QFETCH(QStringList, expected);
    QStringList result;
    if (query == "file")
        result = FolderQueries::filesEndingWith(m_list, filter);
    else if (query == "name")
        result = FolderQueries::fileBaseNames(m_list, filter);
    else if (query == "dirs")
        result = FolderQueries::folderListing(m_list);
    else
        result = FolderQueries::filesAndFolders(m_list, filter, nAndDir);
    QCOMPARE(result, expected);
}

void TestFolderQueries::missingFolderListsEmpty()
{
    QVERIFY(FolderQueries::fileListing(m_tmp.path() + "/nope").isEmpty());
    QVERIFY(FolderQueries::folderListing(QString()).isEmpty());
    QVERIFY(FolderQueries::filesAndFolders(m_tmp.path() + "/nope", "*", 1).isEmpty());
}

void TestFolderQueries::glueFilter_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("expected");
    const QStringList all{"Line", "Line_1", "Point"};
    for (int t : {0, 1, 11, 13})
        QTest::addRow("%d keeps Point", t) << t << QStringList{"Point"};
    for (int t : {2, 3, 7})
        QTest::addRow("%d keeps Line", t) << t << QStringList{"Line"};
    for (int t : {4, 8})
        QTest::addRow("%d removes Point", t) << t << QStringList{"Line", "Line_1"};
    for (int t : {5, 9, 12, 14, 15, 16, 17, -1})
        QTest::addRow("%d removes Line_1", t) << t << QStringList{"Line", "Point"};
    for (int t : {6, 10})
        QTest::addRow("%d no filter", t) << t << all;
}

void TestFolderQueries::glueFilter()
{
    QFETCH(int, type);
    QFETCH(QStringList, expected);
    QCOMPARE(FolderQueries::glueFilter({"Line", "Line_1", "Point"}, type), expected);
}

void TestFolderQueries::folderNumber_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::newRow("group title") << QString("2.厂家参数") << "2";
    QTest::newRow("no dot") << "Settings"
                            << "Settings";
    QTest::newRow("first dot") << "12.a.b"
                               << "12";
    QTest::newRow("leading dot") << ".x"
                                 << "";
}

void TestFolderQueries::folderNumber()
{
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QCOMPARE(FolderQueries::folderNumber(title), expected);
}

void TestFolderQueries::existenceChecks()
{
    QCOMPARE(FolderQueries::checkFileExist(m_list + "/img"), 1);
    QCOMPARE(FolderQueries::checkFileExist(m_list + "/b.ini"), 1);
    QCOMPARE(FolderQueries::checkFileExist(m_list + "/none"), 0);
    QCOMPARE(FolderQueries::checkDirExist(m_list + "/b.ini", 0), 0);
    QCOMPARE(FolderQueries::checkDirExist(m_list + "/new", 0), 0);
    QCOMPARE(FolderQueries::checkDirExist(m_list + "/new", 1), 1);
    // One level only: a missing parent is not made.
    QCOMPARE(FolderQueries::checkDirExist(m_list + "/x/y", 1), 0);
    QDir(m_list + "/new").removeRecursively();
}

namespace {
// A small library: <tmp>/Config/TechLibrary/MainMaterial/{Guest,Ann}, a file outside.
struct Library
{
    QTemporaryDir tmp;
    QString config, tech, main, outside;
    DataDeleter deleter;
    Library()
    {
        config = tmp.path() + "/Config";
        tech = config + "/TechLibrary";
        main = tech + "/MainMaterial";
        outside = tmp.path() + "/outside";
        QDir().mkpath(main + "/Guest/SelfMaterial");
        QDir().mkpath(main + "/Ann");
        QDir().mkpath(outside);
        for (const QString &f : {main + "/Guest/0.ini", main + "/Ann/0.ini", outside + "/keep.txt",
                                 tech + "/Production.ini"}) {
            QFile file(f);
            file.open(QIODevice::WriteOnly);
        }
        deleter.setFolders({config + '/', tmp.path() + "/Vision/"}, {tech + '/', main});
    }
    int users() const { return QDir(main).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); }
};
} // namespace

void TestFolderQueries::deleteFileRefuses_data()
{
    QTest::addColumn<QString>("path"); // relative to the temporary folder; "@" = absolute as is
    QTest::newRow("empty") << "@";
    QTest::newRow("missing") << "Config/TechLibrary/MainMaterial/Nobody";
    QTest::newRow("user folder from an empty name") << "Config/TechLibrary/MainMaterial/";
    QTest::newRow("library root") << "Config/TechLibrary";
    QTest::newRow("config root") << "Config/";
    QTest::newRow("root through dot-dot") << "Config/TechLibrary/MainMaterial/Guest/..";
    QTest::newRow("root through dot") << "Config/TechLibrary/MainMaterial/.";
    QTest::newRow("outside the data") << "outside/keep.txt";
    QTest::newRow("outside through dot-dot") << "Config/../outside";
    QTest::newRow("the temporary folder itself") << "";
}

void TestFolderQueries::deleteFileRefuses()
{
    QFETCH(QString, path);
    Library lib;
    const QString full = path == "@" ? QString() : lib.tmp.path() + '/' + path;
    QVERIFY(!lib.deleter.deleteFile(full));
    QCOMPARE(lib.users(), 2);
    QVERIFY(QFile::exists(lib.outside + "/keep.txt"));
    QVERIFY(!lib.deleter.clearDir(full));
    QCOMPARE(lib.users(), 2);
    QVERIFY(QFile::exists(lib.tech + "/Production.ini"));
}

void TestFolderQueries::deleteFileRemoves()
{
    Library lib;
    QVERIFY(lib.deleter.deleteFile(lib.main + "/Guest/0.ini"));
    QVERIFY(!QFile::exists(lib.main + "/Guest/0.ini"));
    // A doubled separator, as pages build paths, still names the user folder.
    QVERIFY(lib.deleter.deleteFile(lib.main + "//Guest"));
    QVERIFY(!QFileInfo::exists(lib.main + "/Guest"));
    QCOMPARE(lib.users(), 1);
    QVERIFY(!lib.deleter.deleteFile(lib.main + "/Guest"));
}

void TestFolderQueries::linkIsRemovedNotFollowed()
{
    Library lib;
    QVERIFY(QFile::link(lib.outside, lib.main + "/Ann/escape"));
    // Through the link the target lies outside: refused.
    QVERIFY(!lib.deleter.deleteFile(lib.main + "/Ann/escape/keep.txt"));
    QVERIFY(lib.deleter.deleteFile(lib.main + "/Ann/escape"));
    QVERIFY(!QFileInfo(lib.main + "/Ann/escape").isSymLink());
    QVERIFY(QFile::exists(lib.outside + "/keep.txt"));
    // A library reached through a linked parent folder is still the library.
    QVERIFY(QFile::link(lib.tech, lib.main + "/Ann/up"));
    QVERIFY(!lib.deleter.deleteFile(lib.main + "/Ann/up/MainMaterial"));
}

void TestFolderQueries::clearDir()
{
    Library lib;
    const QString guest = lib.main + "/Guest";
    touch(guest + "/.keep");
    touch(guest + "/SelfMaterial/a.ini");
    QVERIFY(lib.deleter.clearDir(guest));
    QVERIFY(QFileInfo(guest).isDir());
    QCOMPARE(QDir(guest).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{".keep"});
    QVERIFY(!lib.deleter.clearDir(guest + "/missing"));
}

QTEST_GUILESS_MAIN(TestFolderQueries)
#include "tst_folderqueries.moc"

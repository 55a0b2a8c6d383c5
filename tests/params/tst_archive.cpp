#include "archive.h"
#include "archivebytes.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Archive::Result)

// The archive format: exact bytes, what the writer picks, and a reader that trusts nothing.
class TestArchive : public QObject
{
    Q_OBJECT
private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void picksAndOrdersEntries();
    void writerStops_data();
    void writerStops();
    void roundTripKeepsTree();
    void unpackOverwritesOnlyItsOwnFiles();
    void nameWithSeparatorUnpacksAsFirstPart();
    void readerChecksArguments_data();
    void readerChecksArguments();
    void damagedArchives_data();
    void damagedArchives();
    void everyCutKeepsCompleteEntries();
    void linksInDestinationAreNotFollowed();

private:
    QTemporaryDir m_dir;
    QString path(const QString &relative) const { return m_dir.path() + '/' + relative; }
    QString fresh(const QString &name) const
    {
        QDir(path(name)).removeRecursively();
        QDir().mkpath(path(name));
        return path(name);
    }
};

void TestArchive::writesExactBytes_data()
{
    QTest::addColumn<Tree>("tree");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("one file") << Tree{{"x", "hi"}}
                              << QByteArray::fromHex("00000001"
                                                     "0000000c006400690072002300230041"
                                                     "00000000"
                                                     "00000001"
                                                     "0000000e00660069006c0065002300230078"
                                                     "000000026869"
                                                     "00000000");
    QTest::newRow("empty folder") << Tree{}
                                  << QByteArray::fromHex("00000001"
                                                         "0000000c006400690072002300230041"
                                                         "00000000"
                                                         "00000000"
                                                         "00000000");
}

void TestArchive::writesExactBytes()
{
    QFETCH(Tree, tree);
    QFETCH(QByteArray, expected);
    const QString source = fresh("A");
    QVERIFY(writeTree(source, tree));
    const QString dest = fresh("out");
    Archive archive;
    QSignalSpy progress(&archive, &Archive::progress);
    QCOMPARE(archive.compression_file_my(source, dest, ".qzzip"), Archive::Ok);
    QCOMPARE(archive.outputPath(), dest + "/A.qzzip");
    QCOMPARE(readFile(dest + "/A.qzzip").toHex(), expected.toHex());
    QCOMPARE(progress.size(), 1);
    QCOMPARE(progress.first().first().toDouble(), 0.5);

    // Other suffixes name the output itself and replace what is there.
    QVERIFY(writeFile(dest + "/old.tech", QByteArray(500, 'z')));
    QCOMPARE(archive.compression_file_my(source, dest + "/old.tech", ".tech"), Archive::Ok);
    QCOMPARE(readFile(dest + "/old.tech").toHex(), expected.toHex());
}

void TestArchive::picksAndOrdersEntries()
{
    const QString source = fresh("S");
    QVERIFY(writeTree(source, {{"Zeta/", ""},
                               {"alpha/in", "1"},
                               {".cache/skip", "no"},
                               {"b", "B"},
                               {"a", ""},
                               {".cfg", "c"},
                               {"back\\slash", "the reader would refuse it"},
                               {"win\\dows/inner", "nor this"}}));
    QVERIFY(QFile::link(source + "/b", source + "/ln"));      // link to a file: left out
    QVERIFY(QFile::link(source + "/alpha", source + "/lnk")); // link to a folder: followed
    QVERIFY(QFile::link(source, source + "/alpha/loop"));     // link loop: not followed
    // The output lies inside the folder it packs.
    Archive archive;
    QCOMPARE(archive.compression_file_my(source, source + "/out.tech", ".tech"), Archive::Ok);

    const QByteArray alphaBody =
        ArchiveBytes().count(0).count(1).name("file##in").data("1").bytes();
    const QByteArray expected = ArchiveBytes()
                                    .count(1)
                                    .name("dir##S")
                                    .count(3)
                                    .name("dir##alpha")
                                    .raw(alphaBody)
                                    .name("dir##lnk")
                                    .raw(alphaBody)
                                    .name("dir##Zeta")
                                    .count(0)
                                    .count(0)
                                    .count(3)
                                    .name("file##.cfg")
                                    .data("c")
                                    .name("file##a")
                                    .word(0xFFFFFFFF)
                                    .name("file##b")
                                    .data("B")
                                    .count(0)
                                    .bytes();
    QCOMPARE(readFile(source + "/out.tech").toHex(), expected.toHex());
    QCOMPARE(archive.leftOut().size(), 2);
}

void TestArchive::writerStops_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("dest");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<Archive::Result>("result");
    QTest::addColumn<QString>("log");
    QTest::newRow("no source") << ""
                               << "out"
                               << ".qzzip" << Archive::EmptyPath << "路径为空，压缩数据失败";
    QTest::newRow("no destination") << "src"
                                    << ""
                                    << ".qzzip" << Archive::EmptyPath << "路径为空，压缩数据失败";
    QTest::newRow("file with foreign suffix")
        << "src"
        << "out/existing.zip"
        << ".zip" << Archive::ForeignSuffix << "文件非.tech .dir .udp,目标路径不能是文件名";
    QTest::newRow("source is a file") << "src/f"
                                      << "out"
                                      << ".qzzip" << Archive::SourceIsFile << "";
    QTest::newRow("source ends in slash") << "src/"
                                          << "out"
                                          << ".qzzip" << Archive::NoFolderName << "";
    QTest::newRow("unknown suffix") << "src"
                                    << "out"
                                    << ".zip" << Archive::CannotOpenOutput << "文件写入失败";
    QTest::newRow("qzzip into missing folder")
        << "src"
        << "out/missing"
        << ".qzzip" << Archive::CannotOpenOutput << "文件写入失败out/missing/src.qzzip";
}

void TestArchive::writerStops()
{
    QFETCH(QString, source);
    QFETCH(QString, dest);
    QFETCH(QString, suffix);
    QFETCH(Archive::Result, result);
    QFETCH(QString, log);
    QDir::setCurrent(m_dir.path());
    QVERIFY(writeTree(fresh("src"), {{"f", "data"}}));
    QVERIFY(writeTree(fresh("out"), {{"existing.zip", "keep"}}));
    const Tree before = readTree("out");

    Archive archive;
    QSignalSpy progress(&archive, &Archive::progress);
    QSignalSpy logs(&archive, &Archive::logLine);
    QCOMPARE(archive.compression_file_my(source, dest, suffix), result);
    QCOMPARE(readTree("out"), before);
    QCOMPARE(progress.size(), 0);
    QCOMPARE(logs.size(), log.isEmpty() ? 0 : 1);
    if (!log.isEmpty())
        QCOMPARE(logs.first().first().toString(), log);
}

void TestArchive::roundTripKeepsTree()
{
    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte.append(char(i));
    const Tree tree{{"材质/布料 1 mm/0.ini", "[General]\nm_nDestTemperature=160\n"},
                    {"材质/Ткань/", ""},
                    {"材质/Ткань/deep/er/leaf.bin", everyByte},
                    {"empty", ""},
                    {".hidden", "h"},
                    {"big", QByteArray(200 * 1024, 'q')}};
    const QString source = fresh("Wurzel ä");
    QVERIFY(writeTree(source, tree));
    Archive archive;
    QCOMPARE(archive.compression_file_my(source, path("round.dir"), ".dir"), Archive::Ok);
    const QString dest = fresh("unpacked");
    QCOMPARE(archive.decompression_file_my(path("round.dir"), dest), Archive::Ok);
    QCOMPARE(readTree(dest + "/Wurzel ä"), readTree(source));
    QCOMPARE(archive.filesWritten(), 5);
}

void TestArchive::unpackOverwritesOnlyItsOwnFiles()
{
    QVERIFY(writeTree(fresh("A"), {{"x", "hi"}}));
    Archive archive;
    QCOMPARE(archive.compression_file_my(path("A"), path("a.tech"), ".tech"), Archive::Ok);
    const QString dest = fresh("dest");
    QVERIFY(writeTree(dest, {{"A/x", "old contents"}, {"A/keep", "k"}, {"other/", ""}}));
    QCOMPARE(archive.decompression_file_my(path("a.tech"), dest), Archive::Ok);
    QCOMPARE(readTree(dest), (Tree{{"A/", ""}, {"A/x", "hi"}, {"A/keep", "k"}, {"other/", ""}}));
}

void TestArchive::nameWithSeparatorUnpacksAsFirstPart()
{
    QVERIFY(writeTree(fresh("A"), {{"a##b", "v"}}));
    Archive archive;
    QCOMPARE(archive.compression_file_my(path("A"), path("sep.tech"), ".tech"), Archive::Ok);
    QVERIFY(readFile(path("sep.tech")).contains(ArchiveBytes().name("file##a##b").bytes()));
    const QString dest = fresh("dest");
    QCOMPARE(archive.decompression_file_my(path("sep.tech"), dest), Archive::Ok);
    QCOMPARE(readTree(dest), (Tree{{"A/", ""}, {"A/a", "v"}}));
}

void TestArchive::readerChecksArguments_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("dest");
    QTest::addColumn<Archive::Result>("result");
    QTest::newRow("no archive") << ""
                                << "dest" << Archive::EmptyPath;
    QTest::newRow("no destination") << "good.qzzip"
                                    << "" << Archive::EmptyPath;
    QTest::newRow("missing destination") << "good.qzzip"
                                         << "dest/none" << Archive::BadDestination;
    QTest::newRow("destination is a file") << "good.qzzip"
                                           << "good.upd" << Archive::BadDestination;
    QTest::newRow("zip suffix") << "good.zip"
                                << "dest" << Archive::BadSource;
    QTest::newRow("missing archive") << "none.qzzip"
                                     << "dest" << Archive::BadSource;
    QTest::newRow("upd accepted") << "good.upd"
                                  << "dest" << Archive::Ok;
}

void TestArchive::readerChecksArguments()
{
    QFETCH(QString, archive);
    QFETCH(QString, dest);
    QFETCH(Archive::Result, result);
    QDir::setCurrent(m_dir.path());
    fresh("dest");
    const QByteArray good =
        ArchiveBytes().count(1).name("dir##A").count(0).count(1).name("file##x").data("hi").bytes();
    for (const QString name : {"good.qzzip", "good.zip", "good.upd"})
        QVERIFY(writeFile(path(name), good));
    Archive reader;
    QCOMPARE(reader.decompression_file_my(archive, dest), result);
    QCOMPARE(readTree("dest").isEmpty(), result != Archive::Ok);
}

// Archives from elsewhere: refused ones write nothing; where the data runs out, the complete
// entries stay.
void TestArchive::damagedArchives_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Archive::Result>("result");
    QTest::addColumn<Tree>("written");

    // A folder with a complete file comes first, so a one-pass reader would already have
    // written it.
    const auto start = [](int folders) {
        return ArchiveBytes()
            .count(1)
            .name("dir##A")
            .count(folders)
            .name("dir##good")
            .count(0)
            .count(1)
            .name("file##f")
            .data("x");
    };
    const auto badFolder = [&](const QString &name) {
        return start(2).name("dir##" + name).count(0).count(0).count(0).count(0).bytes();
    };
    const auto badFile = [&](const QString &name) {
        return start(1).count(1).name("file##" + name).data("evil").count(0).bytes();
    };
    QByteArray deep = ArchiveBytes().count(1).name("dir##A").bytes();
    for (int i = 0; i < Archive::MaxDepth; ++i)
        deep += ArchiveBytes().count(1).name("dir##d").bytes();

    const Tree none;
    const Tree good{{"A/", ""}, {"A/good/", ""}, {"A/good/f", "x"}};
    QTest::newRow("folder ..") << badFolder("..") << Archive::Refused << none;
    QTest::newRow("folder .") << badFolder(".") << Archive::Refused << none;
    QTest::newRow("folder empty") << badFolder("") << Archive::Refused << none;
    QTest::newRow("folder with slash") << badFolder("x/../../y") << Archive::Refused << none;
    QTest::newRow("folder with backslash") << badFolder("..\\x") << Archive::Refused << none;
    QTest::newRow("file ..") << badFile("..") << Archive::Refused << none;
    QTest::newRow("absolute file") << badFile("/tmp/evil") << Archive::Refused << none;
    QTest::newRow("file with NUL")
        << badFile(QString("..") + QChar(0) + "x") << Archive::Refused << none;
    QTest::newRow("top folder ..")
        << ArchiveBytes().count(1).name("dir##..").count(0).count(0).bytes() << Archive::Refused
        << none;
    QTest::newRow("negative top count")
        << ArchiveBytes().count(-1).bytes() << Archive::Refused << none;
    QTest::newRow("negative folder count")
        << start(2).name("dir##B").count(-2).bytes() << Archive::Refused << none;
    QTest::newRow("negative file count") << start(1).count(-1).bytes() << Archive::Refused << none;
    QTest::newRow("odd name length")
        << start(1).count(1).word(3).raw("abc").bytes() << Archive::Refused << none;
    QTest::newRow("oversized name")
        << start(1).count(1).word(Archive::MaxNameBytes + 2).raw(QByteArray(5000, 'a')).bytes()
        << Archive::Refused << none;
    QTest::newRow("nested too deep") << deep << Archive::Refused << none;

    QTest::newRow("huge file count")
        << start(1).count(0x7FFFFFFF).name("file##g").data("y").bytes() << Archive::Truncated
        << Tree{{"A/", ""}, {"A/good/", ""}, {"A/good/f", "x"}, {"A/g", "y"}};
    QTest::newRow("huge folder count") << start(0x7FFFFFFF).bytes() << Archive::Truncated << good;
    QTest::newRow("huge contents length")
        << start(1).count(1).name("file##g").word(0xFFFFFFF0).raw("short").bytes()
        << Archive::Truncated << good;
    QTest::newRow("huge name length")
        << start(1).count(1).word(0xFFFFFFF0).bytes() << Archive::Refused << none;
    QTest::newRow("empty file") << QByteArray() << Archive::Truncated << none;
    QTest::newRow("unknown tags skipped")
        << start(1).count(2).name("link##x").name("file##g").data("y").count(0).bytes()
        << Archive::Ok << Tree{{"A/", ""}, {"A/good/", ""}, {"A/good/f", "x"}, {"A/g", "y"}};
}

void TestArchive::damagedArchives()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Archive::Result, result);
    QFETCH(Tree, written);
    const QString sandbox = fresh("sandbox");
    const QString dest = sandbox + "/dest";
    QVERIFY(QDir().mkpath(dest));
    QVERIFY(writeFile(path("bad.qzzip"), bytes));

    Archive archive;
    QCOMPARE(archive.decompression_file_my(path("bad.qzzip"), dest), result);
    QCOMPARE(readTree(dest), written);
    QCOMPARE(readTree(sandbox).size(), written.size() + 1); // nothing beside the destination
    if (result != Archive::Ok)
        QVERIFY(!archive.message().isEmpty());

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    int listed = 0;
    const Archive::Result listResult =
        archive.list(&buffer, [&listed](const ArchiveEntry &) { ++listed; });
    QCOMPARE(listResult, result);
    if (result != Archive::Refused)
        QCOMPARE(listed, written.size());
}

void TestArchive::everyCutKeepsCompleteEntries()
{
    const Tree tree{{"sub/f1", "12345"}, {"sub/nested/", ""}, {"f2", "abc"}, {"zero", ""}};
    QVERIFY(writeTree(fresh("A"), tree));
    Archive archive;
    QCOMPARE(archive.compression_file_my(path("A"), path("whole.tech"), ".tech"), Archive::Ok);
    const QByteArray whole = readFile(path("whole.tech"));
    const Tree full = readTree(path("A"));

    for (int cut = 0; cut < whole.size(); ++cut) {
        QVERIFY(writeFile(path("cut.tech"), whole.left(cut)));
        const QString dest = fresh("dest");
        QVERIFY(writeTree(dest, {{"A/f2", "OLD"}}));
        const Archive::Result result = archive.decompression_file_my(path("cut.tech"), dest);
        // The trailer is never read.
        QCOMPARE(result, cut >= whole.size() - 4 ? Archive::Ok : Archive::Truncated);
        const Tree got = readTree(dest + "/A");
        for (auto it = got.cbegin(); it != got.cend(); ++it) {
            if (it.key() == "f2" && it.value() == "OLD")
                continue; // cut before its contents were complete: left as it was
            QVERIFY2(full.value(it.key()) == it.value(), qPrintable(it.key()));
        }
    }
}

void TestArchive::linksInDestinationAreNotFollowed()
{
    const QString outside = fresh("outside");
    const QString dest = fresh("dest");
    QVERIFY(QFile::link(outside, dest + "/A"));
    QVERIFY(QDir().mkpath(dest + "/B"));
    QVERIFY(QFile::link(outside + "/target", dest + "/B/x")); // dangling: would create outside
    const QByteArray bytes = ArchiveBytes()
                                 .count(2)
                                 .name("dir##A")
                                 .count(0)
                                 .count(1)
                                 .name("file##x")
                                 .data("evil")
                                 .name("dir##B")
                                 .count(0)
                                 .count(1)
                                 .name("file##x")
                                 .data("evil")
                                 .count(0)
                                 .bytes();
    QVERIFY(writeFile(path("links.dir"), bytes));
    Archive archive;
    QCOMPARE(archive.decompression_file_my(path("links.dir"), dest), Archive::NotAllWritten);
    QVERIFY(archive.message().contains("link"));
    QVERIFY(readTree(outside).isEmpty());
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"

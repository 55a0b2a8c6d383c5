// tavrio-archive: the panel's archive format on a PC, for service engineers.

#include "archive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

enum Exit
{
    Success = 0,
    BadArguments = 1,
    ArchiveFailed = 2
};

const char kUsage[] =
    "Usage:\n"
    "  tavrio-archive pack SRC_DIR DEST SUFFIX\n"
    "      Pack the folder SRC_DIR. SUFFIX is one of .qzzip .tech .dir .upd.\n"
    "      With .qzzip, DEST is a folder and the archive is DEST/<name of SRC_DIR>.qzzip;\n"
    "      with the other suffixes DEST is the archive file itself (an existing one is\n"
    "      replaced). Hidden folders and symbolic links to files are left out; hidden\n"
    "      files are kept. Prints the archive's path.\n"
    "  tavrio-archive unpack ARCHIVE DEST_DIR\n"
    "      Unpack ARCHIVE (suffix .qzzip .tech .dir or .upd) into the existing folder\n"
    "      DEST_DIR. Files of the same name are overwritten, others are left alone.\n"
    "      An archive with names that could leave DEST_DIR, or otherwise corrupt, is\n"
    "      refused and nothing is written; of an archive cut short, the complete entries\n"
    "      are unpacked and the cut is reported.\n"
    "  tavrio-archive list ARCHIVE\n"
    "      Print the tree, one entry a line in archive order: folders end in \"/\",\n"
    "      files are followed by a tab and their size in bytes.\n"
    "  tavrio-archive --help\n"
    "\n"
    "Exit status: 0 success, 1 bad arguments, 2 the archive was refused, cut short or\n"
    "could not be written or read. Reasons go to standard error, one line each.\n";

void out(const QString &line)
{
    const QByteArray text = line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
}

int error(int code, const QString &reason)
{
    const QByteArray text = "tavrio-archive: " + reason.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return code;
}

// The archive code writes debug lines for the panel's log; on the command line they are noise.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    error(0, message);
}

int pack(const QStringList &args)
{
    QString source = args.at(0);
    // A trailing "/" (as shells complete folder names) would leave no folder name to record.
    while (source.size() > 1 && source.endsWith('/'))
        source.chop(1);
    const QString &dest = args.at(1);
    const QString &suffix = args.at(2);
    if (!Archive::suffixes().contains(suffix))
        return error(BadArguments, QStringLiteral("suffix must be one of %1, not \"%2\"")
                                       .arg(Archive::suffixes().join(' '), suffix));
    if (!QFileInfo(source).isDir())
        return error(BadArguments, QStringLiteral("%1 is not a folder").arg(source));
    if (suffix == QLatin1String(".qzzip") && !QFileInfo(dest).isDir())
        return error(BadArguments,
                     QStringLiteral("with .qzzip, %1 must be an existing folder").arg(dest));

    Archive archive;
    const Archive::Result result = archive.compression_file_my(source, dest, suffix);
    if (result != Archive::Ok)
        return error(ArchiveFailed, archive.message());
    const QStringList unreadable = archive.unreadableFiles();
    for (const QString &file : unreadable)
        error(0, QStringLiteral("warning: %1 could not be read and was packed empty").arg(file));
    const QStringList leftOut = archive.leftOut();
    for (const QString &entry : leftOut)
        error(0, QStringLiteral("warning: %1 was left out: its name holds a backslash").arg(entry));
    out(archive.outputPath());
    return Success;
}

int unpack(const QStringList &args)
{
    Archive archive;
    const Archive::Result result = archive.decompression_file_my(args.at(0), args.at(1));
    switch (result) {
    case Archive::Ok:
        out(archive.message());
        return Success;
    case Archive::EmptyPath:
    case Archive::BadDestination:
    case Archive::BadSource:
        return error(BadArguments, archive.message());
    default:
        return error(ArchiveFailed, archive.message());
    }
}

int list(const QStringList &args)
{
    QFile file(args.at(0));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return error(BadArguments, QStringLiteral("cannot read %1").arg(file.fileName()));
    Archive archive;
    const Archive::Result result = archive.list(&file, [](const ArchiveEntry &entry) {
        out(entry.folder ? entry.path : entry.path + '\t' + QString::number(entry.size));
    });
    if (result != Archive::Ok)
        return error(ArchiveFailed, archive.message());
    return Success;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quietMessages);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(kUsage, stdout);
        return Success;
    }
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return BadArguments;
    }
    const QString command = args.takeFirst();
    struct Command
    {
        const char *name;
        int arguments;
        int (*run)(const QStringList &);
    };
    static const Command commands[] = {{"pack", 3, pack}, {"unpack", 2, unpack}, {"list", 1, list}};
    for (const Command &c : commands) {
        if (command != QLatin1String(c.name))
            continue;
        if (args.size() != c.arguments)
            return error(
                BadArguments,
                QStringLiteral("%1 takes %2 arguments; see --help").arg(command).arg(c.arguments));
        return c.run(args);
    }
    return error(BadArguments, QStringLiteral("unknown command \"%1\"; see --help").arg(command));
}

// libFuzzer target for the archive reader: arbitrary bytes must never crash it, make it write
// outside the destination folder or through a link placed there, or make it reserve memory the
// data does not justify (run with -malloc_limit_mb to catch that).

#include "archive.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// <sandbox>/dest receives each archive; <sandbox>/canary must never change. dest/A is a link to
// the canary folder, so that every archive naming "A" tries to write through it.
struct Sandbox
{
    Sandbox()
        : dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                  ? QStringLiteral("/dev/shm/tavrio-fuzz-XXXXXX")
                  : QDir::tempPath() + QStringLiteral("/tavrio-fuzz-XXXXXX"))
    {
        if (!dir.isValid())
            die("no temporary folder");
        dest = dir.path() + QStringLiteral("/dest");
        canary = dir.path() + QStringLiteral("/canary");
        QDir().mkpath(canary);
        QFile file(canary + QStringLiteral("/keep"));
        if (!file.open(QIODevice::WriteOnly) || file.write("keep") != 4)
            die("cannot write the canary");
    }

    [[noreturn]] static void die(const char *what)
    {
        std::fprintf(stderr, "archive fuzz: %s\n", what);
        std::abort();
    }

    void reset()
    {
        QDir(dest).removeRecursively(); // removes links, never what they point to
        if (!QDir().mkpath(dest) || !QFile::link(QStringLiteral("../canary"), dest + "/A"))
            die("cannot prepare the destination");
    }

    void check() const
    {
        const QStringList beside =
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        if (beside != QStringList{QStringLiteral("canary"), QStringLiteral("dest")})
            die("something was written beside the destination");
        const QStringList inCanary = QDir(canary).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QFile file(canary + QStringLiteral("/keep"));
        if (inCanary != QStringList{QStringLiteral("keep")} || !file.open(QIODevice::ReadOnly) ||
            file.readAll() != "keep")
            die("the canary behind a link in the destination was changed");
    }

    QTemporaryDir dir;
    QString dest;
    QString canary;
};

void checkListedPath(const ArchiveEntry &entry)
{
    QString path = entry.path;
    if (entry.folder) {
        if (!path.endsWith(QLatin1Char('/')))
            Sandbox::die("folder entry without a trailing slash");
        path.chop(1);
    }
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('\\')) || part.contains(QChar(0)))
            Sandbox::die("listed path could leave the destination");
    }
    if (entry.size < 0)
        Sandbox::die("negative size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Sandbox sandbox;
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    Archive archive;
    const Archive::Result listed = archive.list(&buffer, checkListedPath);

    sandbox.reset();
    const Archive::Result unpacked = archive.unpack(&buffer, sandbox.dest);
    sandbox.check();
    // Listing and unpacking judge the same bytes alike.
    if ((listed == Archive::Refused) != (unpacked == Archive::Refused))
        Sandbox::die("list and unpack disagree about refusing");
    return 0;
}

#include "archive.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtEndian>

#include <algorithm>

namespace {

const QString kSeparator = QStringLiteral("##");
const QString kDirTag = QStringLiteral("dir");
const QString kFileTag = QStringLiteral("file");
constexpr quint32 kNullMarker = 0xFFFFFFFFu;
constexpr qint64 kChunk = 64 * 1024;

enum class Record
{
    Ok,
    End,
    Corrupt
};

qint64 remaining(QIODevice *in)
{
    return in->size() - in->pos();
}

Record readInt(QIODevice *in, quint32 &value)
{
    uchar raw[4];
    if (in->read(reinterpret_cast<char *>(raw), 4) != 4)
        return Record::End;
    value = qFromBigEndian<quint32>(raw);
    return Record::Ok;
}

Record readName(QIODevice *in, QString &name, QString &why)
{
    quint32 bytes = 0;
    if (readInt(in, bytes) != Record::Ok)
        return Record::End;
    name.clear();
    if (bytes == kNullMarker)
        return Record::Ok;
    if (bytes & 1u) {
        why = QStringLiteral("name record of odd length %1").arg(bytes);
        return Record::Corrupt;
    }
    if (bytes > Archive::MaxNameBytes) {
        why = QStringLiteral("name record of %1 bytes").arg(bytes);
        return Record::Corrupt;
    }
    if (bytes > remaining(in))
        return Record::End;
    const QByteArray raw = in->read(bytes);
    if (raw.size() != int(bytes))
        return Record::End;
    name.resize(int(bytes / 2));
    for (int i = 0; i < name.size(); ++i)
        name[i] = QChar(qFromBigEndian<quint16>(raw.constData() + 2 * i));
    return Record::Ok;
}

// A name taken from an archive becomes one path component below the destination, never more.
bool safeName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

QString shown(const QString &name)
{
    QString text = name;
    text.replace(QChar(0), QStringLiteral("\\0"));
    return '"' + text + '"';
}

} // namespace

struct Archive::Walk
{
    QIODevice *in = nullptr;
    QString dest; // with a trailing "/"; empty: nothing is written
    std::function<void(const ArchiveEntry &)> listener;
    QString why;            // reason of a refusal or cut
    QStringList notWritten; // entries that could not be written, with the reason

    Result cut(const QString &what)
    {
        why = QStringLiteral("the archive ends early (%1, byte %2)").arg(what).arg(in->pos());
        return Truncated;
    }
    Result refuse(const QString &what)
    {
        why = QStringLiteral("refused at byte %1: %2").arg(in->pos()).arg(what);
        return Refused;
    }
    QString target(const QStringList &path) const { return dest + path.join(QLatin1Char('/')); }
    void report(const QStringList &path, bool folder, qint64 size)
    {
        if (!listener)
            return;
        ArchiveEntry entry;
        entry.path = path.join(QLatin1Char('/')) + (folder ? QStringLiteral("/") : QString());
        entry.folder = folder;
        entry.size = size;
        listener(entry);
    }
};

Archive::Archive(QObject *parent) : QObject(parent) {}

const QStringList &Archive::suffixes()
{
    static const QStringList list{QStringLiteral(".qzzip"), QStringLiteral(".tech"),
                                  QStringLiteral(".dir"), QStringLiteral(".upd")};
    return list;
}

QString Archive::outputFileName(const QString &srcPath, const QString &destPath,
                                const QString &strSuffix)
{
    const QString folder = srcPath.mid(srcPath.lastIndexOf(QLatin1Char('/')) + 1);
    if (strSuffix == QLatin1String(".qzzip"))
        return destPath + '/' + folder + strSuffix;
    if (suffixes().contains(strSuffix))
        return destPath;
    return QString();
}

Archive::Result Archive::fail(Result result, const QString &message)
{
    m_message = message;
    return result;
}

Archive::Result Archive::compression_file_my(const QString &srcPath, const QString &destPath,
                                             const QString &strSuffix)
{
    qDebug() << "compression_file_my thread" << QThread::currentThreadId();
    m_outputPath.clear();
    m_unreadable.clear();
    m_leftOut.clear();
    m_folders = m_files = 0;
    if (srcPath.isEmpty() || destPath.isEmpty()) {
        emit logLine(QStringLiteral("路径为空，压缩数据失败"));
        return fail(EmptyPath, QStringLiteral("source or destination not given"));
    }
    const QFileInfo dest(destPath);
    if (dest.isFile() && !suffixes().contains(strSuffix)) {
        emit logLine(QStringLiteral("文件非.tech .dir .udp,目标路径不能是文件名"));
        return fail(ForeignSuffix, QStringLiteral("%1 is a file and %2 is not an archive suffix")
                                       .arg(destPath, strSuffix));
    }
    if (QFileInfo(srcPath).isFile())
        return fail(SourceIsFile, QStringLiteral("%1 is a file, not a folder").arg(srcPath));
    const QString folder = srcPath.mid(srcPath.lastIndexOf(QLatin1Char('/')) + 1);
    if (folder.isEmpty())
        return fail(NoFolderName, QStringLiteral("%1 ends in \"/\"").arg(srcPath));

    m_outputPath = outputFileName(srcPath, destPath, strSuffix);
    qDebug() << "saveFileName:" << m_outputPath;
    QFile out(m_outputPath);
    if (m_outputPath.isEmpty() || !out.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        emit logLine(QStringLiteral("文件写入失败") + m_outputPath);
        return fail(
            CannotOpenOutput,
            m_outputPath.isEmpty()
                ? QStringLiteral("no output name for suffix %1").arg(strSuffix)
                : QStringLiteral("cannot write %1: %2").arg(m_outputPath, out.errorString()));
    }
    // The output may lie inside the folder being packed; it must not pack itself.
    m_outputCanonical = QFileInfo(m_outputPath).canonicalFilePath();
    m_openFolders = QStringList{QFileInfo(srcPath).canonicalFilePath()};

    QDataStream stream(&out);
    stream.setVersion(QDataStream::Qt_5_12);
    stream << qint32(1) << (QStringLiteral("dir##") + folder);
    emit logLine(QStringLiteral("压缩文件源") + folder + QStringLiteral("目标位置") + m_outputPath);
    ergodic_compression_my(stream, folder, srcPath);
    stream << qint32(0);
    out.flush();
    const bool failed = stream.status() != QDataStream::Ok || out.error() != QFile::NoError;
    const QString error = out.errorString();
    out.close();
    m_openFolders.clear();
    if (failed) {
        // A cut-off archive would unpack as a silently partial tree: leave none.
        QFile::remove(m_outputPath);
        emit logLine(QStringLiteral("文件写入失败") + m_outputPath);
        return fail(WriteFailed, QStringLiteral("writing %1 failed: %2").arg(m_outputPath, error));
    }
    emit progress(0.5);
    m_message = QStringLiteral("packed %1 folders and %2 files into %3")
                    .arg(m_folders)
                    .arg(m_files)
                    .arg(m_outputPath);
    return Ok;
}

void Archive::ergodic_compression_my(QDataStream &t_stream, const QString &rootPath,
                                     const QString &filePath)
{
    const QDir dir(filePath);

    // Hidden folders are left out; links to folders are followed, but never back into a folder
    // that is being packed already (a link loop would recurse for ever).
    QFileInfoList folders;
    const QFileInfoList dirEntries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : dirEntries) {
        if (info.fileName().startsWith(QLatin1Char('.')) || !packable(info))
            continue;
        if (m_openFolders.contains(info.canonicalFilePath())) {
            emit logLine(QStringLiteral("跳过循环链接 ") + info.absoluteFilePath());
            continue;
        }
        folders << info;
    }
    std::sort(folders.begin(), folders.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int order = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.fileName() < b.fileName();
    });
    t_stream << qint32(folders.size());
    for (const QFileInfo &info : qAsConst(folders)) {
        t_stream << (QStringLiteral("dir##") + info.fileName());
        ++m_folders;
        m_openFolders << info.canonicalFilePath();
        ergodic_compression_my(t_stream, rootPath, info.absoluteFilePath());
        m_openFolders.removeLast();
    }

    // Regular files only, hidden ones included; never links, devices or the output itself.
    QFileInfoList files;
    const QFileInfoList fileEntries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &info : fileEntries) {
        if (info.isFile() && !info.isSymLink() && info.canonicalFilePath() != m_outputCanonical &&
            packable(info))
            files << info;
    }
    std::sort(files.begin(), files.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return a.fileName() < b.fileName(); });
    t_stream << qint32(files.size());
    for (const QFileInfo &info : qAsConst(files)) {
        t_stream << (QStringLiteral("file##") + info.fileName());
        writeContents(t_stream, info.absoluteFilePath());
        ++m_files;
    }
}

bool Archive::packable(const QFileInfo &info)
{
    // A backslash is legal in a Linux name, but the reader refuses it (it separates folders
    // elsewhere): such an entry would make the whole archive unusable, so it is left out.
    if (!info.fileName().contains(QLatin1Char('\\')))
        return true;
    m_leftOut << info.absoluteFilePath();
    emit logLine(QStringLiteral("名称含反斜杠，未压缩 ") + info.absoluteFilePath());
    return false;
}

void Archive::writeContents(QDataStream &t_stream, const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        m_unreadable << file;
        emit logLine(QStringLiteral("文件读取失败，按空文件压缩 ") + file);
        t_stream << kNullMarker;
        return;
    }
    const qint64 size = in.size();
    if (size <= 0 || size >= qint64(kNullMarker)) {
        if (size > 0) {
            m_unreadable << file;
            emit logLine(QStringLiteral("文件过大，按空文件压缩 ") + file);
        }
        t_stream << kNullMarker;
        return;
    }
    t_stream << quint32(size);
    qint64 left = size;
    while (left > 0) {
        const QByteArray chunk = in.read(qMin(left, kChunk));
        if (chunk.isEmpty())
            break;
        t_stream.writeRawData(chunk.constData(), chunk.size());
        left -= chunk.size();
    }
    if (left > 0) {
        // The file shrank or a read failed: the record must still hold the length it announced.
        m_unreadable << file;
        emit logLine(QStringLiteral("文件读取不完整 ") + file);
        const QByteArray zeros(int(qMin(left, kChunk)), '\0');
        while (left > 0) {
            const int n = int(qMin(left, kChunk));
            t_stream.writeRawData(zeros.constData(), n);
            left -= n;
        }
    }
}

Archive::Result Archive::decompression_file_my(const QString &srcPathAndName,
                                               const QString &destPath)
{
    qDebug() << "decompression_file_my thread" << QThread::currentThreadId();
    m_folders = m_files = 0;
    if (srcPathAndName.isEmpty() || destPath.isEmpty())
        return fail(EmptyPath, QStringLiteral("archive or destination not given"));
    const QFileInfo dest(destPath);
    if (!dest.isDir())
        return fail(BadDestination, QStringLiteral("%1 is not an existing folder").arg(destPath));
    const QFileInfo src(srcPathAndName);
    if (!src.isFile() || !suffixes().contains('.' + src.suffix()))
        return fail(BadSource, QStringLiteral("%1 is not an archive file (%2)")
                                   .arg(srcPathAndName, suffixes().join(QLatin1Char(' '))));
    QFile in(srcPathAndName);
    if (!in.open(QIODevice::ReadOnly))
        return fail(CannotOpenArchive,
                    QStringLiteral("cannot read %1: %2").arg(srcPathAndName, in.errorString()));
    return unpack(&in, destPath);
}

Archive::Result Archive::unpack(QIODevice *archive, const QString &destPath)
{
    m_folders = m_files = 0;
    if (!archive || !archive->isReadable() || archive->isSequential())
        return fail(CannotOpenArchive, QStringLiteral("the archive is not readable"));

    // A first pass reads the whole archive without writing: an unsafe or corrupt archive is
    // refused before it has touched the destination.
    Walk check;
    check.in = archive;
    archive->seek(0);
    Result result = walkArchive(check);
    if (result == Refused)
        return fail(Refused, check.why);

    m_folders = m_files = 0;
    Walk write;
    write.in = archive;
    write.dest = destPath.endsWith(QLatin1Char('/')) ? destPath : destPath + '/';
    archive->seek(0);
    result = walkArchive(write);
    const QString done =
        QStringLiteral("unpacked %1 folders and %2 files").arg(m_folders).arg(m_files);
    QString notWritten;
    if (!write.notWritten.isEmpty())
        notWritten = QStringLiteral("; %1 entries not written, first: %2")
                         .arg(write.notWritten.size())
                         .arg(write.notWritten.first());
    if (result == Truncated)
        return fail(Truncated, write.why + "; " + done + notWritten);
    if (result != Ok) // cannot happen after a passed check, but never report it as success
        return fail(result, write.why);
    if (!write.notWritten.isEmpty())
        return fail(NotAllWritten, done + notWritten);
    m_message = done;
    return Ok;
}

Archive::Result Archive::list(QIODevice *archive,
                              const std::function<void(const ArchiveEntry &)> &entry)
{
    m_folders = m_files = 0;
    if (!archive || !archive->isReadable() || archive->isSequential())
        return fail(CannotOpenArchive, QStringLiteral("the archive is not readable"));
    Walk walk;
    walk.in = archive;
    walk.listener = entry;
    archive->seek(0);
    const Result result = walkArchive(walk);
    if (result != Ok)
        return fail(result, walk.why);
    m_message = QStringLiteral("%1 folders and %2 files").arg(m_folders).arg(m_files);
    return Ok;
}

Archive::Result Archive::walkArchive(Walk &walk)
{
    quint32 count = 0;
    if (readInt(walk.in, count) != Record::Ok)
        return walk.cut(QStringLiteral("no entry count"));
    if (qint32(count) < 0)
        return walk.refuse(QStringLiteral("negative entry count %1").arg(qint32(count)));
    for (quint32 i = 0; i < count; ++i) {
        QString name;
        const Record record = readName(walk.in, name, walk.why);
        if (record == Record::End)
            return walk.cut(QStringLiteral("folder entry %1 of %2").arg(i + 1).arg(count));
        if (record == Record::Corrupt)
            return walk.refuse(walk.why);
        const QStringList parts = name.split(kSeparator);
        if (parts.first() != kDirTag)
            continue;
        const QString folder = parts.value(1);
        if (!safeName(folder))
            return walk.refuse(QStringLiteral("unsafe folder name %1").arg(shown(folder)));
        QStringList path{folder};
        const Result result = ergodic_decompression_my(walk, path, true, 1);
        if (result != Ok)
            return result;
    }
    return Ok;
}

Archive::Result Archive::ergodic_decompression_my(Walk &walk, QStringList &path, bool writable,
                                                  int depth)
{
    if (depth > MaxDepth)
        return walk.refuse(QStringLiteral("folders nested deeper than %1").arg(MaxDepth));

    // The folder itself. One that cannot be made, or that is a link in the destination (which
    // could lead anywhere), is read past without writing anything below it.
    walk.report(path, true, 0);
    if (!walk.dest.isEmpty() && writable) {
        const QString target = walk.target(path);
        const QFileInfo info(target);
        if (info.isSymLink()) {
            walk.notWritten << QStringLiteral("%1 is a link").arg(target);
            writable = false;
        } else if (info.exists() && !info.isDir()) {
            walk.notWritten << QStringLiteral("%1 is not a folder").arg(target);
            writable = false;
        } else if (!info.exists() && !QDir().mkdir(target)) {
            walk.notWritten << QStringLiteral("cannot create %1").arg(target);
            writable = false;
        } else {
            ++m_folders;
        }
    } else if (walk.dest.isEmpty()) {
        ++m_folders;
    }

    quint32 count = 0;
    if (readInt(walk.in, count) != Record::Ok)
        return walk.cut(QStringLiteral("sub-folder count of %1").arg(path.join('/')));
    if (qint32(count) < 0)
        return walk.refuse(QStringLiteral("negative sub-folder count %1").arg(qint32(count)));
    for (quint32 i = 0; i < count; ++i) {
        QString name;
        const Record record = readName(walk.in, name, walk.why);
        if (record == Record::End)
            return walk.cut(QStringLiteral("sub-folder %1 of %2 in %3")
                                .arg(i + 1)
                                .arg(count)
                                .arg(path.join('/')));
        if (record == Record::Corrupt)
            return walk.refuse(walk.why);
        const QStringList parts = name.split(kSeparator);
        if (parts.first() != kDirTag)
            continue;
        const QString folder = parts.value(1);
        if (!safeName(folder))
            return walk.refuse(QStringLiteral("unsafe folder name %1").arg(shown(folder)));
        path << folder;
        const Result result = ergodic_decompression_my(walk, path, writable, depth + 1);
        path.removeLast();
        if (result != Ok)
            return result;
    }

    if (readInt(walk.in, count) != Record::Ok)
        return walk.cut(QStringLiteral("file count of %1").arg(path.join('/')));
    if (qint32(count) < 0)
        return walk.refuse(QStringLiteral("negative file count %1").arg(qint32(count)));
    for (quint32 i = 0; i < count; ++i) {
        QString name;
        const Record record = readName(walk.in, name, walk.why);
        if (record == Record::End)
            return walk.cut(
                QStringLiteral("file %1 of %2 in %3").arg(i + 1).arg(count).arg(path.join('/')));
        if (record == Record::Corrupt)
            return walk.refuse(walk.why);
        const QStringList parts = name.split(kSeparator);
        if (parts.first() != kFileTag)
            continue;
        const QString file = parts.value(1);
        if (!safeName(file))
            return walk.refuse(QStringLiteral("unsafe file name %1").arg(shown(file)));
        quint32 size = 0;
        if (readInt(walk.in, size) != Record::Ok)
            return walk.cut(QStringLiteral("length of %1/%2").arg(path.join('/'), file));
        if (size == kNullMarker)
            size = 0;
        // Contents that the data cannot hold are not written at all: an existing file of that
        // name keeps what it had instead of being replaced by a fragment.
        if (qint64(size) > remaining(walk.in))
            return walk.cut(QStringLiteral("contents of %1/%2, %3 bytes announced")
                                .arg(path.join('/'), file)
                                .arg(size));
        path << file;
        walk.report(path, false, size);
        const qint64 start = walk.in->pos();
        if (walk.dest.isEmpty()) {
            ++m_files;
        } else if (writable) {
            const QString target = walk.target(path);
            const QFileInfo info(target);
            QFile out(target);
            if (info.isSymLink()) {
                walk.notWritten << QStringLiteral("%1 is a link").arg(target);
            } else if (info.isDir()) {
                walk.notWritten << QStringLiteral("%1 is a folder").arg(target);
            } else if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                walk.notWritten << QStringLiteral("cannot write %1").arg(target);
            } else {
                qint64 left = size;
                bool ok = true;
                while (left > 0 && ok) {
                    const QByteArray chunk = walk.in->read(qMin(left, kChunk));
                    ok = !chunk.isEmpty() && out.write(chunk) == chunk.size();
                    left -= chunk.size();
                }
                out.close();
                if (ok && out.error() == QFile::NoError)
                    ++m_files;
                else
                    walk.notWritten << QStringLiteral("writing %1 failed").arg(target);
            }
        }
        path.removeLast();
        walk.in->seek(start + size);
    }
    return Ok;
}

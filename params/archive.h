#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QDataStream;
class QFileInfo;
class QIODevice;

// One entry of an archive as the reader sees it.
struct ArchiveEntry
{
    QString path; // below the destination, components joined by "/"; folders end in "/"
    bool folder = false;
    qint64 size = 0; // bytes of a file's contents
};

// Packs a folder tree into one file and unpacks it again; the panel hands whole parts of its
// configuration to other boards this way, and service engineers use the same code on a PC.
//
// An archive is a sequence of Qt data-stream records, big-endian: counts as 32-bit integers,
// names as UTF-16 texts "dir##<name>" or "file##<name>", file contents as byte arrays (an empty
// one as the null marker FF FF FF FF). Contents are stored as they are. The layout:
//
//   int 1, "dir##<folder>", body of the folder, int 0 (trailer)
//   body = int N, N x ("dir##<sub-folder>", body of it), int M, M x ("file##<name>", contents)
//
// Sub-folders go in name order without regard to case, files in case-sensitive name order.
//
// The reader takes archives from elsewhere (a USB stick, another board), so it trusts nothing in
// them: an archive with a name that could leave the destination (empty, ".", "..", a separator,
// a NUL), a negative count, a corrupt name record or folders nested absurdly deep is refused
// before anything is written. Counts are never used to reserve memory; contents are copied in
// small pieces. Where the data ends early, what was complete is kept and the cut is reported.
// Existing symbolic links in the destination are never written through.
class Archive : public QObject
{
    Q_OBJECT
public:
    enum Result
    {
        Ok,
        // Writer
        EmptyPath,        // source or destination not given
        ForeignSuffix,    // destination is a file and the suffix is none of the four
        SourceIsFile,     // the source names a file, not a folder
        NoFolderName,     // the source ends in "/": no folder name to record
        CannotOpenOutput, // output could not be created (a foreign suffix gives no output name)
        WriteFailed,      // writing failed part-way; the partial output was removed
        // Reader
        BadDestination,    // destination folder missing, or a file
        BadSource,         // archive missing, or with a foreign suffix
        CannotOpenArchive, // archive exists but cannot be read
        Refused,           // unsafe or corrupt archive: nothing was written
        Truncated,         // the data ends early: the complete entries were written
        NotAllWritten,     // some entries could not be written (see message())
    };
    Q_ENUM(Result)

    // Deepest folder nesting the reader accepts.
    static constexpr int MaxDepth = 128;
    // Longest name record the reader accepts, in bytes (a file name is at most 255 bytes).
    static constexpr quint32 MaxNameBytes = 4096;

    explicit Archive(QObject *parent = nullptr);

    // The four suffixes: ".qzzip", ".tech", ".dir", ".upd".
    static const QStringList &suffixes();
    // The file the writer produces for these arguments; empty when the suffix gives none.
    static QString outputFileName(const QString &srcPath, const QString &destPath,
                                  const QString &strSuffix);

    // Writes the archive of folder srcPath: for ".qzzip" as destPath/<folder>.qzzip, for the
    // other suffixes as destPath itself. Emits progress(0.5) when done.
    Result compression_file_my(const QString &srcPath, const QString &destPath,
                               const QString &strSuffix);
    // Unpacks an archive file into the existing folder destPath.
    Result decompression_file_my(const QString &srcPathAndName, const QString &destPath);

    // Unpacks from an open, random-access device (no suffix check).
    Result unpack(QIODevice *archive, const QString &destPath);
    // Reads the whole archive and reports each entry in archive order; writes nothing.
    Result list(QIODevice *archive, const std::function<void(const ArchiveEntry &)> &entry);

    // What the last operation did or why it stopped, in English, one line.
    QString message() const { return m_message; }
    // The output of the last successful or attempted pack.
    QString outputPath() const { return m_outputPath; }
    // Files the last pack could not read and archived as empty.
    QStringList unreadableFiles() const { return m_unreadable; }
    // Entries the last pack left out because their names hold a backslash, which the reader
    // refuses.
    QStringList leftOut() const { return m_leftOut; }
    int foldersWritten() const { return m_folders; }
    int filesWritten() const { return m_files; }

signals:
    void progress(double value);
    // The writer's log lines (the module passes them on to its log).
    void logLine(const QString &text);

private:
    struct Walk;
    void ergodic_compression_my(QDataStream &t_stream, const QString &rootPath,
                                const QString &filePath);
    void writeContents(QDataStream &t_stream, const QString &file);
    bool packable(const QFileInfo &info);
    Result ergodic_decompression_my(Walk &walk, QStringList &path, bool writable, int depth);
    Result walkArchive(Walk &walk);
    Result fail(Result result, const QString &message);

    QString m_message;
    QString m_outputPath;
    QString m_outputCanonical;
    QStringList m_openFolders; // canonical paths of the folders being packed, outermost first
    QStringList m_unreadable;
    QStringList m_leftOut;
    int m_folders = 0;
    int m_files = 0;
};

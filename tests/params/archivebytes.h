#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

// Hand-built archive bytes, written independently of the code under test.
class ArchiveBytes
{
public:
    ArchiveBytes &count(qint32 value)
    {
        return put([&](QDataStream &s) { s << value; });
    }
    ArchiveBytes &word(quint32 value)
    {
        return put([&](QDataStream &s) { s << value; });
    }
    ArchiveBytes &name(const QString &text)
    {
        return put([&](QDataStream &s) { s << text; });
    }
    ArchiveBytes &data(const QByteArray &bytes)
    {
        word(quint32(bytes.size()));
        return raw(bytes);
    }
    ArchiveBytes &raw(const QByteArray &bytes)
    {
        m_bytes += bytes;
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    template <typename Write> ArchiveBytes &put(Write write)
    {
        QByteArray piece;
        QDataStream stream(&piece, QIODevice::WriteOnly);
        write(stream);
        m_bytes += piece;
        return *this;
    }
    QByteArray m_bytes;
};

// A folder tree as "relative path" -> contents; folders as "path/" -> "".
using Tree = QMap<QString, QByteArray>;

inline Tree readTree(const QString &root)
{
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            tree.insert(relative + '/', QByteArray());
        } else {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            tree.insert(relative, file.readAll());
        }
    }
    return tree;
}

inline bool writeTree(const QString &root, const Tree &tree)
{
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        const QString path = root + '/' + it.key();
        if (it.key().endsWith('/')) {
            if (!QDir().mkpath(path))
                return false;
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

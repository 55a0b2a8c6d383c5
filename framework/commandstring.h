#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

// Command strings between screens and modules: fields joined by "##", field 0 the tag (the
// sender's kind or a verb), the rest its arguments. Every module splits and dispatches here, so
// the rules (case-sensitive, empty fields kept, a lone "#" separates nothing) hold everywhere.
class Command
{
public:
    static const QString kSeparator; // "##"

    explicit Command(const QString &text);

    const QString &text() const { return m_text; }
    const QStringList &fields() const { return m_fields; }
    int count() const { return m_fields.size(); }
    // Field i, or an empty text when the command is shorter: a short command never ends the
    // program.
    QString at(int i) const { return i >= 0 && i < m_fields.size() ? m_fields.at(i) : QString(); }
    QString tag() const { return at(0); }
    int toInt(int i) const { return at(i).toInt(); }
    double toDouble(int i) const { return at(i).toDouble(); }
    bool has(int fields) const { return m_fields.size() >= fields; }
    // Everything after the tag: the command less (tag length + 2) characters.
    QString remainder() const;

private:
    QString m_text;
    QStringList m_fields;
};

// A first-level or verb table: entries compared with field 0 in order, the first equal one wins,
// no match does nothing.
class CommandTable
{
public:
    using Handler = std::function<void(const Command &)>;
    struct Entry
    {
        QString word;
        Handler handler;
    };

    CommandTable() = default;
    CommandTable(std::initializer_list<Entry> entries) : m_entries(entries) {}
    void add(const QString &word, Handler handler) { m_entries.push_back({word, handler}); }
    // Returns true when an entry took the command.
    bool dispatch(const QString &text) const;
    bool dispatch(const Command &command) const;

private:
    std::vector<Entry> m_entries;
};

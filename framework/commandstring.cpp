#include "commandstring.h"

const QString Command::kSeparator = QStringLiteral("##");

Command::Command(const QString &text)
    : m_text(text), m_fields(text.split(kSeparator)) // empty fields kept
{}

QString Command::remainder() const
{
    return m_text.mid(tag().size() + kSeparator.size());
}

bool CommandTable::dispatch(const QString &text) const
{
    return dispatch(Command(text));
}

bool CommandTable::dispatch(const Command &command) const
{
    const QString word = command.tag();
    for (const Entry &entry : m_entries) {
        if (entry.word == word) {
            if (entry.handler)
                entry.handler(command);
            return true;
        }
    }
    return false;
}

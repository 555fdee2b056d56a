#include "ScriptedDialogs.h"

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Request& request : asked) {
        if (request.kind == QLatin1String("message"))
            texts.append(request.text);
    }
    return texts;
}

QString ScriptedDialogs::nextAnswer()
{
    return m_answers.isEmpty() ? QString() : m_answers.dequeue();
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString& filter)
{
    asked.append({QStringLiteral("open"), title, filter});
    return nextAnswer();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString& filter,
                                      int* filterIndex)
{
    if (filterIndex && !m_filters.isEmpty())
        *filterIndex = m_filters.dequeue();
    asked.append({QStringLiteral("save"), title, filter});
    return nextAnswer();
}

QColor ScriptedDialogs::colour(QWidget*)
{
    asked.append({QStringLiteral("colour"), QString(), QString()});
    return m_colours.isEmpty() ? QColor() : m_colours.dequeue();
}

QString ScriptedDialogs::text(QWidget*, const QString& title, const QString& prompt)
{
    asked.append({QStringLiteral("text"), title, prompt});
    return nextAnswer();
}

void ScriptedDialogs::message(QWidget*, Icon icon, const QString& title, const QString& text)
{
    asked.append({QStringLiteral("message"), title, text, icon});
}

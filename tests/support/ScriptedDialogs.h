#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Dialogs that answer from a script and record what was asked. An answer that was not
// scripted is a cancel.
class ScriptedDialogs : public Dialogs
{
public:
    struct Request
    {
        QString kind; // "open", "save", "colour", "text" or "message"
        QString title;
        QString text; // the filter, the prompt or the message
        Icon icon = Icon::None;
    };

    void answerNext(const QString& answer) { m_answers.enqueue(answer); }
    void answerNextColour(const QColor& colour) { m_colours.enqueue(colour); }
    // The filter entry the next save chooser returns; unscripted, it keeps the one it started on.
    void answerNextFilter(int index) { m_filters.enqueue(index); }

    QList<Request> asked;
    // The messages shown, in order.
    QStringList messages() const;

    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         int* filterIndex) override;
    QColor colour(QWidget* parent) override;
    QString text(QWidget* parent, const QString& title, const QString& prompt) override;
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;

private:
    QString nextAnswer();

    QQueue<QString> m_answers;
    QQueue<QColor> m_colours;
    QQueue<int> m_filters;
};

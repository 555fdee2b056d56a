#pragma once

#include "ui/Dialogs.h"

#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QPrinter>
#include <QQueue>
#include <QStringList>

// Dialogs that answer from a script and record what was asked. An answer that was not
// scripted is a cancel.
class ScriptedDialogs : public Dialogs
{
public:
    struct Request
    {
        // "open", "save", "colour", "text", "question", "changed", "restore", "print",
        // "preview" or "message"
        QString kind;
        QString title;
        QString text; // the filter, the prompt or the message
        Icon icon = Icon::None;
        QColor colour{};                      // the colour chooser's starting colour
        QString startName{}, defaultSuffix{}; // the save chooser's starting name and suffix
    };
    QList<Request> asked;

    void answerNext(const QString& answer) { m_answers.enqueue(answer); }
    void answerNextColour(const QColor& colour) { m_colours.enqueue(colour); }
    // The answer to the next question about unsaved changes; unscripted, it is Cancel.
    void answerNextQuestion(Answer answer) { m_questions.enqueue(answer); }
    // The answer to the next offer of unsaved edits; unscripted, it is Later.
    void answerNextRestore(RestoreAnswer answer) { m_restores.enqueue(answer); }
    // The answer to the next question about a file changed on disk; unscripted, it is Cancel.
    void answerNextChanged(ChangedAnswer answer) { m_changed.enqueue(answer); }
    // The filter entry the next save chooser returns; unscripted, it keeps the one it started on.
    void answerNextFilter(int index) { m_filters.enqueue(index); }
    // How the next print dialog or preview sets up the printer and whether it chooses black on
    // white: unscripted, the print dialog is cancelled and the preview paints nothing.
    void answerNextPrint(const std::function<void(QPrinter&)>& setup, bool blackOnWhite = false)
    {
        m_prints.enqueue({setup, blackOnWhite});
    }
    // The texts of what was asked of one kind (the messages shown, the questions), in order.
    QStringList messages(const char* kind = "message") const
    {
        QStringList texts;
        for (const Request& request : asked)
            if (request.kind == QLatin1String(kind))
                texts.append(request.text);
        return texts;
    }

    QString openFileName(QWidget*, const QString& title, const QString& filter) override
    {
        return ask("open", title, filter);
    }
    // A scripted name without an extension gets the default suffix, as the real chooser's.
    QString saveFileName(QWidget*, const QString& title, const QString& filter, int* filterIndex,
                         const QString& startName, const QString& defaultSuffix) override
    {
        if (filterIndex && !m_filters.isEmpty())
            *filterIndex = m_filters.dequeue();
        QString answer = ask("save", title, filter);
        asked.last().startName = startName;
        asked.last().defaultSuffix = defaultSuffix;
        if (!answer.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(answer).suffix().isEmpty())
            answer += QLatin1Char('.') + defaultSuffix;
        return answer;
    }
    QString text(QWidget*, const QString& title, const QString& prompt) override
    {
        return ask("text", title, prompt);
    }
    QColor colour(QWidget*, const QColor& initial) override
    {
        asked.append({QStringLiteral("colour"), QString(), QString(), Icon::None, initial});
        return m_colours.isEmpty() ? QColor() : m_colours.dequeue();
    }
    Answer askToSave(QWidget*, const QString& title, const QString& text) override
    {
        asked.append({QStringLiteral("question"), title, text});
        return m_questions.isEmpty() ? Answer::Cancel : m_questions.dequeue();
    }
    ChangedAnswer askChangedFile(QWidget*, const QString& title, const QString& text) override
    {
        asked.append({QStringLiteral("changed"), title, text});
        return m_changed.isEmpty() ? ChangedAnswer::Cancel : m_changed.dequeue();
    }
    RestoreAnswer askRestore(QWidget*, const QString& title, const QString& text) override
    {
        asked.append({QStringLiteral("restore"), title, text});
        return m_restores.isEmpty() ? RestoreAnswer::Later : m_restores.dequeue();
    }
    bool choosePrinter(QWidget*, QPrinter& printer, bool& blackOnWhite) override
    {
        asked.append({QStringLiteral("print"), QString(), printer.docName()});
        return setUpPrinter(printer, blackOnWhite);
    }
    void previewPrint(QWidget*, QPrinter& printer, bool& blackOnWhite,
                      const PrintPages& paint) override
    {
        asked.append({QStringLiteral("preview"), QString(), printer.docName()});
        if (setUpPrinter(printer, blackOnWhite))
            paint(printer, blackOnWhite);
    }
    void message(QWidget*, Icon icon, const QString& title, const QString& text) override
    {
        asked.append({QStringLiteral("message"), title, text, icon});
    }

private:
    bool setUpPrinter(QPrinter& printer, bool& blackOnWhite)
    {
        if (m_prints.isEmpty())
            return false;
        const auto [setup, black] = m_prints.dequeue();
        setup(printer);
        blackOnWhite = black;
        return true;
    }
    QString ask(const char* kind, const QString& title, const QString& text)
    {
        asked.append({QString::fromLatin1(kind), title, text});
        return m_answers.isEmpty() ? QString() : m_answers.dequeue();
    }

    QQueue<QString> m_answers;
    QQueue<QColor> m_colours;
    QQueue<int> m_filters;
    QQueue<Answer> m_questions;
    QQueue<ChangedAnswer> m_changed;
    QQueue<RestoreAnswer> m_restores;
    QQueue<QPair<std::function<void(QPrinter&)>, bool>> m_prints;
};

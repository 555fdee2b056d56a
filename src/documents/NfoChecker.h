#pragma once

#include "DocumentFormat.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// What in an NFO file viewers would show wrongly, found before it is released: each finding
// with its place (line and column, 1-based, lines counted by LineEnd's rule, columns in
// characters), its kind, and a message that says what goes wrong. The kinds with a safe fix
// give it as edits of the display text, or as a new trailer for the SAUCE file size.
class NfoChecker
{
    Q_DECLARE_TR_FUNCTIONS(NfoChecker)

public:
    enum class Kind
    {
        WideLine,
        Tab,
        Nul,
        CtrlZ,
        ByteOrderMark,
        Replacement,
        Punctuation,
        MixedLineEnds,
        NoFinalLineEnd,
        TrailingBlanks,
        SauceFileSize,
        SauceDamaged,
        BrokenAddress,
    };
    static constexpr int DefaultWidth = 80;
    static constexpr int TabWidth = 8;

    struct Finding
    {
        int line = 0;
        int column = 0;
        Kind kind = Kind::WideLine;
        QString message;
        qsizetype start = 0;  // the place in the display text
        qsizetype length = 0; // 0 for a place between characters
    };
    // Replaces `length` characters of the display text at `start` with `text`.
    struct Edit
    {
        qsizetype start = 0;
        qsizetype length = 0;
        QString text;
    };

    explicit NfoChecker(int width = DefaultWidth);

    // A file's bytes, read as the window reads them.
    QList<Finding> check(const QByteArray& fileBytes) const;
    // A document's text and trailer; `contentSize` is the size of the bytes before the trailer.
    QList<Finding> check(const DocumentFormat::Opened& opened, qint64 contentSize) const;

    // "wide-line", "tab", ...: the kind's name for scripts.
    static QString kindName(Kind kind);
    // True when the kind has a safe fix for this text: trailing blanks are part of ANSI art.
    static bool hasFix(Kind kind, const QString& display);
    // What the fix does, as a menu item says it: "Remove trailing blanks".
    static QString fixName(Kind kind);
    // The edits that fix every finding of a kind, last first, so that each applies to the text
    // the ones before left; none for the SAUCE kinds and the kinds without a fix.
    static QList<Edit> fix(Kind kind, const QString& display, const FileEncoding& encoding);
    static QString applied(QString display, const QList<Edit>& edits);
    // The trailer with the size of the text corrected.
    static QByteArray fixedTrailer(const QByteArray& trailer, qint64 contentSize);
    // True when the text draws with ANSI escape sequences (ESC [).
    static bool isAnsi(const QString& display);

private:
    struct Pass;
    void checkLines(Pass& pass) const;
    static void checkCharacter(Pass& pass, qsizetype at);
    static void checkLineEnds(Pass& pass);
    static void checkEnd(Pass& pass);
    static void checkTrailer(Pass& pass, qint64 contentSize);
    static void checkAddresses(Pass& pass);
    static void checkPunctuation(Pass& pass);
    static int majorityLineEnd(const QString& display);

    int m_width;
};

#include "FindBar.h"

#include "DocumentEditor.h"
#include "NfoDocument.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* name, const QString& caption)
{
    auto* key = named(new QPushButton(caption), name);
    key->setAutoDefault(false);
    key->setFocusPolicy(Qt::NoFocus);
    return key;
}

} // namespace

FindBar::FindBar(DocumentEditor* editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("findbar"));
    txtfind = named(new QLineEdit, "txtfind");
    txtfind->setPlaceholderText(tr("Find"));
    txtfind->setAccessibleName(tr("Find"));
    chkcase = named(new QCheckBox(tr("Match case")), "chkcase");
    lblcount = named(new QLabel, "lblcount");
    cmdprevious = button("cmdprevious", tr("Previous"));
    cmdnext = button("cmdnext", tr("Next"));
    cmdclose = button("cmdclose", tr("Close"));
    txtreplace = named(new QLineEdit, "txtreplace");
    txtreplace->setPlaceholderText(tr("Replace with"));
    txtreplace->setAccessibleName(tr("Replace with"));
    cmdreplace = button("cmdreplace", tr("Replace"));
    cmdreplaceall = button("cmdreplaceall", tr("Replace All"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(txtfind, 0, 0);
    grid->addWidget(chkcase, 0, 1);
    grid->addWidget(lblcount, 0, 2);
    grid->addWidget(cmdprevious, 0, 3);
    grid->addWidget(cmdnext, 0, 4);
    grid->addWidget(cmdclose, 0, 5);
    grid->addWidget(txtreplace, 1, 0);
    grid->addWidget(cmdreplace, 1, 3);
    grid->addWidget(cmdreplaceall, 1, 4);
    grid->setColumnStretch(0, 1);

    connect(txtfind, &QLineEdit::textChanged, this, [this] {
        m_stale = true;
        search();
        // As the user types, the match at or after the caret's start is the one selected.
        const int from = m_editor->textCursor().selectionStart();
        const auto next = std::lower_bound(m_matches.cbegin(), m_matches.cend(), from);
        select(next == m_matches.cend() ? 0 : static_cast<int>(next - m_matches.cbegin()));
    });
    connect(chkcase, &QCheckBox::toggled, this, [this] {
        m_stale = true;
        findNext();
    });
    connect(cmdnext, &QPushButton::clicked, this, &FindBar::findNext);
    connect(cmdprevious, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(cmdclose, &QPushButton::clicked, this, &FindBar::close);
    connect(cmdreplace, &QPushButton::clicked, this, &FindBar::replace);
    connect(cmdreplaceall, &QPushButton::clicked, this, &FindBar::replaceAll);
    // An edit moves the matches: they are found again once the edits pause.
    m_research.setSingleShot(true);
    m_research.setInterval(150);
    connect(&m_research, &QTimer::timeout, this, &FindBar::search);
    // A new content drops the matches of the old one at once.
    connect(&editor->nfoDocument(), &NfoDocument::reset, this, [this] {
        m_matches.clear();
        m_current = -1;
        m_stale = true;
        if (!isHidden())
            search();
    });
    connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
        m_stale = true;
        if (!isHidden())
            m_research.start();
    });
    txtfind->installEventFilter(this);
    txtreplace->installEventFilter(this);
    hide();
}

void FindBar::open(bool replacing)
{
    txtreplace->setVisible(replacing);
    cmdreplace->setVisible(replacing);
    cmdreplaceall->setVisible(replacing);
    show();
    // A selection in one line is what the user wants to find.
    const QString selected = m_editor->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar(QChar::ParagraphSeparator)))
        txtfind->setText(selected);
    txtfind->setFocus();
    txtfind->selectAll();
    m_stale = true;
    search();
}

void FindBar::close()
{
    hide();
    m_editor->setSearchHighlights({}, 0);
    m_editor->setFocus();
}

void FindBar::search()
{
    // One pass over the widget's own text with a plain string search: linear in the document
    // and fast on the largest ones. A match never spans a line end, which the text holds as
    // one character of its own.
    if (!m_stale)
        return;
    m_stale = false;
    m_matches.clear();
    const QString needle = txtfind->text();
    if (!needle.isEmpty() && !isHidden()) {
        const Qt::CaseSensitivity sensitivity =
            chkcase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
        const QString text = m_editor->document()->toRawText();
        for (qsizetype at = text.indexOf(needle, 0, sensitivity); at >= 0;
             at = text.indexOf(needle, at + needle.size(), sensitivity))
            m_matches.append(static_cast<int>(at));
    }
    m_editor->setSearchHighlights(m_matches, static_cast<int>(needle.size()));
    m_current = -1;
    showCount();
}

void FindBar::select(int index)
{
    if (m_matches.isEmpty()) {
        m_current = -1;
        showCount();
        return;
    }
    const int count = static_cast<int>(m_matches.size());
    m_current = (index % count + count) % count;
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(m_matches.at(m_current));
    cursor.setPosition(m_matches.at(m_current) + static_cast<int>(txtfind->text().size()),
                       QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    m_editor->centerCursor();
    showCount();
}

void FindBar::findNext()
{
    if (isHidden()) {
        open(false);
        return;
    }
    search();
    const int from = m_editor->textCursor().selectionEnd();
    const auto next = std::lower_bound(m_matches.cbegin(), m_matches.cend(), from);
    // Past the last match it wraps round to the first.
    select(next == m_matches.cend() ? 0 : static_cast<int>(next - m_matches.cbegin()));
}

void FindBar::findPrevious()
{
    if (isHidden()) {
        open(false);
        return;
    }
    search();
    const int before = m_editor->textCursor().selectionStart();
    const auto next = std::lower_bound(m_matches.cbegin(), m_matches.cend(), before);
    select(static_cast<int>(next - m_matches.cbegin()) - 1);
}

void FindBar::showCount()
{
    if (txtfind->text().isEmpty())
        lblcount->clear();
    else if (m_matches.isEmpty())
        lblcount->setText(tr("No matches"));
    else if (m_current < 0)
        lblcount->setText(tr("%1 matches").arg(m_matches.size()));
    else
        lblcount->setText(tr("%1 of %2").arg(m_current + 1).arg(m_matches.size()));
}

bool FindBar::currentIsMatch() const
{
    const QTextCursor cursor = m_editor->textCursor();
    const Qt::CaseSensitivity sensitivity =
        chkcase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return cursor.hasSelection() &&
           cursor.selectedText().compare(txtfind->text(), sensitivity) == 0;
}

void FindBar::replace()
{
    if (txtfind->text().isEmpty() || m_editor->nfoDocument().refuses(txtreplace->text()))
        return;
    if (currentIsMatch())
        m_editor->textCursor().insertText(txtreplace->text());
    m_stale = true;
    findNext();
}

void FindBar::replaceAll()
{
    NfoDocument& document = m_editor->nfoDocument();
    const QString needle = txtfind->text();
    if (needle.isEmpty() || document.refuses(txtreplace->text()))
        return;
    m_stale = true;
    search();
    const auto replaced = m_matches.size();
    if (replaced > 0)
        replaceEveryMatch(document, needle.size());
    m_stale = true;
    search();
    lblcount->setText(tr("%1 replaced").arg(replaced));
}

void FindBar::replaceEveryMatch(NfoDocument& document, qsizetype needleLength)
{
    // The new text is built once and set as one edit, which a single undo takes back: an edit
    // a match costs a layout a match. The display text holds a line end as one character, as
    // the text box does, so the matches stand at the same places in it.
    const QString display = document.displayText();
    const QString replacement = txtreplace->text();
    QString replaced;
    replaced.reserve(display.size() + m_matches.size() * (replacement.size() - needleLength));
    qsizetype from = 0;
    for (const int at : std::as_const(m_matches)) {
        replaced.append(QStringView(display).mid(from, at - from)).append(replacement);
        from = at + needleLength;
    }
    replaced.append(QStringView(display).mid(from));
    const int caret = m_editor->textCursor().position();
    const int scrolled = m_editor->verticalScrollBar()->value();
    // Every highlight is a cursor that each inserted line would move.
    m_editor->setSearchHighlights({}, 0);
    document.replaceText(replaced);
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(qMin(caret, m_editor->document()->characterCount() - 1));
    m_editor->setTextCursor(cursor);
    m_editor->verticalScrollBar()->setValue(scrolled);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == txtreplace)
                replace();
            else if (key->modifiers() & Qt::ShiftModifier)
                findPrevious();
            else
                findNext();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

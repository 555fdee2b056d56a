#include "CheckPanel.h"

#include "DocumentEditor.h"
#include "NfoDocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

CheckPanel::CheckPanel(NfoDocument& document, DocumentEditor* editor, QWidget* parent)
    : QWidget(parent), lblfindings(new QLabel(tr("F&indings:"))), lstfindings(new QListWidget),
      cmdfix(new QPushButton(tr("Fi&x"))), cmdclose(new QPushButton(tr("Close"))),
      m_document(document), m_editor(editor)
{
    setObjectName(QStringLiteral("checkpanel"));
    lblfindings->setObjectName(QStringLiteral("lblfindings"));
    lstfindings->setObjectName(QStringLiteral("lstfindings"));
    cmdfix->setObjectName(QStringLiteral("cmdfix"));
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    lblfindings->setBuddy(lstfindings);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblfindings, 1);
    buttons->addWidget(cmdfix);
    buttons->addWidget(cmdclose);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 2, 6, 2);
    column->addLayout(buttons);
    column->addWidget(lstfindings);
    lstfindings->setMaximumHeight(fontMetrics().height() * 8);
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(RecheckDelayMs);
    connect(&m_recheck, &QTimer::timeout, this, &CheckPanel::check);
    connect(document.textDocument(), &QTextDocument::contentsChanged, this,
            &CheckPanel::recheckLater);
    connect(&document, &NfoDocument::trailerChanged, this, &CheckPanel::recheckLater);
    connect(&document, &NfoDocument::reset, this, &CheckPanel::recheckLater);
    connect(lstfindings, &QListWidget::currentRowChanged, this, &CheckPanel::showFix);
    connect(lstfindings, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(lstfindings->row(item)); });
    connect(lstfindings, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(lstfindings->row(item)); });
    connect(cmdfix, &QPushButton::clicked, this, [this] {
        const int row = lstfindings->currentRow();
        if (row >= 0 && row < m_findings.size())
            fix(m_findings.at(row).kind);
    });
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void CheckPanel::open()
{
    show();
    check();
    lstfindings->setFocus();
}

void CheckPanel::check()
{
    m_recheck.stop();
    const DocumentFormat::Opened opened{m_document.encoding(), m_document.displayText(),
                                        m_document.trailer()};
    m_findings = NfoChecker().check(opened, contentSize());
    const int row = lstfindings->currentRow();
    lstfindings->clear();
    for (const NfoChecker::Finding& finding : m_findings)
        lstfindings->addItem(
            tr("%1:%2: %3").arg(finding.line).arg(finding.column).arg(finding.message));
    if (m_findings.isEmpty())
        lstfindings->addItem(tr("Nothing found: viewers show this text as it is meant."));
    lstfindings->setCurrentRow(qBound(0, row, int(m_findings.size()) - 1));
    showFix(lstfindings->currentRow());
}

void CheckPanel::fix(NfoChecker::Kind kind)
{
    if (kind == NfoChecker::Kind::SauceFileSize) {
        m_document.setTrailer(NfoChecker::fixedTrailer(m_document.trailer(), contentSize()));
    } else {
        const QList<NfoChecker::Edit> edits =
            NfoChecker::fix(kind, m_document.displayText(), m_document.encoding());
        QTextCursor cursor(m_document.textDocument());
        cursor.beginEditBlock();
        for (const NfoChecker::Edit& edit : edits) {
            cursor.setPosition(int(edit.start));
            cursor.setPosition(int(edit.start + edit.length), QTextCursor::KeepAnchor);
            if (edit.text.isEmpty())
                cursor.removeSelectedText();
            else
                m_document.insert(cursor, edit.text);
        }
        cursor.endEditBlock();
    }
    check();
}

void CheckPanel::choose(int row)
{
    if (row < 0 || row >= m_findings.size())
        return;
    const NfoChecker::Finding& finding = m_findings.at(row);
    QTextCursor cursor(m_document.textDocument());
    cursor.setPosition(int(finding.start));
    cursor.setPosition(int(finding.start + finding.length), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    m_editor->setFocus();
}

void CheckPanel::showFix(int row)
{
    const bool found = row >= 0 && row < m_findings.size();
    const NfoChecker::Kind kind = found ? m_findings.at(row).kind : NfoChecker::Kind::Tab;
    const bool fixable = found && NfoChecker::hasFix(kind, m_document.displayText());
    cmdfix->setEnabled(fixable);
    cmdfix->setText(fixable ? NfoChecker::fixName(kind) : tr("Fi&x"));
}

void CheckPanel::recheckLater()
{
    if (isVisible())
        m_recheck.start();
}

qint64 CheckPanel::contentSize() const
{
    // The bytes are made only when there is a record to compare them with.
    if (m_document.trailer().isEmpty())
        return 0;
    return m_document.bytes().size() - m_document.trailer().size();
}

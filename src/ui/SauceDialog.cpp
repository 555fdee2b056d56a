#include "SauceDialog.h"

#include "NfoDocument.h"
#include "documents/DocumentCodec.h"
#include "documents/SauceRecord.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The fonts SAUCE names for character art, as drawing programs write them.
const QStringList kFonts = {QStringLiteral("IBM VGA"),       QStringLiteral("IBM VGA50"),
                            QStringLiteral("IBM VGA25G"),    QStringLiteral("IBM EGA"),
                            QStringLiteral("IBM EGA43"),     QStringLiteral("Amiga Topaz 1"),
                            QStringLiteral("Amiga Topaz 2"), QStringLiteral("Amiga MicroKnight"),
                            QStringLiteral("Amiga mOsOul")};

QLineEdit* lineEdit(const char* name, int maxLength)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

SauceDialog::SauceDialog(NfoDocument& document, const QString& today, QWidget* parent)
    : QDialog(parent), txttitle(lineEdit("txttitle", SauceTrailer::TitleSize)),
      txtauthor(lineEdit("txtauthor", SauceTrailer::NameSize)),
      txtgroup(lineEdit("txtgroup", SauceTrailer::NameSize)), txtdate(lineEdit("txtdate", 8)),
      txtcomments(new QPlainTextEdit), spnwidth(new QSpinBox), cbofont(new QComboBox),
      lblproblem(new QLabel), cmdok(new QPushButton(tr("OK"))),
      cmdremove(new QPushButton(tr("&Remove Record"))), m_document(document)
{
    setObjectName(QStringLiteral("saucedialog"));
    setWindowTitle(tr("Properties"));
    setAttribute(Qt::WA_DeleteOnClose);
    txtcomments->setObjectName(QStringLiteral("txtcomments"));
    spnwidth->setObjectName(QStringLiteral("spnwidth"));
    cbofont->setObjectName(QStringLiteral("cbofont"));
    lblproblem->setObjectName(QStringLiteral("lblproblem"));
    cmdremove->setObjectName(QStringLiteral("cmdremove"));
    txtdate->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,8}")), txtdate));
    spnwidth->setRange(0, 0xFFFF);
    spnwidth->setSpecialValueText(tr("not given"));
    cbofont->setEditable(true);
    cbofont->addItems(kFonts);
    cbofont->lineEdit()->setMaxLength(SauceTrailer::FontSize);
    txtcomments->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* form = new QFormLayout;
    form->addRow(tr("&Title:"), txttitle);
    form->addRow(tr("&Author:"), txtauthor);
    form->addRow(tr("&Group:"), txtgroup);
    form->addRow(tr("&Date (CCYYMMDD):"), txtdate);
    form->addRow(tr("&Width in characters:"), spnwidth);
    form->addRow(tr("&Font:"), cbofont);
    form->addRow(tr("&Comments, one a line:"), txtcomments);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setDefault(true);
    buttons->addButton(cmdok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdremove, QDialogButtonBox::DestructiveRole);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(lblproblem);
    column->addWidget(buttons);
    lblproblem->hide();
    connect(buttons, &QDialogButtonBox::accepted, this, &SauceDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdremove, &QPushButton::clicked, this, &SauceDialog::removeRecord);
    const auto record = SauceRecord::read(document.trailer());
    const bool hasRecord = record.has_value();
    cmdremove->setEnabled(hasRecord);
    // A damaged record shows the fields it still holds, and says so.
    if (record && record->damaged) {
        lblproblem->setText(tr("The record is damaged: these are the fields it still holds."));
        lblproblem->show();
    }
    SauceTrailer::Fields fields = SauceTrailer::fieldsOf(document.trailer());
    // A new record describes an NFO as most are: 80 columns in the VGA font, made today.
    if (!hasRecord) {
        fields.date = today;
        fields.width = 80;
        fields.font = kFonts.first();
    }
    fill(fields);
}

void SauceDialog::fill(const SauceTrailer::Fields& fields)
{
    txttitle->setText(fields.title);
    txtauthor->setText(fields.author);
    txtgroup->setText(fields.group);
    txtdate->setText(fields.date);
    txtcomments->setPlainText(fields.comments.join(QLatin1Char('\n')));
    spnwidth->setValue(fields.width);
    cbofont->setCurrentText(fields.font);
}

SauceTrailer::Fields SauceDialog::fields() const
{
    SauceTrailer::Fields fields;
    fields.title = txttitle->text();
    fields.author = txtauthor->text();
    fields.group = txtgroup->text();
    fields.date = txtdate->text();
    const QString comments = txtcomments->toPlainText();
    if (!comments.isEmpty())
        fields.comments = comments.split(QLatin1Char('\n'));
    // An Enter after the last comment adds no empty one.
    while (!fields.comments.isEmpty() && fields.comments.last().isEmpty())
        fields.comments.removeLast();
    fields.width = spnwidth->value();
    fields.font = cbofont->currentText();
    return fields;
}

QString SauceDialog::problem() const
{
    const SauceTrailer::Fields given = fields();
    if (!given.date.isEmpty() && given.date.size() != 8)
        return tr("The date needs eight digits: year, month and day, such as 20261207.");
    if (given.comments.size() > SauceTrailer::MaxComments)
        return tr("A SAUCE record holds at most %1 comment lines.").arg(SauceTrailer::MaxComments);
    for (const QString& line : given.comments) {
        if (line.size() > SauceTrailer::CommentSize)
            return tr("A comment line holds at most %1 characters.").arg(SauceTrailer::CommentSize);
    }
    const QString all = QStringList{given.title, given.author, given.group, given.font,
                                    given.comments.join(QLatin1Char(' '))}
                            .join(QLatin1Char(' '));
    const int refused = DocumentCodec::firstUnencodable(all);
    if (refused >= 0)
        return tr("Code page 437 has no \"%1\": a SAUCE record cannot hold it.")
            .arg(all.at(refused));
    return QString();
}

void SauceDialog::save()
{
    const QString wrong = problem();
    if (!wrong.isEmpty()) {
        lblproblem->setText(wrong);
        lblproblem->show();
        return;
    }
    const QByteArray old = m_document.trailer();
    const qint64 contentSize = m_document.bytes().size() - old.size();
    m_document.setTrailer(
        SauceTrailer::write(fields(), quint32(qMax<qint64>(0, contentSize)), old));
    accept();
}

void SauceDialog::removeRecord()
{
    m_document.setTrailer(QByteArray());
    accept();
}

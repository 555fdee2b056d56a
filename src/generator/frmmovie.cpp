#include "frmmovie.h"

#include "FileSizeRounding.h"
#include "FocusHighlight.h"
#include "MaskEdBox.h"
#include "MediaProbe.h"
#include "SubstitutionTables.h"
#include "TemplateEngine.h"
#include "documents/DocumentCodec.h"
#include "documents/NfoFile.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "settings/Config.h"
#include "ui/DesignedControl.h"
#include "ui/DesignedScale.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/NfoDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The form's client area: 7095 x 6210 twips; the preview stands to its right. Laid out for the
// small dialog font.
constexpr QSize kClientSize(473, 414);
constexpr int kPreviewGap = 6;
constexpr double kDesignedPoints = 8.25;
constexpr int kCaptionGap = 4;
// The width of an NFO, which the preview shows whole; it narrows to no less than the second
// number when the screen has no room for more.
constexpr int kPreviewColumns = 80;
constexpr int kPreviewMinimumColumns = 40;

const char* const kTemplateCaption = QT_TRANSLATE_NOOP("frmmovie", "Template…");

// The designed places are in twips over the whole tab control, its tabs included; a page
// starts below the tabs. A larger desktop font grows them by the scale.
class Placer
{
public:
    Placer(QWidget* page, QPoint pageOffset, const DesignedScale& scale)
        : m_page(page), m_offset(pageOffset), m_scale(scale)
    {
    }

    QRect place(int left, int top, int width, int height = 285) const
    {
        return m_scale.rect(QRect(left / 15, top / 15, width / 15, height / 15))
            .translated(-m_offset);
    }

    template <class Widget> Widget* add(Widget* widget, const char* name, const QRect& rect) const
    {
        return DesignedControl::place(widget, m_page, name, rect);
    }

    QLineEdit* box(const char* name, int left, int top, int width) const
    {
        return add(new QLineEdit, name, place(left, top, width));
    }

    MaskEdBox* mask(const char* name, const char* mask, int left, int top, int width) const
    {
        return add(new MaskEdBox(QString::fromLatin1(mask)), name, place(left, top, width));
    }

    QPlainTextEdit* memo(const char* name, const QRect& rect, bool scrollBar) const
    {
        auto* edit = add(new QPlainTextEdit, name, rect);
        edit->setTabChangesFocus(true);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
        return edit;
    }

    QPushButton* button(const char* name, const QString& caption, const QRect& rect) const
    {
        auto* button = add(new QPushButton(caption), name, rect);
        button->setAutoDefault(false);
        return button;
    }

    // A label that ends just before its field, from `left` (in twips). The gap stays as
    // designed at any size: the longest captions need all the grown room.
    QLabel* labelBefore(const QString& text, int left, QWidget* field) const
    {
        const QRect f = field->geometry();
        const int x = m_scale.length(left / 15) - m_offset.x();
        QLabel* caption = label(text, QRect(x, f.top(), f.left() - kCaptionGap - x, f.height()),
                                Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(field);
        return caption;
    }

    // A label above its field, at `top` (in twips).
    QLabel* labelAbove(const QString& text, int top, QWidget* field, Qt::Alignment alignment) const
    {
        const QRect f = field->geometry();
        const int y = m_scale.length(top / 15) - m_offset.y();
        QLabel* caption = label(text, QRect(f.left(), y, f.width(), m_scale.length(17)),
                                alignment | Qt::AlignBottom);
        caption->setBuddy(field);
        return caption;
    }

    QLabel* label(const QString& text, const QRect& rect, Qt::Alignment alignment) const
    {
        auto* label = new QLabel(text, m_page);
        label->setGeometry(rect);
        label->setAlignment(alignment);
        return label;
    }

private:
    QWidget* m_page;
    QPoint m_offset;
    const DesignedScale& m_scale;
};

QPoint pageOffset(QTabWidget* tabs)
{
    const int frame = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    return QPoint(frame, tabs->tabBar()->sizeHint().height() + frame);
}

// A field's text as it shows it; a masked box with its literals and "_".
QString fieldText(const QWidget* widget)
{
    if (const auto* mask = qobject_cast<const MaskEdBox*>(widget))
        return mask->maskedText();
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->text();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return memo->document()->toRawText();
    return QString();
}

// Puts the text into the field, a masked box too.
void setFieldText(QWidget* widget, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        memo->setPlainText(text);
}

// The text the movie field holds while nothing has been typed into it.
QString emptyTextOf(const QString& field)
{
    for (const PlaceholderRule& rule : SubstitutionTables::movie()) {
        if (rule.sourceField == field)
            return rule.emptyValue;
    }
    return QString();
}

// The text box's width for that many columns of its font, frame, margins and scroll bar
// included.
int widthForColumns(const QPlainTextEdit* box, int columns)
{
    const QFontMetrics metrics(box->font());
    const int margins = 2 * (box->frameWidth() + int(box->document()->documentMargin()));
    return columns * metrics.horizontalAdvance(QLatin1Char('M')) + margins +
           box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box) + 2;
}

} // namespace

frmmovie::frmmovie(Dialogs& dialogs, QString templateDirectory, Config& config,
                   NfoDocument& document, DocumentAppearance& appearance, QWidget* parent)
    : ChildWindow(parent), m_dialogs(dialogs), m_templateDirectory(std::move(templateDirectory)),
      m_config(config), m_document(document), m_appearance(appearance),
      m_templates{QDir(m_templateDirectory).filePath(SubstitutionTables::movieTemplateFile()),
                  QDir(m_templateDirectory).filePath(SubstitutionTables::applicationTemplateFile())}
{
    setObjectName(QStringLiteral("frmmovie"));
    setWindowTitle(tr("Auto Generator"));
    auto* client = new QWidget;
    // The form was laid out for a small dialog font; a larger desktop font grows the font and
    // the places alike, so that every label still fits its place.
    const DesignedScale scale(client->font(), kDesignedPoints);
    QFont font = client->font();
    font.setPointSizeF(kDesignedPoints);
    client->setFont(scale.font(font));
    XTab1 = new QTabWidget(client);
    XTab1->setObjectName(QStringLiteral("XTab1"));
    XTab1->setGeometry(QRect(QPoint(0, 0), scale.size(kClientSize)));
    // The tabs first: where a page starts depends on the height of the tabs above it.
    auto* moviePage = new QWidget;
    auto* applicationPage = new QWidget;
    XTab1->addTab(moviePage, tr("Movie Template"));
    XTab1->addTab(applicationPage, tr("Application Template"));
    buildMovieTab(moviePage, scale);
    buildApplicationTab(applicationPage, scale);
    buildPreview(client, scale);
    setFixedClient(client, QSize(txtpreview->geometry().right() + 1, XTab1->height()));
    setMovieTabOrder();
    setApplicationTabOrder();
    highlightFields();

    connect(Command4, &QPushButton::clicked, this, &frmmovie::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { GenerateFromTemplate(MovieTab); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { GenerateFromTemplate(ApplicationTab); });
    connect(cmdtemplate, &QPushButton::clicked, this, [this] { chooseTemplate(MovieTab); });
    connect(cmdtemplate2, &QPushButton::clicked, this, [this] { chooseTemplate(ApplicationTab); });
    connect(cmdfromvideo, &QPushButton::clicked, this, &frmmovie::cmdfromvideo_Click);
    watchFields();
    updatePreview();
}

void frmmovie::buildMovieTab(QWidget* page, const DesignedScale& scale)
{
    const Placer at(page, pageOffset(XTab1), scale);
    txtupper = at.box("txtupper", 1320, 960, 1695);
    txttitle = at.box("txttitle", 4440, 960, 2295);
    txtrls = at.mask("txtrls", "##/##/####", 1320, 1320, 1695);
    txtthr = at.mask("txtthr", "##/##/####", 1320, 1680, 1695);
    txtdvd = at.mask("txtdvd", "##/##/####", 1320, 2040, 1695);
    txtrun = at.mask("txtrun", "##:##:##", 1320, 2400, 1695);
    txtlan = at.box("txtlan", 1320, 2760, 1695);
    txtlink = at.box("txtlink", 1320, 3120, 1695);
    txtrate = at.box("txtrate", 1320, 3480, 1695);
    txtvidcod = at.box("txtvidcod", 1320, 3840, 1695);
    txtres = at.box("txtres", 1320, 4200, 1695);
    txtaudcod = at.box("txtaudcod", 1320, 4560, 1695);
    txtaudbit = at.box("txtaudbit", 1320, 4920, 1695);
    txtsub = at.box("txtsub", 1320, 5280, 1695);
    txtnumber = at.box("txtnumber", 1320, 5640, 1335);
    txtsummary = at.memo("txtsummary", at.place(3480, 1680, 3375, 3975), false);

    const std::pair<QWidget*, const char*> labelled[] = {
        {txtupper, QT_TR_NOOP("Upper:")},        {txtrls, QT_TR_NOOP("Release Date:")},
        {txtthr, QT_TR_NOOP("Theater Date:")},   {txtdvd, QT_TR_NOOP("Dvd Release:")},
        {txtrun, QT_TR_NOOP("Runtime:")},        {txtlan, QT_TR_NOOP("Language:")},
        {txtlink, QT_TR_NOOP("IMDB Link:")},     {txtrate, QT_TR_NOOP("IMDB Rating:")},
        {txtvidcod, QT_TR_NOOP("Video Codec:")}, {txtres, QT_TR_NOOP("Resolution:")},
        {txtaudcod, QT_TR_NOOP("Audio Codec:")}, {txtaudbit, QT_TR_NOOP("Audio Bitrate:")},
        {txtsub, QT_TR_NOOP("Subtitles:")},      {txtnumber, QT_TR_NOOP("Size:")},
    };
    for (const auto& [field, text] : labelled)
        at.labelBefore(tr(text), 120, field);
    at.labelBefore(tr("Movie Title:"), 3120, txttitle);
    at.labelAbove(tr("Summary:"), 1425, txtsummary, Qt::AlignHCenter);
    at.label(tr("KB"), at.place(2760, 5640, 375), Qt::AlignLeft | Qt::AlignVCenter);

    Command4 = at.button("Command4", tr("Get"), at.place(120, 5640, 495, 255));
    cmdtemplate = at.button("cmdtemplate", tr(kTemplateCaption), at.place(4680, 5760, 1095, 255));
    Command2 = at.button("Command2", tr("Create"), at.place(5880, 5760, 975, 255));
    // Beside "Template…", under the summary, reaching left towards "KB" so that its caption
    // shows whole: the designed controls keep their places.
    cmdfromvideo =
        at.button("cmdfromvideo", tr("From Video\u2026"), at.place(3240, 5760, 1335, 255));
    cmdfromvideo->setToolTip(tr("Fill the empty fields from a video file: runtime, codecs, "
                                "resolution, languages, subtitles and size."));
}

void frmmovie::buildApplicationTab(QWidget* page, const DesignedScale& scale)
{
    const Placer at(page, pageOffset(XTab1), scale);
    txtapptitle = at.box("txtapptitle", 1800, 720, 1695);
    txtupper2 = at.box("txtupper2", 1800, 1080, 1695);
    txtcracker = at.box("txtcracker", 1800, 1440, 1695);
    txtrls2 = at.mask("txtrls2", "##/##/####", 1800, 1800, 1695);
    txtserial = at.box("txtserial", 5040, 720, 1695);
    txtostype = at.box("txtostype", 5040, 1080, 1695);
    txtprogtype = at.box("txtprogtype", 5040, 1440, 1695);
    txtsummary2 = at.memo("txtsummary2", at.place(480, 2520, 6255, 1575), true);
    txtinstallation = at.memo("txtinstallation", at.place(480, 4560, 6255, 975), true);

    at.labelBefore(tr("Application Title:"), 120, txtapptitle);
    at.labelBefore(tr("Upper:"), 120, txtupper2);
    at.labelBefore(tr("Cracker:"), 120, txtcracker);
    at.labelBefore(tr("Release Date:"), 120, txtrls2);
    at.labelBefore(tr("Serial Number:"), 3600, txtserial);
    at.labelBefore(tr("OS Type:"), 3600, txtostype);
    at.labelBefore(tr("Program Type:"), 3600, txtprogtype);
    at.labelAbove(tr("Summary:"), 2280, txtsummary2, Qt::AlignLeft);
    at.labelAbove(tr("Installation Instructions:"), 4320, txtinstallation, Qt::AlignLeft);

    cmdtemplate2 = at.button("cmdtemplate2", tr(kTemplateCaption), at.place(4800, 5640, 1095, 255));
    Command3 = at.button("Command3", tr("Create"), at.place(6000, 5640, 735, 255));
}

void frmmovie::buildPreview(QWidget* client, const DesignedScale& scale)
{
    // Level with the tab pages, under a caption level with the tabs.
    const int top = XTab1->tabBar()->sizeHint().height();
    const int left = XTab1->width() + scale.length(kPreviewGap);
    txtpreview = DesignedControl::place(new QPlainTextEdit, client, "txtpreview",
                                        QRect(left, top, 0, XTab1->height() - top));
    txtpreview->setReadOnly(true);
    txtpreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtpreview->setFocusPolicy(Qt::ClickFocus);
    txtpreview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    styleLikeDocument();
    txtpreview->resize(widthForColumns(txtpreview, kPreviewColumns), txtpreview->height());
    lblpreview = DesignedControl::place(new QLabel(tr("Preview")), client, "lblpreview",
                                        QRect(left, 0, scale.length(120), top));
    lblpreview->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void frmmovie::setMovieTabOrder()
{
    const QList<QWidget*> order = {txtupper,   txtrls,    txtthr,      txtdvd,    txtrun,
                                   txtlan,     txtlink,   txtrate,     txtvidcod, txtres,
                                   txtaudcod,  txtaudbit, txtsub,      txtnumber, txttitle,
                                   txtsummary, Command2,  cmdtemplate, Command4};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
    // "From Video…" after "Template…", before "Get".
    setTabOrder(cmdtemplate, cmdfromvideo);
}

void frmmovie::setApplicationTabOrder()
{
    const QList<QWidget*> order = {txtapptitle,     txtupper2, txtcracker,  txtrls2,
                                   txtserial,       txtostype, txtprogtype, txtsummary2,
                                   txtinstallation, Command3,  cmdtemplate2};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

void frmmovie::highlightFields()
{
    for (const Tab tab : {MovieTab, ApplicationTab}) {
        for (const PlaceholderRule& rule : rulesOf(tab))
            FocusHighlight::install(findChild<QWidget*>(rule.sourceField));
    }
}

void frmmovie::watchFields()
{
    for (const Tab tab : {MovieTab, ApplicationTab}) {
        for (const PlaceholderRule& rule : rulesOf(tab)) {
            auto* field = findChild<QWidget*>(rule.sourceField);
            if (auto* line = qobject_cast<QLineEdit*>(field))
                connect(line, &QLineEdit::textChanged, this, &frmmovie::updatePreview);
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
                connect(memo, &QPlainTextEdit::textChanged, this, &frmmovie::updatePreview);
        }
    }
    connect(XTab1, &QTabWidget::currentChanged, this, &frmmovie::updatePreview);
    // Back in the form after the font, the colours, the link option or a template changed.
    connect(&m_appearance, &DocumentAppearance::changed, this, &frmmovie::styleLikeDocument);
    connect(&m_config, &Config::changed, this, &frmmovie::updatePreview);
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] {
        styleLikeDocument();
        updatePreview();
    });
}

const QList<PlaceholderRule>& frmmovie::rulesOf(Tab tab)
{
    return tab == MovieTab ? SubstitutionTables::movie() : SubstitutionTables::application();
}

frmmovie::Generated frmmovie::generate(Tab tab) const
{
    const QString path = m_templates.at(tab);
    const NfoFile::Contents file = NfoFile::read(path);
    if (file.status != NfoFile::Status::Read)
        return {{}, Messages::TemplateNotFound + QLatin1Char('\n') + path, {}, nullptr, -1};
    TemplateEngine::Fields fields;
    for (const PlaceholderRule& rule : rulesOf(tab)) {
        auto* widget = findChild<QWidget*>(rule.sourceField);
        const QString text = fieldText(widget);
        TemplateEngine::Field field;
        const QString refused = TemplateEngine::readField(text, field);
        if (!refused.isEmpty())
            return {{},
                    Messages::fieldNotGenerated(fieldCaption(widget), refused),
                    refused,
                    widget,
                    DocumentCodec::firstUnencodable(text)};
        fields.insert(rule.sourceField, field);
    }
    // Only a stored "yes" adds the credit footer; nothing stored adds none.
    const Stored<bool> allowed = m_config.linkAllowed();
    const bool link = allowed.isPresent() && allowed.value;
    return {TemplateEngine::generate(file.bytes, rulesOf(tab), fields, link), {}, {}, nullptr, -1};
}

QString frmmovie::fieldCaption(const QWidget* field) const
{
    for (const QLabel* label : findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            QString caption = label->text();
            if (caption.endsWith(QLatin1Char(':')))
                caption.chop(1);
            return caption;
        }
    }
    return field->objectName();
}

void frmmovie::focusField(QWidget* field, int position)
{
    for (int tab = 0; tab < XTab1->count(); ++tab) {
        if (XTab1->widget(tab)->isAncestorOf(field))
            XTab1->setCurrentIndex(tab);
    }
    field->setFocus();
    // The character without a code is selected, so that typing replaces it.
    const int length = position >= 0 && fieldText(field).at(position).isHighSurrogate() ? 2 : 1;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setSelection(position, length);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
}

void frmmovie::Command4_Click()
{
    const QString path = m_dialogs.openFileName(this, tr("Get File Size"), tr("all files *|*"));
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    if (!file.isFile()) {
        m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          Messages::FileNotFound);
        return;
    }
    txtnumber->setText(QString::number(FileSizeRounding::thousands(file.size())));
}

void frmmovie::chooseTemplate(Tab tab)
{
    const QString path = m_dialogs.openFileName(this, tr("Choose a Template"),
                                                tr("nfo file (*.nfo)|*.nfo|all files *|*"));
    if (path.isEmpty())
        return;
    // Any template will do: the tab fills the placeholders it knows and keeps the rest.
    if (NfoFile::read(path).status != NfoFile::Status::Read) {
        m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          Messages::TemplateNotFound + QLatin1Char('\n') + path);
        return;
    }
    m_templates[tab] = path;
    (tab == MovieTab ? cmdtemplate : cmdtemplate2)->setToolTip(path);
    updatePreview();
}

void frmmovie::cmdfromvideo_Click()
{
    const QString path = m_dialogs.openFileName(
        this, tr("Fill From a Video"),
        tr("video files") +
            QStringLiteral("|*.mkv *.mp4 *.m4v *.avi *.mov *.ts *.m2ts *.webm *.wmv *.mpg|") +
            tr("all files *") + QStringLiteral("|*"));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    const MediaProbe::Result media = MediaProbe::read(path);
    if (media.status != MediaProbe::Status::Read) {
        m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          MediaProbe::message(media.status, name));
        return;
    }
    QStringList filled;
    QStringList kept;
    for (const auto& [fieldName, value] : media.facts.byField()) {
        QWidget* field = findChild<QWidget*>(fieldName);
        const bool empty = fieldText(field) == emptyTextOf(fieldName);
        if (empty)
            setFieldText(field, value);
        (empty ? filled : kept).append(fieldCaption(field));
    }
    Q_EMIT statusMessage(fillReport(name, filled, kept));
}

QString frmmovie::fillReport(const QString& file, const QStringList& filled,
                             const QStringList& kept)
{
    const QString separator = QStringLiteral(", ");
    QString report = filled.isEmpty() ? tr("Nothing filled from %1.").arg(file)
                                      : tr("Filled from %1: %2.").arg(file, filled.join(separator));
    if (!kept.isEmpty())
        report += QLatin1Char(' ') + tr("Kept as typed: %1.").arg(kept.join(separator));
    return report;
}

void frmmovie::GenerateFromTemplate(Tab tab)
{
    const Generated generated = generate(tab);
    if (!generated.message.isEmpty()) {
        m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title, generated.message);
        if (generated.field)
            focusField(generated.field, generated.position);
        return;
    }
    if (m_mayReplace && !m_mayReplace())
        return;
    // The templates are code page 437; the document takes their characters in its own
    // encoding, or refuses them all. The result is one edit, which undo takes back. It is new
    // work that belongs to no file: untitled and unsaved, whatever undo and redo do after.
    const QString refused = m_document.replaceText(DocumentCodec::toDisplay(generated.bytes));
    if (!refused.isEmpty()) {
        m_dialogs.message(
            this, Dialogs::Icon::Exclamation, ProductInfo::Title,
            Messages::notGenerated(refused, TextEncoding::description(m_document.encoding().kind)));
        return;
    }
    m_document.setFilePath(QString());
    m_document.setStamp(std::nullopt);
    m_document.markUnsaved();
    close();
}

void frmmovie::updatePreview()
{
    const Generated generated = generate(static_cast<Tab>(XTab1->currentIndex()));
    QString text = DocumentCodec::toDisplay(generated.bytes);
    if (generated.field)
        text = Messages::fieldNotGenerated(fieldCaption(generated.field), generated.refused,
                                           QString());
    else if (!generated.message.isEmpty())
        text = generated.message;
    if (text == m_previewText)
        return;
    m_previewText = text;
    // The part of the NFO the user looks at stays in view while the text changes.
    const int top = txtpreview->verticalScrollBar()->value();
    const int left = txtpreview->horizontalScrollBar()->value();
    txtpreview->setPlainText(text);
    txtpreview->verticalScrollBar()->setValue(top);
    txtpreview->horizontalScrollBar()->setValue(left);
}

void frmmovie::styleLikeDocument()
{
    // The document's font at 100 %, drawn as the document draws it, in its colours.
    m_appearance.style(*txtpreview, 100);
}

void frmmovie::showEvent(QShowEvent* event)
{
    ChildWindow::showEvent(event);
    // Once: a window shown again (the main window restored) keeps the size the user left.
    if (!m_fitted)
        fitIntoWorkArea();
    m_fitted = true;
}

void frmmovie::fitIntoWorkArea()
{
    const QWidget* area = parentWidget();
    QWidget* top = window();
    if (!area || top == this)
        return;
    // The form opens at the work area's left edge. The main window grows first where the
    // screen has room, then the preview narrows; the window scrolls what still does not fit.
    QSize shortfall = fixedClientSize().grownBy(contentsMargins()) - area->size();
    if (shortfall.width() <= 0 && shortfall.height() <= 0)
        return;
    const bool resizable = !(top->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (resizable && top->screen()) {
        const QRect free = top->screen()->availableGeometry();
        const QRect frame = top->frameGeometry();
        const QSize growth(qBound(0, free.right() - frame.right(), shortfall.width()),
                           qBound(0, free.bottom() - frame.bottom(), shortfall.height()));
        top->resize(top->size() + growth);
        shortfall -= growth;
    }
    const int narrowest = widthForColumns(txtpreview, kPreviewMinimumColumns);
    const int narrowing = qMin(shortfall.width(), txtpreview->width() - narrowest);
    if (narrowing <= 0)
        return;
    txtpreview->resize(txtpreview->width() - narrowing, txtpreview->height());
    setFixedClientSize(QSize(txtpreview->geometry().right() + 1, XTab1->height()));
}

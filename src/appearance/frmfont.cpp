#include "frmfont.h"

#include "product/ProductInfo.h"
#include "settings/Config.h"
#include "settings/FontSizes.h"
#include "ui/DesignedControl.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// A list with an edit field: the user may choose or type. Typed text is not added to the list.
QComboBox* addComboBox(QWidget* parent, const char* name, const QRect& place)
{
    auto* box = DesignedControl::place(new QComboBox, parent, name, place);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// Face names are often wider than the box: the open list is as wide as the widest name and cuts
// none of them.
void showWholeNames(QComboBox* box)
{
    QAbstractItemView* list = box->view();
    list->setTextElideMode(Qt::ElideNone);
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(box->itemText(i)));
    // The item's own margins and the list's scroll bar come on top of the text.
    const int margins = 4 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list);
    list->setMinimumWidth(widest + margins + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list));
}

// The position of the font's face in the list: the face it names, else the face the system draws
// for it (a face such as "Terminal" may be a substitute's name); -1 when the list holds neither.
int faceIndex(const QComboBox* box, const QFont& font)
{
    const int named = box->findText(font.family(), Qt::MatchFixedString);
    return named >= 0 ? named : box->findText(QFontInfo(font).family(), Qt::MatchFixedString);
}

// The font's size as the size box shows it: the points it was given, or, for a font given in
// pixels, the points it is drawn at.
QString sizeText(const QFont& font)
{
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return QString::number(points);
}

QFont previewFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    return font;
}

} // namespace

frmfont::frmfont(Dialogs& dialogs, Config& config, DocumentAppearance& appearance, QWidget* parent)
    : ChildWindow(parent), m_dialogs(dialogs), m_config(config), m_appearance(appearance)
{
    setObjectName(QStringLiteral("frmfont"));
    setWindowTitle(tr("Font Chooser"));
    auto* client = new QWidget;
    buildControls(client);
    // Designed at 3030 x 2235 twips.
    setFixedClient(client, QSize(202, 149), Scaling::FollowFont);

    // Every face in the platform's own order, unsorted. The window opens on the document's face
    // and size, so that choosing only a size keeps the face; the first face stands in for a
    // face the list does not hold.
    cbofonts->addItems(QFontDatabase::families());
    showWholeNames(cbofonts);
    // The font at 100 %: the zoom is a view of it, never what is stored.
    const QFont current = m_appearance.font();
    cbofonts->setCurrentIndex(qMax(0, faceIndex(cbofonts, current)));
    FillSizeList();
    const QString size = sizeText(current);
    cbofontsize->setCurrentIndex(cbofontsize->findText(size));
    cbofontsize->setEditText(size);
    cbofontsize_Click();
    connectControls();
}

void frmfont::buildControls(QWidget* client)
{
    // Places are the designed twips divided by 15.
    lblfont = DesignedControl::place(new QLabel(tr("Font:")), client, "lblfont", {8, 8, 57, 17});
    cbofonts = addComboBox(client, "cbofonts", {8, 24, 113, 21});
    Label2 =
        DesignedControl::place(new QLabel(tr("Font Size:")), client, "Label2", {128, 8, 65, 17});
    Label2->setAttribute(Qt::WA_TranslucentBackground);
    cbofontsize = addComboBox(client, "cbofontsize", {128, 24, 65, 21});
    Label1 = DesignedControl::place(new QLabel(tr("Font")), client, "Label1", {8, 56, 185, 41});
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setForegroundRole(QPalette::WindowText);
    Label1->setFont(previewFont());
    cmdapply =
        DesignedControl::place(new QPushButton(tr("Apply")), client, "cmdapply", {40, 112, 97, 17});
    Command1 = DesignedControl::place(new QPushButton(tr("Cancel")), client, "Command1",
                                      {136, 112, 57, 17});
}

void frmfont::connectControls()
{
    // Only a choice from a list runs these; typing into a box does not.
    connect(cbofonts, &QComboBox::activated, this, &frmfont::FillSizeList);
    connect(cbofontsize, &QComboBox::activated, this, &frmfont::cbofontsize_Click);
    connect(cmdapply, &QPushButton::clicked, this, &frmfont::cmdapply_Click);
    connect(Command1, &QPushButton::clicked, this, &frmfont::close);
}

void frmfont::FillSizeList()
{
    // The size box's own font is the measuring instrument: each candidate is set on it and the
    // size the screen really realises is read back. Its font is put back afterwards, so the box
    // is not left drawn in the chosen face.
    const QFont own = cbofontsize->font();
    cbofontsize->clear();
    QFont probe = own;
    probe.setFamily(cbofonts->currentText());
    const QStringList sizes = FontSizes::shownExactly([this, &probe](int size) {
        probe.setPointSize(size);
        cbofontsize->setFont(probe);
        return QFontInfo(cbofontsize->font()).pointSizeF();
    });
    cbofontsize->setFont(own);
    cbofontsize->addItems(sizes);
    cbofontsize->setCurrentIndex(-1);
}

void frmfont::cbofontsize_Click()
{
    const auto points = FontSizes::points(cbofontsize->currentText());
    if (!points)
        return;
    QFont font = Label1->font();
    font.setFamily(cbofonts->currentText());
    font.setPointSizeF(*points);
    Label1->setFont(font);
}

void frmfont::cmdapply_Click()
{
    const QString face = cbofonts->currentText();
    const QString sizeText = cbofontsize->currentText();
    const auto points = FontSizes::points(sizeText);
    if (!points) {
        // Nothing is applied and the window stays, so the user can pick a size and try again.
        m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          tr("Please choose a font size."));
        return;
    }
    m_appearance.setFont(face, *points);
    // What could not be stored is not shown either: the document shows what the next start will.
    if (!m_config.setFont(face, sizeText))
        m_appearance.readStored();
    close();
}

#include "frmabout.h"

#include "product/ProductInfo.h"
#include "settings/Config.h"
#include "ui/DesignedControl.h"
#include "ui/DesignedScale.h"
#include "ui/ProgramArt.h"

#include <QFrame>
#include <QLabel>

namespace {

// The size of the font the box was laid out for.
constexpr double kDesignedPoints = 8.25;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = DesignedControl::place(new QLabel(text), parent, name, place);
    label->setAlignment(alignment);
    return label;
}

const char* const kDescription = QT_TRANSLATE_NOOP(
    "frmabout",
    "Quilra is a small application that will allow you to create as well as view NFO files.  "
    "I have seen many NFO viewers and many NFO creators but I have never seen one that will do "
    "both.  If you have any questions or any comments you would like to share please visit the "
    "Quilra website.");

QFont titleFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(26.25);
    font.setBold(true);
    return font;
}

QFont addressFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDesignedPoints);
    font.setUnderline(true);
    return font;
}

} // namespace

frmabout::frmabout(const Config& config, QWidget* parent) : ChildWindow(parent)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(tr("About %1").arg(ProductInfo::Title));
    auto* client = new QWidget;
    // The box was laid out for the small dialog font; a larger desktop font grows the font and
    // the places alike.
    const DesignedScale scale(client->font(), kDesignedPoints);
    QFont font = client->font();
    font.setPointSizeF(kDesignedPoints);
    client->setFont(scale.font(font));

    Picture1 = new QFrame(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setGeometry(8, 8, 104, 153);
    Image1 = addLabel(Picture1, "Image1", QString(), {2, 2, 100, 150});
    Image1->setPixmap(ProgramArt::aboutPicture());

    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    Label2 = addLabel(client, "Label2", ProductInfo::Title, {120, 8, 177, 41}, centred);
    Label2->setFont(scale.font(titleFont()));
    Label3 = addLabel(client, "Label3", ProductInfo::Version, {272, 8, 25, 17});
    lblvimb = addLabel(client, "lblvimb", tr(kDescription), {120, 56, 177, 121});
    lblvimb->setWordWrap(true);
    Label1 = addLabel(client, "Label1", ProductInfo::WebAddress, {120, 184, 185, 17}, centred);
    Label1->setFont(scale.font(addressFont()));
    Label4 = addLabel(client, "Label4", tr("Times Opened"), {16, 168, 89, 17}, centred);
    lblran = addLabel(client, "lblran", QStringLiteral("0"), {24, 184, 65, 17}, centred);
    lblran->setAttribute(Qt::WA_TranslucentBackground);
    scale.applyTo(client);
    Image1->setAlignment(Qt::AlignCenter);

    // A dialog font wider than the designed one needs more lines for the description: its box,
    // the address below it and the window grow by as much, so that the whole text shows.
    const int growth = qMax(0, lblvimb->heightForWidth(lblvimb->width()) - lblvimb->height());
    lblvimb->resize(lblvimb->width(), lblvimb->height() + growth);
    Label1->move(Label1->x(), Label1->y() + growth);
    setFixedClient(client, scale.size(QSize(312, 206)) + QSize(0, growth));
    lblran->setText(config.timesOpened());
}

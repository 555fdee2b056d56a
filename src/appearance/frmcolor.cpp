#include "frmcolor.h"

#include "settings/ColourPreset.h"
#include "settings/Config.h"
#include "ui/DesignedControl.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/QtColour.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The preview's colour is its background; it is the window's only working state.
QColor previewColour(const QFrame* preview)
{
    return preview->palette().color(QPalette::Window);
}

void setPreviewColour(QFrame* preview, const QColor& colour)
{
    QPalette palette = preview->palette();
    palette.setColor(QPalette::Window, colour);
    preview->setPalette(palette);
}

QFrame* addPreview(QWidget* parent, const char* name, const QRect& place, const QColor& colour)
{
    auto* preview = new QFrame(parent);
    preview->setObjectName(QString::fromLatin1(name));
    preview->setFrameShape(QFrame::Box);
    preview->setAutoFillBackground(true);
    preview->setGeometry(place);
    setPreviewColour(preview, colour);
    return preview;
}

} // namespace

frmcolor::frmcolor(Dialogs& dialogs, Config& config, DocumentAppearance& appearance,
                   QWidget* parent)
    : ChildWindow(parent), m_dialogs(dialogs), m_config(config), m_appearance(appearance)
{
    setObjectName(QStringLiteral("frmcolor"));
    setWindowTitle(tr("Color Picker"));
    auto* client = new QWidget;
    buildControls(client);
    // Designed at 4665 x 1275 twips.
    setFixedClient(client, QSize(311, 85), Scaling::FollowFont);
    loadStoredColours();
    showMatchingPreset();

    connect(cbopreset, &QComboBox::activated, this, &frmcolor::presetChosen);
    connect(Command1, &QPushButton::clicked, this, [this] { pick(Picture1, m_lastText); });
    connect(Command2, &QPushButton::clicked, this, [this] { pick(Picture2, m_lastBackground); });
    connect(Command3, &QPushButton::clicked, this, &frmcolor::Command3_Click);
}

void frmcolor::buildControls(QWidget* client)
{
    // Places are the designed twips divided by 15.
    Frame1 = DesignedControl::place(new QGroupBox(tr("Text Color")), client, "Frame1",
                                    {16, 16, 129, 33});
    Picture1 = addPreview(Frame1, "Picture1", {8, 16, 89, 9}, Qt::black);
    Command1 = DesignedControl::place(new QPushButton(QStringLiteral("-")), Frame1, "Command1",
                                      {104, 16, 17, 13});
    Frame2 = DesignedControl::place(new QGroupBox(tr("Background Color")), client, "Frame2",
                                    {160, 16, 137, 33});
    Picture2 = addPreview(Frame2, "Picture2", {16, 16, 89, 9}, Qt::white);
    Command2 = DesignedControl::place(new QPushButton(QStringLiteral("-")), Frame2, "Command2",
                                      {112, 16, 17, 13});
    lblpreset =
        DesignedControl::place(new QLabel(tr("Pre&set:")), client, "lblpreset", {16, 64, 48, 17});
    cbopreset = DesignedControl::place(new QComboBox, client, "cbopreset", {64, 62, 176, 21});
    cbopreset->setPlaceholderText(tr("Own colours"));
    for (const ColourPreset& preset : ColourPreset::all())
        cbopreset->addItem(preset.name());
    lblpreset->setBuddy(cbopreset);
    Command3 =
        DesignedControl::place(new QPushButton(tr("Apply")), client, "Command3", {248, 64, 49, 17});
}

void frmcolor::presetChosen(int index)
{
    if (index < 0 || index >= int(ColourPreset::all().size()))
        return;
    const ColourPreset& preset = ColourPreset::all().at(size_t(index));
    setPreviewColour(Picture1, QtColour::fromValue(preset.text));
    setPreviewColour(Picture2, QtColour::fromValue(preset.background));
}

void frmcolor::showMatchingPreset()
{
    const qint32 text = QtColour::toValue(previewColour(Picture1));
    const qint32 background = QtColour::toValue(previewColour(Picture2));
    const std::vector<ColourPreset>& presets = ColourPreset::all();
    int index = -1;
    for (size_t i = 0; i < presets.size() && index < 0; ++i)
        if (presets[i].text == text && presets[i].background == background)
            index = int(i);
    cbopreset->setCurrentIndex(index);
}

void frmcolor::loadStoredColours()
{
    // The previews start from the stored colours, not from what the document shows now; a
    // value that is missing or not a colour leaves the designed preview.
    const Stored<qint32> text = m_config.textColour();
    const Stored<qint32> background = m_config.backgroundColour();
    if (text.isPresent())
        setPreviewColour(Picture1, QtColour::fromValue(text.value));
    if (background.isPresent())
        setPreviewColour(Picture2, QtColour::fromValue(background.value));
}

void frmcolor::pick(QFrame* preview, QColor& last)
{
    // A cancelled chooser gives no colour, and the preview keeps the one it had.
    const QColor chosen = m_dialogs.colour(this, last);
    if (!chosen.isValid())
        return;
    last = chosen;
    setPreviewColour(preview, chosen);
    showMatchingPreset();
}

void frmcolor::Command3_Click()
{
    const QColor text = previewColour(Picture1);
    const QColor back = previewColour(Picture2);
    m_appearance.setColours(text, back);
    // What could not be stored is not shown either: the document shows what the next start will.
    if (!m_config.setColours(QtColour::toValue(text), QtColour::toValue(back)))
        m_appearance.readStored();
    close();
}

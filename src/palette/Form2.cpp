#include "Form2.h"

#include "ClearAnswer.h"
#include "FixedKeys.h"
#include "PaletteKey.h"
#include "documents/Cp437.h"
#include "documents/DocumentCodec.h"
#include "documents/RefusedCharacter.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "settings/Config.h"
#include "ui/Dialogs.h"
#include "ui/NfoDocument.h"

#include <QPushButton>

namespace {

// The designed layout, in pixels (15 twips each): keys of 17 x 17 every 16 pixels, eight rows
// of fixed keys, the custom row, then the clear button. As designed, the button and the
// right-hand column of keys reach two pixels past the client.
constexpr int kDesignedClientWidth = 159;
constexpr int kFixedRows = 8;

const char* const kAssignTitle = QT_TRANSLATE_NOOP("Form2", "Custom Character");
const char* const kAssignPrompt =
    QT_TRANSLATE_NOOP("Form2", "Please Enter The character you wish to assign to this key.");
const char* const kClearTitle = QT_TRANSLATE_NOOP("Form2", "Clear Custom");
const char* const kClearPrompt =
    QT_TRANSLATE_NOOP("Form2", "Please enter the button number you wish to "
                               "clear.\r\n(Enter a number between 2 and 11");
const char* const kOutOfRange =
    QT_TRANSLATE_NOOP("Form2", "Please Enter a number between 2 and 11");

// A key face shows the code page 437 glyphs of the codes it inserts, so that the key looks
// like what it puts into the document.
QString faceText(const QByteArray& codes)
{
    // "&" would mark an access key on a button.
    return DocumentCodec::toDisplay(codes).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// "B0 ░": the code in hexadecimal and its glyph.
QString codeTip(uchar code)
{
    return QStringLiteral("%1 %2")
        .arg(int(code), 2, 16, QLatin1Char('0'))
        .toUpper()
        .arg(Cp437::toUnicode(code));
}

} // namespace

Form2::Form2(Config& config, Dialogs& dialogs, NfoDocument& document, const QFont& face,
             QWidget* parent)
    : ChildWindow(parent), m_config(config), m_dialogs(dialogs), m_document(document), m_face(face),
      m_side(PaletteKey::side(face)), m_pitch(m_side - 1)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Custom Characters"));
    auto* client = new QWidget;
    buildFixedKeys(client);
    buildCustomKeys(client);
    // Wide enough for the keys and for the whole caption; the designed width at the designed
    // key size.
    const int keysWidth = m_pitch == 16 ? kDesignedClientWidth : FixedKeys::Columns * m_pitch + 1;
    const int width = qMax(keysWidth, titleClientWidth());
    cmdclear = new QPushButton(tr("Clear Custom Characters"), client);
    cmdclear->setObjectName(QStringLiteral("cmdclear"));
    const int clearHeight = qMax(m_side, cmdclear->sizeHint().height());
    cmdclear->setGeometry(0, (kFixedRows + 1) * m_pitch,
                          qMax(width, FixedKeys::Columns * m_pitch + 1), clearHeight);
    connect(cmdclear, &QPushButton::clicked, this, &Form2::cmdclear_Click);
    setFixedClient(client, QSize(width, (kFixedRows + 1) * m_pitch + clearHeight));
    loadCustomKeys();
}

QPushButton* Form2::addKey(QWidget* parent, const QString& name, QPoint place)
{
    auto* key = new PaletteKey(m_face, parent);
    key->setObjectName(name);
    key->setGeometry(QRect(place, QSize(m_side, m_side)));
    return key;
}

void Form2::buildFixedKeys(QWidget* client)
{
    for (int i = 0; i < FixedKeys::Count; ++i) {
        const QPoint place(m_pitch * (i % FixedKeys::Columns), m_pitch * (i / FixedKeys::Columns));
        QPushButton* key = addKey(client, QStringLiteral("Command1(%1)").arg(i), place);
        const uchar code = FixedKeys::code(i);
        key->setText(faceText(QByteArray(1, static_cast<char>(code))));
        key->setToolTip(codeTip(code));
        connect(key, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1.append(key);
    }
}

void Form2::buildCustomKeys(QWidget* client)
{
    for (int n = ClearAnswer::FirstKey; n <= ClearAnswer::LastKey; ++n) {
        const QPoint place(m_pitch * (n - ClearAnswer::FirstKey), kFixedRows * m_pitch);
        QPushButton*& key = customKey(n);
        key = addKey(client, QStringLiteral("Command%1").arg(n), place);
        connect(key, &QPushButton::clicked, this, [this, n] { Command_Click(n); });
    }
}

QPushButton*& Form2::customKey(int number)
{
    static constexpr std::array<QPushButton * Form2::*, 10> keys = {
        &Form2::Command2, &Form2::Command3, &Form2::Command4, &Form2::Command5,  &Form2::Command6,
        &Form2::Command7, &Form2::Command8, &Form2::Command9, &Form2::Command10, &Form2::Command11};
    return this->*keys.at(static_cast<size_t>(number - ClearAnswer::FirstKey));
}

void Form2::loadCustomKeys()
{
    for (int n = ClearAnswer::FirstKey; n <= ClearAnswer::LastKey; ++n)
        setCustomCodes(n, m_config.customCharacter(n));
}

QByteArray Form2::customCodes(int number) const
{
    return m_customCodes.at(static_cast<size_t>(number - ClearAnswer::FirstKey));
}

void Form2::setCustomCodes(int number, const QByteArray& codes)
{
    m_customCodes.at(static_cast<size_t>(number - ClearAnswer::FirstKey)) = codes;
    customKey(number)->setText(faceText(codes));
}

void Form2::storeCustomCodes(int number, const QByteArray& codes)
{
    // The key shows what is stored, so that it holds the same at the next start.
    const bool stored = m_config.setCustomCharacter(number, codes);
    setCustomCodes(number, stored ? codes : m_config.customCharacter(number));
}

void Form2::Command1_Click(int index)
{
    // Keys hold code page 437 codes; the document takes their characters in its own encoding.
    m_document.append(
        DocumentCodec::toDisplay(QByteArray(1, static_cast<char>(FixedKeys::code(index)))));
}

void Form2::Command_Click(int number)
{
    const QByteArray codes = customCodes(number);
    if (codes.isEmpty())
        assignCustomKey(number);
    else
        m_document.append(DocumentCodec::toDisplay(codes));
}

void Form2::assignCustomKey(int number)
{
    // Assigning inserts nothing; the next press of the key does.
    const QString answer = m_dialogs.text(this, tr(kAssignTitle), tr(kAssignPrompt));
    if (answer.isEmpty())
        return;
    const std::optional<QByteArray> codes = answerCodes(answer);
    if (!codes)
        return;
    storeCustomCodes(number, *codes);
}

std::optional<QByteArray> Form2::answerCodes(const QString& answer)
{
    // A key keeps codes, as the document does; a character without one is refused rather than
    // stored as something else. A line break would end the value's line in Settings.ini.
    for (const QChar ch : answer) {
        if (DocumentCodec::isLineBreak(ch)) {
            m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                              tr("A custom key cannot hold a line break."));
            return std::nullopt;
        }
    }
    const QString refused = RefusedCharacter::first(answer);
    if (!refused.isEmpty()) {
        m_dialogs.message(this, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          Messages::keyNotAssigned(refused));
        return std::nullopt;
    }
    return DocumentCodec::fromForeignText(answer);
}

void Form2::cmdclear_Click()
{
    const QString answer = m_dialogs.text(this, tr(kClearTitle), tr(kClearPrompt));
    if (answer.isEmpty())
        return;
    const std::optional<int> number = ClearAnswer::keyNumber(answer);
    if (!number) {
        m_dialogs.message(this, Dialogs::Icon::None, ProductInfo::Title, tr(kOutOfRange));
        return;
    }
    storeCustomCodes(*number, QByteArray());
}

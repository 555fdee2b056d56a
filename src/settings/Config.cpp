#include "Config.h"

#include "ColourValue.h"
#include "FontSizes.h"
#include "SettingKeys.h"

#include <algorithm>
#include <cstdlib>

namespace {

const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");

Stored<qint32> colour(const QByteArray& text)
{
    if (text.trimmed().isEmpty())
        return Stored<qint32>::absent();
    const auto value = ColourValue::fromText(text);
    return value ? Stored<qint32>::present(*value) : Stored<qint32>::unreadable();
}

} // namespace

int Config::nearestZoom(qint64 percent)
{
    return *std::min_element(ZoomSteps.begin(), ZoomSteps.end(), [percent](int a, int b) {
        return std::llabs(a - percent) < std::llabs(b - percent);
    });
}

Config::Config(ProgramSettings program, UserSettings user, QObject* parent)
    : QObject(parent), m_program(std::move(program)), m_user(std::move(user))
{
}

QString Config::storePath(Key key) const
{
    switch (key) {
    case Key::Colours:
    case Key::Font:
    case Key::CustomCharacter:
        return m_program.iniPath();
    default:
        return m_user.path();
    }
}

bool Config::told(bool written, Key key)
{
    if (!written)
        Q_EMIT writeFailed(key);
    Q_EMIT changed(key);
    return written;
}

Stored<qint32> Config::textColour() const
{
    return colour(m_program.read(SettingKeys::TextColour));
}

Stored<qint32> Config::backgroundColour() const
{
    return colour(m_program.read(SettingKeys::BackgroundColour));
}

bool Config::setColours(qint32 text, qint32 background)
{
    const bool written =
        m_program.write(SettingKeys::TextColour, ColourValue::toText(text)) &&
        m_program.write(SettingKeys::BackgroundColour, ColourValue::toText(background));
    return told(written, Key::Colours);
}

Stored<Config::Font> Config::font() const
{
    const QString face = QString::fromUtf8(m_program.read(SettingKeys::FontName)).trimmed();
    const QString size = QString::fromUtf8(m_program.read(SettingKeys::FontSize)).trimmed();
    if (face.isEmpty() && size.isEmpty())
        return Stored<Font>::absent();
    // A size below a point draws nothing anyone can read.
    const auto points = FontSizes::points(size);
    if (face.isEmpty() || !points || *points < 1.0)
        return Stored<Font>::unreadable();
    return Stored<Font>::present({face, *points});
}

bool Config::setFont(const QString& face, const QString& sizeText)
{
    const bool written = m_program.write(SettingKeys::FontName, face.toUtf8()) &&
                         m_program.write(SettingKeys::FontSize, sizeText.toUtf8());
    return told(written, Key::Font);
}

QByteArray Config::customCharacter(int number) const
{
    return m_program.read(SettingKeys::CustomCharacter, number);
}

bool Config::setCustomCharacter(int number, const QByteArray& codes)
{
    return told(m_program.write(SettingKeys::CustomCharacter, codes, number), Key::CustomCharacter);
}

Stored<bool> Config::linkAllowed() const
{
    const QString value = m_user.read(SettingKeys::LinkAllowed);
    if (value.isEmpty())
        return Stored<bool>::absent();
    if (value == kYes || value == kNo)
        return Stored<bool>::present(value == kYes);
    return Stored<bool>::unreadable();
}

bool Config::setLinkAllowed(bool allowed)
{
    return told(m_user.write(SettingKeys::LinkAllowed, allowed ? kYes : kNo), Key::LinkAllowed);
}

QString Config::timesOpened() const
{
    return m_user.read(SettingKeys::TimesOpened);
}

bool Config::setTimesOpened(const QString& count)
{
    return told(m_user.write(SettingKeys::TimesOpened, count), Key::TimesOpened);
}

bool Config::wordWrap() const
{
    return m_user.read(SettingKeys::WordWrap) == kYes;
}

bool Config::setWordWrap(bool wrap)
{
    return told(m_user.write(SettingKeys::WordWrap, wrap ? kYes : kNo), Key::WordWrap);
}

int Config::zoom() const
{
    bool number = false;
    const qint64 percent = m_user.read(SettingKeys::Zoom).trimmed().toLongLong(&number);
    return number ? nearestZoom(percent) : 100;
}

bool Config::setZoom(int percent)
{
    return told(m_user.write(SettingKeys::Zoom, QString::number(nearestZoom(percent))), Key::Zoom);
}

std::function<QString(int)> Config::recentFileReader() const
{
    return m_user.familyReader(SettingKeys::RecentFile);
}

bool Config::setRecentFiles(const QStringList& paths)
{
    return told(m_user.writeFamily(SettingKeys::RecentFile, paths), Key::RecentFiles);
}

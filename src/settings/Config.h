#pragma once

#include "ProgramSettings.h"
#include "Stored.h"
#include "UserSettings.h"

#include <QObject>
#include <QStringList>
#include <array>

// Every setting of the program, each through one typed accessor. Nothing is cached: a read
// goes to its store at the moment it is made and a write reaches the store at once, as the
// program has always done; `changed` tells the windows that show a setting. A read says when
// a value is absent or unreadable, so that each reader keeps its own rule for those.
class Config : public QObject
{
    Q_OBJECT

public:
    enum class Key
    {
        Colours,
        Font,
        CustomCharacter,
        LinkAllowed,
        TimesOpened,
        WordWrap,
        Zoom,
        RecentFiles,
    };

    // The document font as stored: a face and a size that shows text.
    struct Font
    {
        QString face;
        double points = 0;
    };

    // The zoom steps, in percent of the document font's size.
    static constexpr std::array<int, 6> ZoomSteps = {50, 100, 150, 200, 300, 400};
    // The step nearest to any number, without overflow for the most extreme ones.
    static int nearestZoom(qint64 percent);

    Config(ProgramSettings program, UserSettings user, QObject* parent = nullptr);

    QString iniPath() const { return m_program.iniPath(); }
    // The file (or, on Windows, the registry key) that holds the setting.
    QString storePath(Key key) const;
    // True when the per-user store is too large to be written and is only read.
    bool userStoreOversized() const { return m_user.isOversized(); }

    // Settings.ini. Writes are false when the value could not be stored.
    Stored<qint32> textColour() const;
    Stored<qint32> backgroundColour() const;
    bool setColours(qint32 text, qint32 background);
    // A face without a usable size, or a size without a face, is no font.
    Stored<Font> font() const;
    // Stores the face and the size text as the user chose them.
    bool setFont(const QString& face, const QString& sizeText);
    // The codes custom palette key `number` (2 to 11) holds; empty when it is not assigned.
    QByteArray customCharacter(int number) const;
    bool setCustomCharacter(int number, const QByteArray& codes);

    // The per-user store. "yes" and "no" are the link option's two values; anything else
    // stored is unreadable.
    Stored<bool> linkAllowed() const;
    bool setLinkAllowed(bool allowed);
    // The run counter as stored, "" when absent; shown as it is, even when not a number.
    QString timesOpened() const;
    bool setTimesOpened(const QString& count);
    bool wordWrap() const;
    bool setWordWrap(bool wrap);
    // One of the zoom steps: 100 when nothing usable is stored.
    int zoom() const;
    bool setZoom(int percent);
    // Reads the recent files by index, 0 the newest, through one opening of the store: each
    // read through a fresh opening would parse the whole store again. For the task at hand.
    std::function<QString(int)> recentFileReader() const;
    bool setRecentFiles(const QStringList& paths);

Q_SIGNALS:
    void changed(Config::Key key);
    // A write of the setting did not reach its store; what is stored is as it was (or partly
    // written, for a setting of several values).
    void writeFailed(Config::Key key);

private:
    bool told(bool written, Key key);

    ProgramSettings m_program;
    UserSettings m_user;
};

#pragma once

#include "ui/Services.h"

#include <QDir>
#include <QTemporaryDir>

// A benchmark runs the real windows, whose start-up writes the per-user store and associates
// .nfo files with the desktop: both go to a temporary home, never the user's. Headless unless
// a platform is asked for.
class BenchHome
{
public:
    BenchHome()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QDir home(m_home.path());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    }

private:
    QTemporaryDir m_home;
};

// The windows' services with Settings.ini and the templates in `folder`.
inline Services benchServices(Dialogs& dialogs, const QString& folder)
{
    return Services{dialogs, ProgramSettings(QDir(folder).filePath(QStringLiteral("Settings.ini"))),
                    UserSettings(), folder};
}

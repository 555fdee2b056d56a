#pragma once

#include "settings/Config.h"

#include <QObject>
#include <QSet>

class Dialogs;
class QWidget;

// Tells the user when a setting could not be stored: once a run for each store, however often
// the user tries again, in the program's message box. The windows that wrote show what is
// stored themselves.
class SettingsWriteNotice : public QObject
{
    Q_OBJECT

public:
    SettingsWriteNotice(Config& config, Dialogs& dialogs, QWidget* parent);

    // Says that the per-user store is too large and is only read, when it is.
    void checkUserStore();

private:
    void writeFailed(Config::Key key);
    void tellOnce(const QString& path, const QString& text);

    Config& m_config;
    Dialogs& m_dialogs;
    QWidget* m_parent;
    QSet<QString> m_told;
};

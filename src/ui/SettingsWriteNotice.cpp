#include "SettingsWriteNotice.h"

#include "Dialogs.h"
#include "product/ProductInfo.h"

#include <QDir>
#include <QWidget>

SettingsWriteNotice::SettingsWriteNotice(Config& config, Dialogs& dialogs, QWidget* parent)
    : QObject(parent), m_config(config), m_dialogs(dialogs), m_parent(parent)
{
    connect(&config, &Config::writeFailed, this, &SettingsWriteNotice::writeFailed);
}

void SettingsWriteNotice::checkUserStore()
{
    if (!m_config.userStoreOversized())
        return;
    const QString path = m_config.storePath(Config::Key::TimesOpened);
    // The limit as the message names it.
    static_assert(UserSettings::MaxStoreBytes == 1024 * 1024);
    tellOnce(path, tr("The settings file %1 is larger than 1 MB, more than Quilra ever writes. "
                      "It is only read in this run, and no setting is saved in it.")
                       .arg(QDir::toNativeSeparators(path)));
}

void SettingsWriteNotice::writeFailed(Config::Key key)
{
    const QString path = m_config.storePath(key);
    tellOnce(path, tr("The settings could not be saved in %1. They stay as they were stored.")
                       .arg(QDir::toNativeSeparators(path)));
}

void SettingsWriteNotice::tellOnce(const QString& path, const QString& text)
{
    if (m_told.contains(path))
        return;
    m_told.insert(path);
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title, text);
}

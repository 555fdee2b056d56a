#include "RecentFilesMenu.h"

#include "settings/Config.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

namespace {

// Paths wider than this show elided in the middle in the File menu.
constexpr int kRecentItemWidth = 480;

} // namespace

RecentFilesMenu::RecentFilesMenu(MainMenuItems& items, Config& config, QObject* parent)
    : QObject(parent), m(items), m_config(config)
{
    connect(m.mnuMRU.constFirst(), &QAction::triggered, this,
            [this] { Q_EMIT chosen(m_recentFiles.paths().value(0)); });
}

void RecentFilesMenu::LoadMRU()
{
    m_recentFiles.load(m_config.recentFileReader());
    showRecentFiles();
}

void RecentFilesMenu::SaveMRU()
{
    // The menu shows what is stored, so that it lists the same files at the next start.
    if (!m_config.setRecentFiles(m_recentFiles.paths()))
        LoadMRU();
}

void RecentFilesMenu::AddToMRU(const QString& path)
{
    m_recentFiles.add(path);
    showRecentFiles();
    if (m_held)
        m_unstored = true;
    else
        SaveMRU();
}

void RecentFilesMenu::holdStore(bool held)
{
    m_held = held;
    if (!held && m_unstored)
        SaveMRU();
    m_unstored = false;
}

QAction* RecentFilesMenu::recentFileItem(int index)
{
    // Items are made when first needed, each after the one before, and stay for the run.
    while (m.mnuMRU.size() <= index) {
        const int next = static_cast<int>(m.mnuMRU.size());
        auto* item = new QAction(m.MNUFILE);
        item->setObjectName(QStringLiteral("mnuMRU(%1)").arg(next));
        m.MNUFILE->insertAction(m.sep6, item);
        connect(item, &QAction::triggered, this,
                [this, next] { Q_EMIT chosen(m_recentFiles.paths().value(next)); });
        m.mnuMRU.append(item);
    }
    return m.mnuMRU.at(index);
}

void RecentFilesMenu::showRecentFiles()
{
    const QStringList& paths = m_recentFiles.paths();
    const QFontMetrics metrics(m.MNUFILE->font());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QAction* item = recentFileItem(static_cast<int>(i));
        // "&" would mark an access key in a menu caption; the path shows as it is.
        QString caption = metrics.elidedText(paths.at(i), Qt::ElideMiddle, kRecentItemWidth);
        item->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setData(paths.at(i));
        item->setToolTip(paths.at(i));
        item->setVisible(true);
    }
    m.MRUCount = m_recentFiles.lastIndex();
}

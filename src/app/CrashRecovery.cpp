#include "CrashRecovery.h"

#include "files/RecoverySnapshot.h"
#include "files/WholeFile.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/NfoDocument.h"

#include <QDir>
#include <QTextDocument>
#include <QTimer>

namespace {

// A snapshot is the document and a few lines; one far larger than any document is not one.
constexpr qint64 kMaxSnapshotBytes = qint64(1) << 31;

} // namespace

CrashRecovery::CrashRecovery(NfoDocument& document, Dialogs& dialogs, RecoveryStore store,
                             QObject* parent)
    : QObject(parent), m_document(document), m_dialogs(dialogs), m_store(std::move(store)),
      m_timer(new QTimer(this))
{
    // The snapshot's lock is taken when start-up offers the snapshots of ended runs, or at the
    // first snapshot if that comes first: making it waits for the disk, and the first sight of
    // the document does not.
    m_timer->setSingleShot(true);
    m_timer->setInterval(SnapshotDelayMs);
    connect(m_timer, &QTimer::timeout, this, &CrashRecovery::snapshotNow);
    connect(document.textDocument(), &QTextDocument::contentsChanged, this, &CrashRecovery::edited);
    // Saved, or back to the saved text: nothing is left to lose.
    connect(&document, &NfoDocument::modificationChanged, this, [this](bool modified) {
        if (!modified) {
            m_timer->stop();
            m_store.removeOwn();
        }
    });
}

CrashRecovery::~CrashRecovery()
{
    // A clean exit has asked about the edits already.
    m_store.removeOwn();
}

void CrashRecovery::edited()
{
    // Once the edits have rested; a steady stream of keys still snapshots every few seconds.
    if (!m_timer->isActive())
        m_timer->start();
}

void CrashRecovery::snapshotNow()
{
    m_timer->stop();
    if (!m_document.isModified()) {
        m_store.removeOwn();
        return;
    }
    const RecoverySnapshot snapshot{m_document.filePath(), m_document.stamp(), m_document.bytes()};
    m_store.lockOwn();
    m_store.writeOwn(snapshot.toBytes());
}

bool CrashRecovery::offerRestore(QWidget* parent)
{
    m_store.lockOwn();
    for (const QString& path : m_store.orphans()) {
        const auto claimed = RecoveryStore::claim(path);
        if (!claimed)
            continue;
        const WholeFile::Contents stored = WholeFile::read(path, kMaxSnapshotBytes);
        const auto snapshot = RecoverySnapshot::fromBytes(stored.bytes);
        // A snapshot cut short by the crash, or not one at all, is left where it is.
        if (stored.status != WholeFile::Status::Read || !snapshot)
            continue;
        const QString name = snapshot->filePath.isEmpty()
                                 ? tr("an untitled document")
                                 : QDir::toNativeSeparators(snapshot->filePath);
        const QString text =
            tr("Quilra ended without saving the changes to %1. Restore them?").arg(name);
        switch (m_dialogs.askRestore(parent, ProductInfo::Title, text)) {
        case Dialogs::RestoreAnswer::Restore:
            m_document.open(snapshot->bytes);
            m_document.setFilePath(snapshot->filePath);
            m_document.setStamp(snapshot->stamp);
            m_document.markUnsaved();
            RecoveryStore::remove(path);
            snapshotNow();
            return true;
        case Dialogs::RestoreAnswer::Discard:
            RecoveryStore::remove(path);
            return false;
        case Dialogs::RestoreAnswer::Later:
            return false;
        }
    }
    return false;
}

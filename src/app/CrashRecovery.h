#pragma once

#include "files/RecoveryStore.h"

#include <QObject>

class Dialogs;
class NfoDocument;
class QTimer;
class QWidget;

// Keeps the document's unsaved edits safe from a crash: a few seconds after an edit, while the
// document is modified, its bytes go into this run's snapshot; a clean save, a discard or a
// clean exit removes it. At start-up, a snapshot that an ended run left behind is offered back.
// No timer runs while nothing changes.
class CrashRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int SnapshotDelayMs = 3000;

    CrashRecovery(NfoDocument& document, Dialogs& dialogs, RecoveryStore store,
                  QObject* parent = nullptr);
    ~CrashRecovery() override;

    // Takes this run's lock, then offers the newest snapshot of an ended run, if any. True when
    // it was restored.
    bool offerRestore(QWidget* parent);
    // Writes or removes this run's snapshot now, as the document stands.
    void snapshotNow();
    QString snapshotPath() const { return m_store.ownPath(); }

private:
    void edited();

    NfoDocument& m_document;
    Dialogs& m_dialogs;
    RecoveryStore m_store;
    QTimer* m_timer;
};

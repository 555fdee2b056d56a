#pragma once

#include <QCoreApplication>
#include <atomic>
#include <functional>

class QProgressBar;
class QPushButton;
class QStatusBar;

// A long job of the window (an export, a print) run on a thread of its own while the window
// goes on: its progress bar and a Cancel button sit in the status bar until it ends.
class StatusProgress
{
    Q_DECLARE_TR_FUNCTIONS(MDIForm1)

public:
    // `name` names the bar ("<name>progress") and the button ("cmdcancel<name>").
    StatusProgress(QStatusBar& statusBar, const QString& name, const QString& accessibleName);
    ~StatusProgress();
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;

    // Runs `work` beside the window and returns when it has ended. The thread starts once the
    // window shows the bar, so that a Cancel already asked for is seen by the work.
    void run(const std::function<void()>& work);
    // From the work's thread: how far it got.
    void report(qint64 done, qint64 total);
    bool cancelled() const { return m_cancel; }
    const std::atomic<bool>* cancelFlag() const { return &m_cancel; }

private:
    QProgressBar* m_bar;
    QPushButton* m_stop;
    std::atomic<bool> m_cancel{false};
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{1};
};

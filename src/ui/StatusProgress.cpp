#include "StatusProgress.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <thread>

StatusProgress::StatusProgress(QStatusBar& statusBar, const QString& name,
                               const QString& accessibleName)
    : m_bar(new QProgressBar), m_stop(new QPushButton(tr("Cancel")))
{
    m_bar->setObjectName(name + QStringLiteral("progress"));
    m_bar->setRange(0, 1000);
    m_bar->setAccessibleName(accessibleName);
    m_stop->setObjectName(QStringLiteral("cmdcancel") + name);
    statusBar.addPermanentWidget(m_bar);
    statusBar.addPermanentWidget(m_stop);
    QObject::connect(m_stop, &QPushButton::clicked, m_stop, [this] { m_cancel = true; });
}

StatusProgress::~StatusProgress()
{
    delete m_bar;
    delete m_stop;
}

void StatusProgress::report(qint64 done, qint64 total)
{
    m_done = done;
    m_total = total;
}

void StatusProgress::run(const std::function<void()>& work)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, m_bar,
                     [this] { m_bar->setValue(int(1000 * m_done / qMax<qint64>(1, m_total))); });
    poll.start(50);
    QEventLoop loop;
    std::atomic<bool> finished{false};
    std::thread worker;
    QTimer::singleShot(0, &loop, [&] {
        worker = std::thread([&] {
            work();
            finished = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
    });
    loop.exec();
    // Should the loop end for another reason (the program quits), the work stops at once or
    // is not begun.
    if (!finished)
        m_cancel = true;
    if (worker.joinable())
        worker.join();
}

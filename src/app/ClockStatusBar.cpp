#include "ClockStatusBar.h"

#include "product/ProductInfo.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

ClockStatusBar::ClockStatusBar(QWidget* parent)
    : QStatusBar(parent), textPanel(new QLabel(this)), encodingPanel(new QLabel(this)),
      zoomPanel(new QLabel(this)), timePanel(new QLabel(this)), datePanel(new QLabel(this)),
      m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    textPanel->setObjectName(QStringLiteral("StatusBar1Text"));
    timePanel->setObjectName(QStringLiteral("StatusBar1Time"));
    datePanel->setObjectName(QStringLiteral("StatusBar1Date"));
    encodingPanel->setObjectName(QStringLiteral("StatusBar1Encoding"));
    zoomPanel->setObjectName(QStringLiteral("StatusBar1Zoom"));
    textPanel->setText(tr("Please visit %1").arg(ProductInfo::WebAddress));
    addWidget(textPanel, 1);
    addPermanentWidget(zoomPanel);
    addPermanentWidget(encodingPanel);
    addPermanentWidget(timePanel);
    addPermanentWidget(datePanel);
    updateClock();
    // Once a second is enough for a clock that shows minutes, and costs nothing.
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &ClockStatusBar::updateClock);
    m_clock->start();
}

void ClockStatusBar::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
    datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
}

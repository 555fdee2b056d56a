#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// The main window's status bar: a text panel inviting to the web site, then the time and the
// date in the system's short forms, kept current by the bar itself.
class ClockStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit ClockStatusBar(QWidget* parent = nullptr);

    QLabel* const textPanel;
    // The document's encoding.
    QLabel* const encodingPanel;
    // The document's zoom.
    QLabel* const zoomPanel;
    QLabel* const timePanel;
    QLabel* const datePanel;

private:
    void updateClock();

    QTimer* m_clock;
};

#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The hidden greeting: a window of its own, outside the main window, whose three words blink
// over a picture once a second. Closing it destroys it, so the next greeting starts afresh.
class frmpilvo : public QWidget
{
    Q_OBJECT

public:
    explicit frmpilvo(QWidget* parent = nullptr);

    // Closed and waiting to be destroyed.
    bool isClosing() const { return m_closing; }

    QTimer* Timer1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Timer1_Timer();

    bool m_closing = false;
};

#pragma once

#include <QMdiSubWindow>

// A window that lives inside the main window's work area. Closing it destroys it, so that the
// next use creates it afresh.
class ChildWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget* parent = nullptr);

    // Closed and waiting to be destroyed.
    bool isClosing() const { return m_closing; }

protected:
    // Makes `content` the window's client area at a fixed size, in a small tool frame with a
    // close box and no minimise or maximise box.
    void setFixedClient(QWidget* content, QSize clientSize);
    // Gives the client area set above another fixed size.
    void setFixedClientSize(QSize clientSize);

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Fixes the outer size to the client size and the frame around it.
    void fitFrame();

    bool m_closing = false;
    QSize m_fixedClient;
};

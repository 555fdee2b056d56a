#pragma once

#include <QMdiSubWindow>
#include <functional>

// A window that lives inside the main window's work area. Closing it destroys it, so that the
// next use creates it afresh.
class ChildWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit ChildWindow(QWidget* parent = nullptr);

    // Closed and waiting to be destroyed.
    bool isClosing() const { return m_closing; }
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> mayClose) { m_mayClose = std::move(mayClose); }

Q_SIGNALS:
    // The window has closed; it is destroyed when control returns to the event loop.
    void closed();

protected:
    // How a window's designed places become pixels: as they are, or grown in proportion to a
    // desktop font larger than the one the places were designed for.
    enum class Scaling
    {
        Designed,
        FollowFont,
    };

    // Makes `content` the window's client area at a fixed size, in a small tool frame with a
    // close box and no minimise or maximise box. With FollowFont, the size and the places of
    // the controls in it grow with the desktop font. Where the work area is smaller than the
    // window, the window takes the work area's size and scrolls its content.
    void setFixedClient(QWidget* content, QSize clientSize, Scaling scaling = Scaling::Designed);
    // Gives the client area set above another fixed size.
    void setFixedClientSize(QSize clientSize);
    // The client area's whole size, scrolled or not.
    QSize fixedClientSize() const { return m_fixedClient; }
    // The client width at which the title bar shows the whole caption beside its icon and
    // buttons.
    int titleClientWidth() const;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fixes the outer size to the client size and the frame around it, or to the work area.
    void fitFrame();
    // The part of the client area shown in a work area with `room` for it.
    QSize shownClient(QSize room) const;

    bool m_closing = false;
    std::function<bool()> m_mayClose;
    QSize m_fixedClient;
    QWidget* m_content = nullptr;
    QWidget* m_workArea = nullptr;
};

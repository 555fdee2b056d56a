#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

// The one instance of a window kind: created (its load step runs) on first use, reused while it
// exists, created anew when used after it was closed. A closed window counts as gone at once,
// although Qt destroys it only when control returns to the event loop; a window kind tells
// that it is closing through isClosing().
template <class Window> class WindowSlot
{
public:
    explicit WindowSlot(std::function<Window*()> create) : m_create(std::move(create)) {}

    // The window, created first when there is none.
    Window* get()
    {
        if (!existing())
            m_window = m_create();
        return m_window;
    }

    // The window when it exists, else nullptr; never creates one.
    Window* existing() const
    {
        return m_window && !m_window->isClosing() ? m_window.data() : nullptr;
    }

private:
    std::function<Window*()> m_create;
    QPointer<Window> m_window;
};

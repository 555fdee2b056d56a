#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Ends the test program when a step that must not block has not returned in time, so that a
// hang shows as a failure instead of waiting for the test runner's own limit.
class Deadline
{
public:
    explicit Deadline(std::chrono::seconds limit)
        : m_watch([this, limit] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                  std::fputs("FAIL: a read blocked past its deadline\n", stderr);
                  std::abort();
              }
          })
    {
    }
    ~Deadline()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_watch.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_watch;
};

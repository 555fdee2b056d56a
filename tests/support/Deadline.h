#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>

// Ends the test program when a step that must not block has not returned in time, so that a
// hang shows as a failure instead of waiting for the test runner's own limit.
class Deadline
{
public:
    explicit Deadline(std::chrono::seconds limit)
        : m_watch(std::async(std::launch::async, [this, limit] {
              if (m_finished.get_future().wait_for(limit) == std::future_status::timeout) {
                  std::fputs("FAIL: a read blocked past its deadline\n", stderr);
                  std::abort();
              }
          }))
    {
    }
    // Lets the watch end; the future's destructor waits for it.
    ~Deadline() { m_finished.set_value(); }

private:
    std::promise<void> m_finished;
    std::future<void> m_watch;
};

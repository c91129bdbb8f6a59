#pragma once
// The console's one user-interface thread. Every call into the plug-in runs here, as the plug-in
// expects of a console. HTTP handlers hand work over with Run and wait; a modal dialog opened by
// that work keeps the thread inside its own loop (PumpUntil), which goes on running handed-over
// work, the way a window system's modal loop goes on dispatching messages.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace ptp::console {

class UiThread {
  public:
    enum class Outcome {
        Finished,        // the work ran to its end
        WaitingForUser,  // the work opened a dialog that now waits for the user
        StillBusy,       // the work still runs after the caller's patience ran out
        Stopped,         // the thread has stopped; the work did not run
    };

    UiThread();
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    // Runs `work` on the UI thread and returns once the thread has settled: idle again, or
    // waiting for the user in a modal loop. Not to be called on the UI thread itself.
    Outcome Run(std::function<void()> work,
                std::chrono::milliseconds patience = std::chrono::seconds(120));

    // Hands `work` to the UI thread without waiting for it (timers, background ticks).
    void Post(std::function<void()> work);

    // On the UI thread, inside a modal loop: runs handed-over work until `ready` holds. While
    // nothing is to be done the thread counts as waiting for the user. With `until`, gives up
    // at that time; returns whether `ready` held (false also when the thread is stopping).
    bool PumpUntil(const std::function<bool()>& ready,
                   std::optional<std::chrono::steady_clock::time_point> until = std::nullopt);

    // On the UI thread: wakes a pump so it looks at its `ready` condition again.
    void Wake();

    [[nodiscard]] bool OnUiThread() const;
    // Depth of nested modal loops: 0 when no dialog is open.
    [[nodiscard]] int ModalDepth() const;
    // True once Stop was called: open modal loops should close their dialogs.
    [[nodiscard]] bool Stopping() const;
    void Stop();

  private:
    void Main();

    mutable std::mutex m_mutex;
    std::condition_variable m_wakeUi;
    std::condition_variable m_settled;
    std::deque<std::function<void()>> m_queue;
    bool m_bBusy = false;
    bool m_bStopping = false;
    bool m_bStopped = false;
    int m_nModalDepth = 0;
    unsigned long m_nWakes = 0;
    std::thread m_thread;
};

}  // namespace ptp::console

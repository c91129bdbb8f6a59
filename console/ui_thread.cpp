#include "console/ui_thread.h"

#include <memory>

namespace ptp::console {

UiThread::UiThread() {
    m_thread = std::thread([this] { Main(); });
}

UiThread::~UiThread() {
    Stop();
}

void UiThread::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_bStopping = true;
    }
    m_wakeUi.notify_all();
    if (m_thread.joinable() && std::this_thread::get_id() != m_thread.get_id()) m_thread.join();
}

bool UiThread::OnUiThread() const {
    return std::this_thread::get_id() == m_thread.get_id();
}

int UiThread::ModalDepth() const {
    std::lock_guard lock(m_mutex);
    return m_nModalDepth;
}

void UiThread::Main() {
    {
        std::lock_guard lock(m_mutex);
        m_nModalDepth = -1;  // the top-level loop is not modal; PumpUntil counts it in
    }
    PumpUntil([] { return false; });
    std::lock_guard lock(m_mutex);
    m_bStopped = true;
    m_bBusy = false;
    m_queue.clear();
    m_settled.notify_all();
}

void UiThread::Wake() {
    std::lock_guard lock(m_mutex);
    ++m_nWakes;
    m_wakeUi.notify_all();
}

bool UiThread::Stopping() const {
    std::lock_guard lock(m_mutex);
    return m_bStopping;
}

bool UiThread::PumpUntil(const std::function<bool()>& ready,
                         std::optional<std::chrono::steady_clock::time_point> until) {
    std::unique_lock lock(m_mutex);
    ++m_nModalDepth;
    bool done = false;
    for (;;) {
        if (!m_queue.empty()) {
            auto work = std::move(m_queue.front());
            m_queue.pop_front();
            m_bBusy = true;
            lock.unlock();
            work();
            lock.lock();
            continue;
        }
        // `ready` reads state that only work on this thread changes, so it may run unlocked, and
        // must: it may call into the toolkit.
        lock.unlock();
        done = ready();
        lock.lock();
        if (done || m_bStopping) break;
        if (!m_queue.empty()) continue;
        if (until && std::chrono::steady_clock::now() >= *until) break;
        m_bBusy = false;
        m_settled.notify_all();
        const auto wakes = m_nWakes;
        const auto woken = [&] { return !m_queue.empty() || m_bStopping || m_nWakes != wakes; };
        if (until) {
            m_wakeUi.wait_until(lock, *until, woken);
        } else {
            m_wakeUi.wait(lock, woken);
        }
        m_bBusy = true;
    }
    --m_nModalDepth;
    return done;
}

void UiThread::Post(std::function<void()> work) {
    std::lock_guard lock(m_mutex);
    if (m_bStopping || m_bStopped) return;
    m_queue.push_back(std::move(work));
    m_bBusy = true;
    m_wakeUi.notify_all();
}

UiThread::Outcome UiThread::Run(std::function<void()> work, std::chrono::milliseconds patience) {
    struct Job {
        bool started = false;
        bool finished = false;
    };
    auto job = std::make_shared<Job>();
    std::unique_lock lock(m_mutex);
    if (m_bStopping || m_bStopped) return Outcome::Stopped;
    m_queue.push_back([this, job, work = std::move(work)] {
        {
            std::lock_guard inner(m_mutex);
            job->started = true;
        }
        work();
        std::lock_guard inner(m_mutex);
        job->finished = true;
    });
    m_bBusy = true;
    m_wakeUi.notify_all();
    const bool settled = m_settled.wait_for(lock, patience, [&] {
        return m_bStopped || ((job->started || job->finished) && !m_bBusy && m_queue.empty());
    });
    if (job->finished) return Outcome::Finished;
    if (m_bStopped && !job->started) return Outcome::Stopped;
    if (!settled) return Outcome::StillBusy;
    return Outcome::WaitingForUser;
}

}  // namespace ptp::console

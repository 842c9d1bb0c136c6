#include "imageio/WorkerPool.h"

#include <algorithm>

CWorkerPool::CWorkerPool(unsigned threads)
{
    threads = std::max(1u, threads);
    for (unsigned i = 0; i < threads; ++i) m_threads.emplace_back([this] { Run(); });
}

CWorkerPool::~CWorkerPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads) t.join();
}

CWorkerPool& CWorkerPool::Shared()
{
    // Never destroyed: a task still running when the program ends must not
    // find its pool gone.
    static CWorkerPool* pool = new CWorkerPool(std::min(4u, std::max(1u, std::thread::hardware_concurrency())));
    return *pool;
}

void CWorkerPool::Submit(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void CWorkerPool::Wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_tasks.empty() && m_nBusy == 0; });
}

void CWorkerPool::Run()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_bStop || !m_tasks.empty(); });
            if (m_tasks.empty()) return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
            ++m_nBusy;
        }
        task();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            --m_nBusy;
            if (m_tasks.empty() && m_nBusy == 0) m_idle.notify_all();
        }
    }
}

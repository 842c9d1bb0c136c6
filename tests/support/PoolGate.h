#pragma once

// Keeps every thread of the shared worker pool busy until opened, so a test
// can see what is drawn before a decode comes in. Going, it opens and waits
// for the pool to finish what it was given.

#include "imageio/WorkerPool.h"

#include <condition_variable>
#include <mutex>

class CPoolGate {
public:
    CPoolGate()
    {
        for (unsigned i = 0; i < CWorkerPool::Shared().Size(); ++i)
            CWorkerPool::Shared().Submit([this] {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return m_bOpen; });
            });
    }
    ~CPoolGate()
    {
        Open();
        CWorkerPool::Shared().Wait();
    }
    CPoolGate(const CPoolGate&) = delete;
    CPoolGate& operator=(const CPoolGate&) = delete;

    void Open()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bOpen = true;
        }
        m_wake.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bOpen = false;
};

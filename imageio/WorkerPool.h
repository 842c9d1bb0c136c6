#pragma once

// A small pool of threads for work that may run beside the drawing of a
// page: decoding pictures. Tasks run in the order they were given.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CWorkerPool {
public:
    explicit CWorkerPool(unsigned threads);
    ~CWorkerPool();
    CWorkerPool(const CWorkerPool&) = delete;
    CWorkerPool& operator=(const CWorkerPool&) = delete;

    // The pool the program shares: one thread per core, at least one. It
    // lives until the program ends.
    static CWorkerPool& Shared();

    void Submit(std::function<void()> task);
    // Waits until every task given so far has run.
    void Wait();
    unsigned Size() const { return static_cast<unsigned>(m_threads.size()); }

private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_tasks;
    unsigned m_nBusy = 0;
    bool m_bStop = false;
    std::vector<std::thread> m_threads;
};

#pragma once

// Qt's raster paint engine splits a large fill of a widget's backing store
// over Qt's global thread pool and waits for the parts on a QSemaphore; the
// pool hands each part to one of its threads through a queue under a QMutex
// and deletes it there. Qt comes from the distribution, not built with
// ThreadSanitizer, and both primitives wait on futexes the sanitizer does
// not see, so painting reads as races between the main thread and the
// pool's threads ("Thread (pooled)"), every one of them inside Qt: Qt's
// allocations and frees of its tasks and queue, and its copies into the
// backing store.
//
// While a GUI test runs under ThreadSanitizer, an object of this class
// keeps every thread of that pool started and has the sanitizer ignore the
// memory accesses made on them; it ends that before the application ends
// the threads. Nothing of ours runs on them: our threads are std::thread
// and we hand Qt's threads no work (the test own_threads_are_std_thread
// holds the sources to that), so our threads and the main thread stay
// fully checked. Elsewhere it does nothing.

#if defined(__SANITIZE_THREAD__)
#define QXP_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QXP_THREAD_SANITIZER 1
#endif
#endif

#if defined(QXP_THREAD_SANITIZER)
#include <QSemaphore>
#include <QThreadPool>

extern "C" void __tsan_ignore_thread_begin();
extern "C" void __tsan_ignore_thread_end();
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
#endif

namespace GuiTest {

class QtPoolThreadsIgnored
{
public:
#if defined(QXP_THREAD_SANITIZER)
    QtPoolThreadsIgnored()
    {
        // Kept for the whole run, so no thread starts later unmarked.
        QThreadPool::globalInstance()->setExpiryTimeout(-1);
        OnEveryThread(&__tsan_ignore_thread_begin);
    }
    ~QtPoolThreadsIgnored()
    {
        OnEveryThread(&__tsan_ignore_thread_end);
    }

private:
    // Each call waits until all have started, so each has a thread of its
    // own and every thread the pool may use runs one. Qt hands the tasks over
    // out of the sanitizer's sight, so it is told of each hand-over through
    // `handOver`: once before the tasks are made (for a thread that runs
    // unignored from the start), and once after Qt has wrapped them all and
    // before any thread switches, so a thread that has just stopped being
    // ignored sees nothing of ours or of Qt's wrappers as a race when it
    // reads the task or Qt frees it. The semaphores are never destroyed: a
    // thread may still be inside `release()` of the last one when this
    // returns.
    static void OnEveryThread(void (*call)())
    {
        static char handOver;
        static auto* started = new QSemaphore;
        static auto* release = new QSemaphore;
        static auto* finished = new QSemaphore;
        QThreadPool* pool = QThreadPool::globalInstance();
        const int count = pool->maxThreadCount();
        __tsan_release(&handOver);
        for (int i = 0; i < count; ++i) {
            pool->start([call] {
                __tsan_acquire(&handOver);
                started->release();
                release->acquire();
                __tsan_acquire(&handOver);
                call();
                finished->release();
            });
        }
        started->acquire(count);
        __tsan_release(&handOver);
        release->release(count);
        finished->acquire(count);
    }
#endif
};

} // namespace GuiTest

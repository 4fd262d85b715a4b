// The serialiser on the main thread while the main thread waits for connection threads: work
// queued before the wait and work handed over during it must still run one piece at a time.
#include "server/qt/QtSerialisierer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Holds back the queued calls to the main thread, so that handed-over work stays queued until
// the main thread waits.
class Zurueckhalten : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MetaCall)
            return false;
        gefangen = true;
        return true;
    }
    bool gefangen = false;
};

} // namespace

class QtSerialisiererTest : public QObject {
    Q_OBJECT
private slots:
    void queuedWorkAndWorkHandedOverWhileWaitingNeverOverlap() {
        QtSerialisierer serialisierer;
        Zurueckhalten filter;
        QCoreApplication::instance()->installEventFilter(&filter);

        std::mutex m;
        std::condition_variable cv;
        bool zweiteLief = false;
        bool ueberlappt = false;
        std::thread zweiter;
        // The first piece runs when the main thread starts waiting; while it runs, a second
        // thread hands over its own piece, which must wait until the first is done.
        std::thread erster([&] {
            serialisierer.Ausfuehren([&] {
                zweiter = std::thread([&] {
                    serialisierer.Ausfuehren([&] {
                        std::lock_guard lock(m);
                        zweiteLief = true;
                        cv.notify_all();
                    });
                });
                std::unique_lock lock(m);
                ueberlappt =
                    cv.wait_for(lock, std::chrono::milliseconds(300), [&] { return zweiteLief; });
            });
        });
        QTRY_VERIFY(filter.gefangen);
        QCoreApplication::instance()->removeEventFilter(&filter);

        serialisierer.WaehrendHauptthreadWartet([&] {
            erster.join();
            zweiter.join();
        });
        QVERIFY(zweiteLief);
        QVERIFY2(!ueberlappt, "the second piece ran while the first was still running");
    }
};

QTEST_MAIN(QtSerialisiererTest)
#include "QtSerialisiererTest.moc"

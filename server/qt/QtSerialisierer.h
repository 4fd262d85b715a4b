#pragma once
// The program's serialiser: work handed over by a connection thread runs on the main thread,
// queued to its event loop, while the connection thread waits. The event loop of a modal dialog
// serves the queue as well, so a result a client sends while a dialog is open is stored at once.
// Work the main thread hands over runs at once.
#include "server/Serialisierer.h"

#include <QObject>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

class QtSerialisierer : public Serialisierer {
public:
    // Created on the main thread, whose event loop will run the work.
    QtSerialisierer();
    ~QtSerialisierer() override;

    void Ausfuehren(const std::function<void()>& work) override;
    // While warten runs, handed-over work runs on the handing thread itself, one piece at a
    // time: the main thread is busy waiting and touches nothing meanwhile.
    void WaehrendHauptthreadWartet(const std::function<void()>& warten) override;

private:
    // One piece of work and the waiting thread's own signal: finishing one piece wakes only
    // the thread that handed it over.
    struct Auftrag {
        const std::function<void()>* work = nullptr;
        std::exception_ptr fehler;
        std::mutex mutex;
        std::condition_variable erledigt;
        bool fertig = false;
    };

    // Runs every piece handed over so far; on the main thread.
    void Abarbeiten();
    // Runs the pieces and wakes each one's thread.
    static void Erledigen(const std::vector<Auftrag*>& auftraege);

    QObject hauptthread_; // lives on the main thread; the queued calls go to it
    std::mutex mutex_;
    std::vector<Auftrag*> warteschlange_;
    bool angefordert_ = false; // a call to Abarbeiten is queued
    bool direkt_ = false;      // the main thread waits in WaehrendHauptthreadWartet
};

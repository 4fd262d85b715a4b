#include "server/qt/QtSerialisierer.h"

#include <QMetaObject>
#include <QThread>

QtSerialisierer::QtSerialisierer() = default;

QtSerialisierer::~QtSerialisierer() {
    // Nothing may be left waiting for a main thread that no longer listens.
    Abarbeiten();
}

void QtSerialisierer::Ausfuehren(const std::function<void()>& work) {
    if (QThread::currentThread() == hauptthread_.thread()) {
        work();
        return;
    }
    std::unique_lock lock(mutex_);
    if (direkt_) {
        work(); // under the lock: one piece at a time
        return;
    }
    Auftrag auftrag;
    auftrag.work = &work;
    warteschlange_.push_back(&auftrag);
    const bool anfordern = !angefordert_;
    angefordert_ = true;
    lock.unlock();
    if (anfordern)
        QMetaObject::invokeMethod(
            &hauptthread_, [this] { Abarbeiten(); }, Qt::QueuedConnection);
    std::unique_lock warten(auftrag.mutex);
    auftrag.erledigt.wait(warten, [&] { return auftrag.fertig; });
    if (auftrag.fehler)
        std::rethrow_exception(auftrag.fehler);
}

void QtSerialisierer::Abarbeiten() {
    std::vector<Auftrag*> auftraege;
    {
        std::lock_guard lock(mutex_);
        auftraege.swap(warteschlange_);
        angefordert_ = false;
    }
    Erledigen(auftraege);
}

void QtSerialisierer::Erledigen(const std::vector<Auftrag*>& auftraege) {
    for (Auftrag* a : auftraege) {
        try {
            (*a->work)();
        } catch (...) {
            a->fehler = std::current_exception();
        }
        std::lock_guard lock(a->mutex);
        a->fertig = true;
        a->erledigt.notify_one(); // a is gone once its thread wakes
    }
}

void QtSerialisierer::WaehrendHauptthreadWartet(const std::function<void()>& warten) {
    {
        // What was queued before runs here under the lock: work handed over from now on runs
        // on its own thread under the same lock, so never beside it.
        std::lock_guard lock(mutex_);
        direkt_ = true;
        std::vector<Auftrag*> auftraege;
        auftraege.swap(warteschlange_);
        angefordert_ = false;
        Erledigen(auftraege);
    }
    struct Ende {
        QtSerialisierer& s;
        ~Ende() {
            std::lock_guard lock(s.mutex_);
            s.direkt_ = false;
        }
    } ende{*this};
    warten();
}

#include "server/Serialisierer.h"

void MutexSerialisierer::Ausfuehren(const std::function<void()>& work) {
    std::lock_guard lock(mutex_);
    work();
}

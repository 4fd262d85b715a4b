#include "platform/Guarded.h"

#include "platform/Messages.h"

#include <exception>
#include <new>

bool Guarded(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::bad_alloc&) {
        Messages().ShowError("Zu wenig Arbeitsspeicher");
    } catch (const std::exception& e) {
        Messages().ShowError(e.what());
    }
    return false;
}

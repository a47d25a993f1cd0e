// GoogleTest's port customisation, found before its own (empty) one. The Windows thread
// model of the MinGW toolchain here has no std::mutex or std::condition_variable, on which
// GoogleTest builds its Notification; this one waits on a Win32 event instead.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : FEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(FEvent); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { SetEvent(FEvent); }
    void WaitForNotification() { WaitForSingleObject(FEvent, INFINITE); }

private:
    HANDLE FEvent;
};

} // namespace internal
} // namespace testing

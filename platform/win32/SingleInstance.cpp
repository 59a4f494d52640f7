#include "platform/win32/SingleInstance.h"

SingleInstance::SingleInstance()
{
    // Local\ keeps instances in other logon sessions (fast user switching) independent.
    mutex_.reset(CreateMutexW(nullptr, FALSE, L"Local\\Halcyra.SingleInstance"));
    anotherIsRunning_ = GetLastError() == ERROR_ALREADY_EXISTS;
}

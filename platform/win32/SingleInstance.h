#pragma once
#include "platform/win32/Handles.h"

// Holds the program's instance mutex for as long as it lives.
class SingleInstance {
public:
    SingleInstance();
    // True when another instance of the program already holds the mutex.
    bool AnotherIsRunning() const { return anotherIsRunning_; }

private:
    UniqueKernelHandle mutex_;
    bool anotherIsRunning_ = false;
};

#pragma once

// Writes (enable) or deletes the program's value in the current user's Run key, and
// always deletes the earlier edition's value there.
void ApplyStartWithWindows(bool enable);

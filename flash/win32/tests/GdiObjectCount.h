#pragma once
#include <cstddef>

// The number of GDI objects the process holds. Windows answers GetGuiResources; under Wine
// that is a stub returning 0, so there the live entries of the process's GDI handle table
// (reachable from the PEB) are counted instead. Returns 0 when neither is available.
std::size_t GdiObjectCount();

// The process's private memory in bytes.
std::size_t PrivateBytes();

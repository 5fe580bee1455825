#pragma once
// Movable global memory blocks: the subset of GlobalAlloc, GlobalLock,
// GlobalHandle, GlobalUnlock and GlobalFree that frame images use. The
// Windows build forwards to the system calls (global_memory_win.cpp); the
// native build has a stand-in with the same semantics (global_memory.cpp).
#include <cstddef>

namespace gmem {

using Handle = void*;

// A zero-filled movable block of size bytes (GMEM_MOVEABLE | GMEM_ZEROINIT),
// or nullptr when it cannot be had.
Handle AllocZeroed(size_t size);
// The block's address while locked, or nullptr.
void* Lock(Handle block);
// The handle of the block that a locked address belongs to.
Handle FromAddress(const void* address);
void Unlock(Handle block);
void Free(Handle block);

}  // namespace gmem

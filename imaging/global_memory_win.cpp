#include "imaging/global_memory.h"

#include <windows.h>

namespace gmem {

Handle AllocZeroed(size_t size) { return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size); }

void* Lock(Handle block) { return block ? GlobalLock(static_cast<HGLOBAL>(block)) : nullptr; }

Handle FromAddress(const void* address) { return GlobalHandle(address); }

void Unlock(Handle block) { GlobalUnlock(static_cast<HGLOBAL>(block)); }

void Free(Handle block) { GlobalFree(static_cast<HGLOBAL>(block)); }

}  // namespace gmem

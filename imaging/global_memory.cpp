// Native stand-in for the global memory calls: a block is one calloc'd
// allocation whose first bytes record its lock count, so a locked address
// leads back to its handle as GlobalHandle does.
#include "imaging/global_memory.h"

#include <cassert>
#include <cstdint>
#include <cstdlib>

namespace gmem {
namespace {

struct alignas(16) BlockHead {
  uint32_t magic;
  uint32_t lockCount;
};
constexpr uint32_t kMagic = 0x474d454d;  // "GMEM"

BlockHead* Head(Handle block) { return static_cast<BlockHead*>(block); }

}  // namespace

Handle AllocZeroed(size_t size) {
  if (size > SIZE_MAX - sizeof(BlockHead)) return nullptr;
  void* raw = std::calloc(1, sizeof(BlockHead) + size);
  if (!raw) return nullptr;
  Head(raw)->magic = kMagic;
  return raw;
}

void* Lock(Handle block) {
  if (!block) return nullptr;
  BlockHead* head = Head(block);
  assert(head->magic == kMagic);
  ++head->lockCount;
  return head + 1;
}

Handle FromAddress(const void* address) {
  if (!address) return nullptr;
  const BlockHead* head = static_cast<const BlockHead*>(address) - 1;
  return head->magic == kMagic ? const_cast<BlockHead*>(head) : nullptr;
}

void Unlock(Handle block) {
  if (block && Head(block)->lockCount > 0) --Head(block)->lockCount;
}

void Free(Handle block) {
  if (!block) return;
  Head(block)->magic = 0;
  std::free(block);
}

}  // namespace gmem

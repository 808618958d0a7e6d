// Zeroed blocks as anonymous mappings aligned to huge pages.
#include "state/zeroed_block.h"

#include <sys/mman.h>

#include <cstdint>

namespace pyk {

void* MapZeroed(std::size_t bytes, bool hugePages) {
  // Mapped a huge page longer, then trimmed to a huge-page boundary, so that
  // the kernel can back the block with huge pages where it allows them.
  const std::size_t length = bytes + kHugePageBytes;
  void* raw = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
  if (aligned > start) ::munmap(raw, aligned - start);
  const std::uintptr_t end = start + length, used = aligned + bytes;
  const std::uintptr_t tail = (used + 4095) & ~std::uintptr_t{4095};
  if (end > tail) ::munmap(reinterpret_cast<void*>(tail), end - tail);
  void* block = reinterpret_cast<void*>(aligned);
  if (hugePages) ::madvise(block, bytes, MADV_HUGEPAGE);  // advice only: the block works without them
  return block;
}

void UnmapZeroed(void* block, std::size_t bytes) {
  if (block != nullptr) ::munmap(block, bytes);
}

}  // namespace pyk

// Large work blocks that cost nothing until written: anonymous mappings hand
// out zero pages on first write, and huge pages make that first write cheap.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

namespace pyk {

// A zero-filled block of at least bytes, or nullptr; freed with UnmapZeroed.
// Huge pages suit blocks that are written whole; a block of which only the
// start is used is better without them, as each page is cleared when first written.
void* MapZeroed(std::size_t bytes, bool hugePages = true);
void UnmapZeroed(void* block, std::size_t bytes);

template <class T>
struct ZeroedFree {
  void operator()(T* p) const { UnmapZeroed(p, sizeof(T)); }
};
// T is plain data (arrays of numbers), which the zero pages hold as all zeros.
template <class T>
using ZeroedPtr = std::unique_ptr<T, ZeroedFree<T>>;

template <class T>
ZeroedPtr<T> AllocateZeroed(bool hugePages = true) {
  return ZeroedPtr<T>(static_cast<T*>(MapZeroed(sizeof(T), hugePages)));
}

// The size of a huge page, to which blocks meant for them are rounded up.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;
constexpr std::size_t RoundUpToHugePage(std::size_t bytes) {
  return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
}

// An allocator of such blocks, for large arrays written whole: where the first
// write to each small page is dear, as in virtual machines, they are far cheaper.
// Each block is whole huge pages long, so that its last part is one too.
template <class T>
struct HugePageAllocator {
  using value_type = T;
  HugePageAllocator() = default;
  template <class U>
  HugePageAllocator(const HugePageAllocator<U>&) {}
  T* allocate(std::size_t n) {
    void* p = MapZeroed(RoundUpToHugePage(n * sizeof(T)));
    if (p == nullptr) std::abort();  // out of memory: the program ends, as a failed std::allocator ends it
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t n) { UnmapZeroed(p, RoundUpToHugePage(n * sizeof(T))); }
  friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }
};

// Under AddressSanitizer the arrays stay on the heap, whose blocks it guards.
#if defined(__SANITIZE_ADDRESS__)
#define PYK_HEAP_GUARDED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PYK_HEAP_GUARDED 1
#endif
#endif
#ifdef PYK_HEAP_GUARDED
template <class T>
using HugePageVector = std::vector<T>;
#else
template <class T>
using HugePageVector = std::vector<T, HugePageAllocator<T>>;
#endif

}  // namespace pyk

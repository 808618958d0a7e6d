// Large work blocks that cost nothing until written: anonymous mappings hand
// out zero pages on first write, and huge pages make that first write cheap.
#pragma once

#include <cstddef>
#include <memory>

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

}  // namespace pyk

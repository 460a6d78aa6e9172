// An allocator for large buffers that are written whole as soon as they are
// made, such as bitmaps: their pages are mapped in at once rather than one
// fault per page on first touch, which for a version-40 QR Code's bitmap is a
// couple of hundred faults.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <memory>
#include <new>

namespace kbc {

template <typename T>
struct PrefaultedAllocator {
  using value_type = T;
  // Below this, the heap's own pages serve as well.
  static constexpr std::size_t kMappedBytes = 128 * 1024;

  PrefaultedAllocator() = default;
  template <typename U>
  PrefaultedAllocator(const PrefaultedAllocator<U>&) {}

  T* allocate(std::size_t count) {
    const std::size_t bytes = count * sizeof(T);
    if (bytes < kMappedBytes) return std::allocator<T>().allocate(count);
    int flags = MAP_PRIVATE | MAP_ANONYMOUS;
#ifdef MAP_POPULATE
    flags |= MAP_POPULATE;
#endif
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, flags, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    return static_cast<T*>(memory);
  }

  void deallocate(T* memory, std::size_t count) {
    const std::size_t bytes = count * sizeof(T);
    if (bytes < kMappedBytes) {
      std::allocator<T>().deallocate(memory, count);
      return;
    }
    munmap(memory, bytes);
  }

  template <typename U>
  bool operator==(const PrefaultedAllocator<U>&) const {
    return true;
  }
};

}  // namespace kbc

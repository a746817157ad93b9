#include "fuzz/allocation_meter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace celforo::fuzz {
namespace {

thread_local bool counting = false;
thread_local std::ptrdiff_t held = 0;
thread_local std::ptrdiff_t peak = 0;

#if defined(__GLIBC__)
std::ptrdiff_t SizeOf(void* pointer) {
  return static_cast<std::ptrdiff_t>(malloc_usable_size(pointer));
}
#else
std::ptrdiff_t SizeOf(void*) {
  return 0;
}
#endif

}  // namespace

bool AllocationMeterWorks() {
#if defined(__GLIBC__)
  return true;
#else
  return false;
#endif
}

void StartAllocationMeter() {
  held = 0;
  peak = 0;
  counting = true;
}

std::size_t StopAllocationMeter() {
  counting = false;
  return static_cast<std::size_t>(peak);
}

}  // namespace celforo::fuzz

// The program's operator new and delete, on malloc and free, counted while
// the meter runs. Memory freed then that was taken before counts as negative.
namespace {

void* Allocate(std::size_t size) {
  void* pointer = std::malloc(size == 0 ? 1 : size);
  if (pointer == nullptr) throw std::bad_alloc();
  if (celforo::fuzz::counting) {
    celforo::fuzz::held += celforo::fuzz::SizeOf(pointer);
    celforo::fuzz::peak = std::max(celforo::fuzz::peak, celforo::fuzz::held);
  }
  return pointer;
}

void Free(void* pointer) noexcept {
  if (pointer != nullptr && celforo::fuzz::counting)
    celforo::fuzz::held -= celforo::fuzz::SizeOf(pointer);
  std::free(pointer);
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void operator delete(void* pointer) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer) noexcept {
  Free(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  Free(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  Free(pointer);
}

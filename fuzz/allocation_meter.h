// Measures the heap a piece of code holds at its peak, by counting the
// allocations made through operator new on the calling thread.
#pragma once

#include <cstddef>

namespace celforo::fuzz {

// Whether this build can count (it needs the C library to tell the size of
// an allocation; glibc can).
bool AllocationMeterWorks();

// Starts counting from zero.
void StartAllocationMeter();

// Stops counting; gives the largest number of bytes held at once since the
// start, beyond what was held then.
std::size_t StopAllocationMeter();

}  // namespace celforo::fuzz

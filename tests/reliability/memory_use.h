#pragma once

// How much memory this process uses, for checking that a long run does not grow.

#include <cstddef>

namespace glint::reliability {

// The bytes held on the heap right now, by the allocator's own count (under AddressSanitizer, by
// its allocator's). Unlike the resident size it leaves out freed memory kept for reuse, so it
// comes back to the same figure at the same point of a repeating cycle.
std::size_t heapInUse();

// The resident set size, in bytes.
std::size_t residentBytes();

}  // namespace glint::reliability

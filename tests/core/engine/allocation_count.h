#pragma once
// Every allocation of the test program is counted, so a test can show that
// an engine routine allocates nothing. This replaces the global operator new
// and delete: include it in one file of a test program only. Kept out of
// line, so the compiler does not pair their malloc and free with the new
// and delete of their callers.

#include <atomic>
#include <cstdlib>
#include <new>

namespace tavlo::testing_support {

inline std::atomic<long> allocations{0};

}  // namespace tavlo::testing_support

[[gnu::noinline]] void* operator new(std::size_t size) {
  ++tavlo::testing_support::allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

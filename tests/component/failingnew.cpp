// Allocations that fail on request, so that a C host sees an exception thrown inside the component's calls:
// the host program's operator new takes the place of the one in every library it loads.
#include <cstdlib>
#include <new>

namespace {
int allocationsLeft = -1; // none: no allocation fails
}

extern "C" void failAllocationsAfter(int count) {
    allocationsLeft = count;
}

void* operator new(std::size_t size) {
    if (allocationsLeft == 0) throw std::bad_alloc();
    if (allocationsLeft > 0) --allocationsLeft;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

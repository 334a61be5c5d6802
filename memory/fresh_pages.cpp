#include "memory/fresh_pages.h"

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

void mapFreshPages(void* start, std::size_t bytes)
{
#ifdef MADV_POPULATE_WRITE
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto begin = std::uintptr_t(start);
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t end = (begin + bytes) & ~(page - 1);
    if (start && end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    (void)start;
    (void)bytes;
#endif
}

#pragma once

#include <cstddef>
#include <vector>

// Memory just allocated costs a page fault at the first touch of each of its pages. On
// some machines (virtual ones above all) a fault costs as much as drawing a few
// thousand pixels, and the sheets, the view and the image read at start-up are several
// megabytes of fresh memory. Asking the kernel to map the whole run at once costs about
// half of touching it page by page.
//
// Maps the whole pages inside [start, start + bytes) for writing. Where the kernel
// cannot, nothing happens and the first touches fault the pages in as they always do;
// the contents are never changed either way.
void mapFreshPages(void* start, std::size_t bytes);

// values.assign(count, value), with new storage, when it needs any, mapped in one go.
template <typename T>
void assignMapped(std::vector<T>& values, std::size_t count, const T& value)
{
    if (count > values.capacity()) {
        std::vector<T>().swap(values);
        values.reserve(count);
        mapFreshPages(values.data(), count * sizeof(T));
    }
    values.assign(count, value);
}

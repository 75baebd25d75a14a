// Whether memory can be read or written, asked of the system instead of
// touched: a pointer another process handed over (a message's lParam) may
// point anywhere.
#pragma once

#include <cstddef>

namespace fw {

// Whether all `size` bytes at `p` are committed and can be read, or written.
bool IsReadable(const void* p, std::size_t size);
bool IsWritable(void* p, std::size_t size);

}  // namespace fw

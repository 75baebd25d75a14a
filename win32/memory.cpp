#include "win32/memory.h"

#include <windows.h>

#include <cstdint>

namespace fw {
namespace {

bool HasAccess(const void* p, std::size_t size, DWORD access) {
    // Counted in numbers, not pointers: a range that would run past the top
    // of the address space wraps round to look empty.
    auto at = reinterpret_cast<std::uintptr_t>(p);
    if (at == 0 || size > UINTPTR_MAX - at) return false;
    const std::uintptr_t end = at + size;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info;
        if (::VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof(info)) == 0 || info.State != MEM_COMMIT)
            return false;
        if (!(info.Protect & access) || (info.Protect & PAGE_GUARD)) return false;
        const auto next = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
        if (next <= at) return false;  // the last region, ending at the top
        at = next;
    }
    return true;
}

}  // namespace

bool IsReadable(const void* p, std::size_t size) {
    return HasAccess(p, size, PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                                  PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY);
}

bool IsWritable(void* p, std::size_t size) {
    return HasAccess(p, size, PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY);
}

}  // namespace fw

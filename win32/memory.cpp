#include "win32/memory.h"

#include <windows.h>

namespace fw {
namespace {

bool HasAccess(const void* p, std::size_t size, DWORD access) {
    if (p == nullptr) return false;
    const auto* at = static_cast<const BYTE*>(p);
    const auto* end = at + size;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info;
        if (::VirtualQuery(at, &info, sizeof(info)) == 0 || info.State != MEM_COMMIT) return false;
        if (!(info.Protect & access) || (info.Protect & PAGE_GUARD)) return false;
        at = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize;
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

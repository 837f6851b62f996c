// The one allocator behind every text, byte-set and array block: the
// process's default heap. Constants registered as static ranges are never
// handed to the heap.
#include "runtime/core/memory_service.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>

#include "runtime/core/error_report.h"
#include "runtime/core/static_ranges.h"
#include "runtime/core/value.h"

namespace lp {

namespace {

// Blocks handed out and not yet given back, so that a test can tell whether
// an action leaves anything of ours behind.
std::atomic<int32_t> blocksInUse{0};

// The heap choice lives here and nowhere else.
HANDLE heap() {
  static const HANDLE handle = GetProcessHeap();
  return handle;
}
void* heapTake(int32_t size) {
  void* block = HeapAlloc(heap(), 0, static_cast<SIZE_T>(size));
  if (block) ++blocksInUse;
  return block;
}
void* heapResize(void* block, int32_t size) {
  return HeapReAlloc(heap(), 0, block, static_cast<SIZE_T>(size));
}
void heapGive(void* block) {
  if (HeapFree(heap(), 0, block)) --blocksInUse;
}

[[noreturn]] void allocationFailed(int64_t size) {
  char text[64];
  std::snprintf(text, sizeof text, "分配 %lld 字节内存失败!", static_cast<long long>(size));
  reportError(text, 0);
}

}  // namespace

int32_t liveBlockCount() { return blocksInUse; }

void* tryAllocate(int32_t size) {
  // A negative size would turn into an enormous unsigned request.
  if (size < 0) return nullptr;
  return heapTake(size);
}

void* allocate(int32_t size) {
  void* block = tryAllocate(size);
  if (!block) allocationFailed(size);
  return block;
}

void release(void* block) {
  if (!block || isStatic(block)) return;
  heapGive(block);
}

void* reallocate(void* block, int32_t size) {
  if (!block) return allocate(size);
  if (const StaticRange* range = findStaticRange(block)) {
    void* fresh = allocate(size);
    uintptr_t available = range->end - reinterpret_cast<uintptr_t>(block);
    std::memcpy(fresh, block, available < static_cast<uintptr_t>(size) ? available : size);
    return fresh;
  }
  void* moved = size < 0 ? nullptr : heapResize(block, size);
  if (!moved) allocationFailed(size);
  return moved;
}

void makePrivate(int32_t elementSize, void** variable) {
  if (!variable) return;
  const StaticRange* range = findStaticRange(*variable);
  if (!range) return;
  const void* constant = *variable;
  int64_t total = arrayHeaderSize(constant) + arrayElementCount(constant) * elementSize;
  if (total > INT32_MAX || total < 0) allocationFailed(total);
  void* copy = allocate(static_cast<int32_t>(total));
  // A damaged header must not lead the copy past the constant segment.
  uintptr_t available = range->end - reinterpret_cast<uintptr_t>(constant);
  std::memcpy(copy, constant,
              available < static_cast<uintptr_t>(total) ? available : static_cast<size_t>(total));
  *variable = copy;
}

}  // namespace lp

// The one allocator that the application, the commands and the components
// share, with the program's constant segment registered as a static range
// that is never freed.
#pragma once
#include <cstdint>

namespace lp {

// allocate never returns null: a refusal raises the run-time error report.
void* allocate(int32_t size);
// null and pointers inside a static range are ignored.
void release(void* block);
// null behaves as allocate; a pointer into a static range gets a fresh block
// holding the bytes up to the end of that range (the constant stays intact).
void* reallocate(void* block, int32_t size);
// Allocation that gives null on failure instead of reporting it.
void* tryAllocate(int32_t size);

// How many heap blocks are allocated and not yet released.
int32_t liveBlockCount();

void addStaticRange(const void* start, uint32_t length);
bool isStatic(const void* pointer);
void clearStaticRanges();

// When the array block *variable points into a static range, replaces it by a
// private heap copy (header plus element count x elementSize bytes).
void makePrivate(int32_t elementSize, void** variable);

// Runtime-side copies; each result is freed with release().
char* copyText(const char* source, int32_t length);   // null when length < 1
char* copyText(const char* source);                    // null for null or ""
void* makeByteSet(const void* source, int32_t length); // null when length is 0

}  // namespace lp

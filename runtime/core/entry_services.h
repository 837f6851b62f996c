// The entry-service table: the only way the compiled application reaches the
// runtime. Thirteen consecutive code pointers; arguments are 32-bit words.
#pragma once
#include <cstdint>
#include "runtime/core/program_header.h"

namespace lp {

struct EntryServices {
  void (*reportErrorByCode)(int32_t code);                        // 0
  uintptr_t (*callDllCommand)(int32_t index, int32_t argCount,
                              const uintptr_t* args);                      // 1
  ValueRecord (*callLibraryCommand)(CommandFn fn, int32_t argCount,
                                    const ValueRecord* args);                  // 2
  ValueRecord (*callCoreCommand)(CommandFn fn, int32_t argCount,
                                 const ValueRecord* args);                     // 3
  uint64_t (*readProperty)(uint32_t window, uint32_t unit, int32_t property,
                           int32_t member);                                    // 4
  void (*writeProperty)(uint32_t window, uint32_t unit, int32_t property,
                        int32_t member, uint32_t low, uint32_t high);          // 5
  void* (*allocate)(int32_t size);                                             // 6
  void* (*reallocate)(void* block, int32_t size);                              // 7
  void (*free)(void* block);                                                   // 8
  void (*exitProcess)(int32_t code);                              // 9
  void (*run)();                                                               // 10
  void (*loadStartWindow)(uint32_t windowId);                                  // 11
  uintptr_t (*runtimeService)(int32_t number, uintptr_t a, uintptr_t b, uintptr_t c,
                              uintptr_t d);                                    // 12
};

// Runtime services reached through slot 12.
enum RuntimeService : int32_t {
  kServiceNextFile = 0,
  kServiceCloseFind = 1,
  kServiceMakePrivate = 2,
  kServiceRegisterCleanup = 3,
  kServiceReadTypedProperty = 4,
  kServiceWriteTypedProperty = 5,
  kServiceInitialise = 6,
};

}  // namespace lp

// Defined by the runtime.
extern "C" const lp::EntryServices lp_entry_services;

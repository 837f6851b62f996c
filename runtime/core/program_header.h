// The program header: the record through which the runtime finds the
// application's data in the image (constants, window templates, libraries,
// DLL commands). Written by the build, read once at start-up.
#pragma once
#include <cstdint>
#include "runtime/core/value.h"

namespace lp {

// A library command: (result record, argument count, first argument record).
typedef void (*CommandFn)(ValueRecord* result, int32_t argCount, ValueRecord* args);
// The runtime's library-service entry, handed to each library at start-up.
// Its words may carry addresses, so they are pointer-sized.
typedef intptr_t (*LibraryServiceFn)(int32_t code, uintptr_t first, uintptr_t second);
// A library's notification function: 1 at start-up (first = the library-service
// entry), 6 at shutdown (first = the library's data word); -1 for others.
typedef intptr_t (*LibraryNotifyFn)(int32_t notification, uintptr_t first, uintptr_t second);

struct ComponentTypeRecord;  // component types, see the component base

// One per component library, 36 words.
struct LibraryInfo {
  uint32_t format;  // 0x1312D65
  uint32_t identity[8];
  const char* displayName;
  uint32_t language;  // 1
  const char* description;
  uint32_t state;
  uint32_t reserved1[8];
  int32_t typeCount;
  const ComponentTypeRecord* types;
  uint32_t reserved2[2];
  int32_t commandCount;
  uint32_t reserved3;
  const CommandFn* commands;
  uint32_t reserved4[2];
  LibraryNotifyFn notify;
  uint32_t reserved5[5];
};

constexpr uint32_t kLibraryFormat = 0x1312D65u;

struct ProgramHeader {
  uint32_t runMode;
  uint32_t secondMode;
  uint32_t buildWord;
  const void* codeBase;
  const unsigned char* constants;
  uint32_t constantsLength;
  const unsigned char* templates;
  uint32_t templatesLength;
  uint32_t libraryCount;
  const LibraryInfo* const* libraries;
  uint32_t dllCommandCount;
  const char* const* dllFiles;
  const char* const* dllExports;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(LibraryInfo) == 36 * 4, "library records are 36 words");
static_assert(sizeof(ProgramHeader) == 13 * 4, "the program header is 13 words");
#endif

// Library numbers of this program (position in the library table + 1).
enum LibraryNumber : uint32_t {
  kCoreLibrary = 1,
  kExtendedInterfaceLibrary = 2,
  kSystemInterfaceLibrary = 3,
  kDataOperationsLibrary = 4,
  kSpecialFunctionsLibrary = 5,
  kApplicationInterfaceLibrary = 6,
};

}  // namespace lp

// Defined by the program (app/), read by the runtime.
extern "C" const lp::ProgramHeader lp_program_header;
// The compiled application's entry routine, called once by the process entry.
extern "C" int lp_program_entry();

// A test library of fake component types standing beside the real Core
// Library: a button that may act as the default button, a label with the
// label mnemonic behaviour, an edit box that may want keys for itself, and
// a window component type without a Win32 part (it stands as the placeholder).
// Their property data block: u32 flags (bit 0 default button, bit 1 wants
// Enter, bit 2 creation style "rebuild me"), then the caption as a counted text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/program_header.h"

namespace test {

constexpr uint32_t kFakeLibrary = 2;
constexpr uint32_t kFakeButton = (kFakeLibrary << 16) | 1;
constexpr uint32_t kFakeLabel = (kFakeLibrary << 16) | 2;
constexpr uint32_t kFakeEdit = (kFakeLibrary << 16) | 3;
constexpr uint32_t kFakeUnbuilt = (kFakeLibrary << 16) | 4;

constexpr uint32_t kFakeDefault = 1, kFakeWantsEnter = 2, kFakeRecreate = 4;

std::vector<uint8_t> fakeBlock(uint32_t flags, const std::string& caption);

extern const lp::LibraryInfo kFakeLibraryInfo;
// How many fake components were created so far.
int fakeCreations();

}  // namespace test

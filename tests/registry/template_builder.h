// Small window templates for tests, loaded straight into the registry.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/event_dispatch.h"
#include "runtime/core/template_format.h"

namespace fake {

constexpr uint32_t kWindowA = 0x52010001u;
constexpr uint32_t kWindowB = 0x52010002u;
constexpr uint32_t kOwnUnitA = 0x06010000u;
constexpr uint32_t kOwnUnitB = 0x06010100u;

// The address every handler offset is relative to.
const void* codeBase();
// The stored offset of a test handler.
int32_t offsetOf(lp::EventHandler handler);

lp::UnitRecord windowUnit(uint32_t id, int32_t left, int32_t top, int32_t width, int32_t height);
lp::UnitRecord childUnit(uint32_t id, uint32_t type, int32_t left, int32_t top, uint32_t parent = 0);
lp::UnitRecord menuUnit(uint32_t id, const std::string& caption, int32_t level, int32_t hotKey,
                        uint32_t flags = 0, int32_t handlerOffset = -1);
void bind(lp::UnitRecord& unit, int32_t event, lp::EventHandler handler);

// Serialises the windows, reads them back through the runtime's read-in and
// fix-up, and installs the fake library.
void loadTemplates(const std::vector<lp::WindowTemplate>& windows);

}  // namespace fake

#include "tools/tplc/window_source.h"

#include <cstdio>
#include <memory>
#include <set>

#include "runtime/components/core_type_table.h"
#include "runtime/core/program_header.h"
#include "tools/tplc/component_types.h"
#include "tools/tplc/hot_keys.h"
#include "tools/tplc/source_lines.h"
#include "tools/tplc/value_words.h"

namespace tplc {
namespace {

// Every unit stores a 4-byte mouse-pointer block with cursor index 0: the
// default cursor.
const std::vector<uint8_t> kDefaultCursorBlock = {0, 0, 0, 0};

constexpr uint32_t kMenuTypeCode = lp::kCoreLibrary << 16 | lp::kMenuType;

std::string hex(uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", id);
  return text;
}

bool fail(std::string& error, const std::string& message) {
  error = message;
  return false;
}

class WindowReader {
 public:
  WindowReader(const HandlerList& handlers, lp::WindowTemplate& window) : handlers_(handlers), window_(window) {}

  bool statement(const Words& words, std::string& error) {
    const std::string& keyword = words[0];
    const Words args(words.begin() + 1, words.end());
    if (keyword == "window") return windowStatement(args, error);
    if (!haveWindow_) return fail(error, "the source must start with 'window <id>'");
    if (keyword == "words") return wordsStatement(args, error);
    if (keyword == "unit" || keyword == "menu") closeUnit();
    if (keyword == "unit") return unitStatement(args, error);
    if (keyword == "menu") return menuStatement(args, error);
    if (window_.units.empty()) return fail(error, "'" + keyword + "' outside a unit");
    return window_.units.back().isMenu ? menuAttribute(keyword, args, error)
                                       : componentAttribute(keyword, args, error);
  }

  bool finish(std::string& error) {
    if (!haveWindow_) return fail(error, "the source has no 'window <id>' statement");
    if (window_.units.empty()) return fail(error, "the window has no units");
    closeUnit();
    for (const lp::UnitRecord& unit : window_.units) {
      if (unit.isMenu || unit.component.parent == 0) continue;
      if (!ids_.count(unit.component.parent) || unit.component.parent == window_.units[0].id)
        return fail(error, "unit " + hex(unit.id) + " names a parent that is not a unit of this window");
    }
    return true;
  }

 private:
  bool windowStatement(const Words& args, std::string& error) {
    if (haveWindow_) return fail(error, "a source describes one window");
    if (args.size() != 1 || !readWord(args[0], window_.id, error))
      return fail(error, "expected 'window <id>'");
    if (!lp::isValidId(window_.id)) return fail(error, "the window id is not a valid identifier");
    haveWindow_ = true;
    return true;
  }

  bool wordsStatement(const Words& args, std::string& error) {
    if (!window_.units.empty()) return fail(error, "'words' belongs before the units");
    uint32_t first = 0, second = 0;
    if (args.size() != 2 || !readWord(args[0], first, error) || !readWord(args[1], second, error))
      return fail(error, "expected 'words <first> <second>'");
    window_.firstWord = static_cast<int32_t>(first);
    window_.secondWord = static_cast<int32_t>(second);
    return true;
  }

  bool newUnitId(const std::string& word, uint32_t& id, std::string& error) {
    if (!readWord(word, id, error)) return false;
    if (!lp::isValidId(id)) return fail(error, "unit id " + word + " is not a valid identifier");
    if (!ids_.insert(id).second) return fail(error, "unit id " + word + " is used twice");
    return true;
  }

  bool unitStatement(const Words& args, std::string& error) {
    if (args.size() < 2 || args.size() > 3) return fail(error, "expected 'unit <id> <type> [<name>]'");
    type_ = findComponentType(args[1]);
    if (!type_) return fail(error, "unknown component type '" + args[1] + "'");
    const bool windowType = type_->library == lp::kCoreLibrary && type_->number == lp::kWindowType;
    if (window_.units.empty() != windowType)
      return fail(error, "the first unit, and only it, is the window's own unit (type window)");
    if (menuSeen_) return fail(error, "components come before the menu items");
    lp::UnitRecord unit;
    if (!newUnitId(args[0], unit.id, error)) return false;
    if (lp::isMenuItemId(unit.id)) return fail(error, "unit id " + args[0] + " is a menu item id");
    unit.component.head.typeCode = type_->typeCode();
    if (args.size() == 3 && !readText(args[2], unit.component.head.name, error)) return false;
    unit.component.cursorBlock = kDefaultCursorBlock;
    unit.component.state = lp::kStateVisible;
    window_.units.push_back(unit);
    block_ = type_->newBlock();
    propertiesSet_.clear();
    eventsBound_.clear();
    emptyBlock_ = false;
    return true;
  }

  bool menuStatement(const Words& args, std::string& error) {
    if (window_.units.empty()) return fail(error, "menu items come after the window's own unit");
    lp::UnitRecord unit;
    if (args.size() != 1) return fail(error, "expected 'menu <id>'");
    if (!newUnitId(args[0], unit.id, error)) return false;
    if (!lp::isMenuItemId(unit.id)) return fail(error, "menu id " + args[0] + " is not of class 2, kind 6");
    unit.isMenu = true;
    unit.menu.head.typeCode = kMenuTypeCode;
    window_.units.push_back(unit);
    menuSeen_ = true;
    type_ = nullptr;
    block_.reset();
    return true;
  }

  bool handlerOffset(const std::string& name, int32_t& offset, std::string& error) {
    offset = handlers_.offsetOf(name);
    if (offset == kNoHandler) return fail(error, "handler " + name + " is not in the handler list");
    return true;
  }

  bool componentAttribute(const std::string& keyword, const Words& args, std::string& error) {
    lp::ComponentUnit& unit = window_.units.back().component;
    if (keyword == "at") {
      if (args.size() != 4) return fail(error, "expected 'at <left> <top> <width> <height>'");
      return readInteger(args[0], unit.left, error) && readInteger(args[1], unit.top, error) &&
             readInteger(args[2], unit.width, error) && readInteger(args[3], unit.height, error);
    }
    if (keyword == "state") {
      unit.state = lp::kStateVisible;
      for (const std::string& flag : args) {
        if (flag == "hidden") unit.state &= ~lp::kStateVisible;
        else if (flag == "disabled") unit.state |= lp::kStateDisabled;
        else if (flag == "tabstop") unit.state |= lp::kStateTabStop;
        else return fail(error, "unknown state '" + flag + "' (hidden, disabled, tabstop)");
      }
      return true;
    }
    if (keyword == "tab") {
      if (args.size() != 1) return fail(error, "expected 'tab <order>'");
      return readInteger(args[0], unit.tabOrder, error);
    }
    if (keyword == "parent") {
      if (args.size() != 1) return fail(error, "expected 'parent <unit id>'");
      return readWord(args[0], unit.parent, error);
    }
    if (keyword == "tag") {
      if (args.size() != 1) return fail(error, "expected 'tag <text>'");
      return readText(args[0], unit.tag, error);
    }
    if (keyword == "on") {
      lp::EventBinding binding{};
      if (args.size() != 2 || !readInteger(args[0], binding.event, error))
        return fail(error, "expected 'on <event number> <handler>'");
      if (!eventsBound_.insert(binding.event).second) return fail(error, "event " + args[0] + " is bound twice");
      if (!handlerOffset(args[1], binding.handlerOffset, error)) return false;
      unit.events.push_back(binding);
      return true;
    }
    if (keyword == "set") return setProperty(args, error);
    if (keyword == "empty-block") {
      if (!args.empty() || !propertiesSet_.empty()) return fail(error, "'empty-block' stands alone, without 'set'");
      emptyBlock_ = true;
      return true;
    }
    return fail(error, "unknown statement '" + keyword + "' in a component unit");
  }

  bool setProperty(const Words& args, std::string& error) {
    const lp::ComponentTypeFacts& facts = type_->facts();
    if (args.empty()) return fail(error, "expected 'set <property> <value>...'");
    if (emptyBlock_) return fail(error, "a unit with 'empty-block' sets no properties");
    const std::string& name = args[0];
    if (!block_->has(name)) {
      for (int32_t i = 0; i < facts.ownPropertyCount; ++i)
        if (name == facts.ownProperties[i].englishName)
          return fail(error, "property " + name + " of " + facts.englishName + " cannot be given in a source");
      return fail(error, std::string(facts.englishName) + " has no property " + name);
    }
    if (!propertiesSet_.insert(name).second) return fail(error, "property " + name + " is set twice");
    std::string reason;
    if (!block_->set(name, Words(args.begin() + 1, args.end()), reason))
      return fail(error, "property " + name + ": " + reason);
    return true;
  }

  bool menuAttribute(const std::string& keyword, const Words& args, std::string& error) {
    lp::MenuUnit& menu = window_.units.back().menu;
    if (keyword == "caption") {
      if (args.size() != 1) return fail(error, "expected 'caption <text>'");
      return readText(args[0], menu.caption, error);
    }
    if (keyword == "level") {
      if (args.size() != 1) return fail(error, "expected 'level <depth>'");
      if (!readInteger(args[0], menu.level, error)) return false;
      if (menu.level < 0) return fail(error, "a level is 0 or more");
      return true;
    }
    if (keyword == "hotkey") {
      if (args.size() != 1) return fail(error, "expected 'hotkey <name>'");
      menu.hotKey = hotKeyIndex(args[0]);
      if (menu.hotKey == 0) return fail(error, "unknown hot key '" + args[0] + "'");
      return true;
    }
    if (keyword == "state") {
      menu.flags = 0;
      for (const std::string& flag : args) {
        if (flag == "hidden") menu.flags |= lp::kMenuHidden;
        else if (flag == "disabled") menu.flags |= lp::kMenuDisabled;
        else if (flag == "checked") menu.flags |= lp::kMenuChecked;
        else return fail(error, "unknown menu state '" + flag + "' (hidden, disabled, checked)");
      }
      return true;
    }
    if (keyword == "on") {
      if (args.size() != 1) return fail(error, "expected 'on <handler>'");
      return handlerOffset(args[0], menu.handlerOffset, error);
    }
    return fail(error, "unknown statement '" + keyword + "' in a menu item");
  }

  // Stores the finished component unit's property data block.
  void closeUnit() {
    if (!block_) return;
    window_.units.back().component.properties = emptyBlock_ ? std::vector<uint8_t>() : block_->write();
    block_.reset();
  }

  const HandlerList& handlers_;
  lp::WindowTemplate& window_;
  bool haveWindow_ = false;
  bool menuSeen_ = false;
  std::set<uint32_t> ids_;
  const ComponentType* type_ = nullptr;
  std::unique_ptr<PropertyBlock> block_;
  std::set<std::string> propertiesSet_;
  std::set<int32_t> eventsBound_;
  bool emptyBlock_ = false;
};

}  // namespace

bool readWindowSource(const std::string& text, const HandlerList& handlers, lp::WindowTemplate& window,
                      std::string& error) {
  window = lp::WindowTemplate();
  std::vector<SourceLine> lines;
  if (!splitSourceLines(text, lines, error)) return false;
  WindowReader reader(handlers, window);
  for (const SourceLine& line : lines) {
    if (!reader.statement(line.words, error)) {
      error = "line " + std::to_string(line.number) + ": " + error;
      return false;
    }
  }
  return reader.finish(error);
}

}  // namespace tplc

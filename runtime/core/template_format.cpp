#include "runtime/core/template_format.h"

#include <cstring>

namespace lp {
namespace {

class Reader {
 public:
  Reader(const uint8_t* data, size_t length) : p_(data), end_(data + length) {}
  bool ok() const { return ok_; }
  size_t left() const { return static_cast<size_t>(end_ - p_); }
  int32_t i32() {
    if (!need(4)) return 0;
    uint32_t v = uint32_t(p_[0]) | uint32_t(p_[1]) << 8 | uint32_t(p_[2]) << 16 | uint32_t(p_[3]) << 24;
    p_ += 4;
    return static_cast<int32_t>(v);
  }
  bool bytes(size_t n, std::vector<uint8_t>& out) {
    if (!need(n)) return false;
    out.assign(p_, p_ + n);
    p_ += n;
    return true;
  }
  bool raw(void* out, size_t n) {
    if (!need(n)) return false;
    std::memcpy(out, p_, n);
    p_ += n;
    return true;
  }
  // A counted block or text: n <= 0 means empty.
  bool counted(std::vector<uint8_t>& out) {
    int32_t n = i32();
    if (!ok_) return false;
    if (n <= 0) {
      out.clear();
      return true;
    }
    return bytes(static_cast<size_t>(n), out);
  }
  bool countedText(std::string& out) {
    std::vector<uint8_t> b;
    if (!counted(b)) return false;
    out.assign(b.begin(), b.end());
    return true;
  }
  bool zeroText(std::string& out) {
    const uint8_t* z = static_cast<const uint8_t*>(std::memchr(p_, 0, left()));
    if (!z) return ok_ = false;
    out.assign(reinterpret_cast<const char*>(p_), static_cast<size_t>(z - p_));
    p_ = z + 1;
    return true;
  }
  void rest(std::vector<uint8_t>& out) {
    out.assign(p_, end_);
    p_ = end_;
  }

 private:
  bool need(size_t n) {
    if (!ok_ || left() < n) return ok_ = false;
    return true;
  }
  const uint8_t* p_;
  const uint8_t* end_;
  bool ok_ = true;
};

class Writer {
 public:
  void i32(int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
  }
  void bytes(const void* data, size_t n) {
    const uint8_t* b = static_cast<const uint8_t*>(data);
    out.insert(out.end(), b, b + n);
  }
  void counted(const std::vector<uint8_t>& b) {
    i32(static_cast<int32_t>(b.size()));
    bytes(b.data(), b.size());
  }
  void countedText(const std::string& s) {
    i32(static_cast<int32_t>(s.size()));
    bytes(s.data(), s.size());
  }
  void zeroText(const std::string& s) {
    bytes(s.data(), s.size());
    out.push_back(0);
  }
  std::vector<uint8_t> out;
};

bool readHead(Reader& r, UnitHead& head) {
  head.typeCode = static_cast<uint32_t>(r.i32());
  head.eventDelegate = static_cast<uint32_t>(r.i32());
  for (uint32_t& w : head.reserved) w = static_cast<uint32_t>(r.i32());
  return r.ok() && r.zeroText(head.name) && r.zeroText(head.remark);
}

void writeHead(Writer& w, const UnitHead& head) {
  w.i32(static_cast<int32_t>(head.typeCode));
  w.i32(static_cast<int32_t>(head.eventDelegate));
  for (uint32_t v : head.reserved) w.i32(static_cast<int32_t>(v));
  w.zeroText(head.name);
  w.zeroText(head.remark);
}

bool readComponent(Reader& r, ComponentUnit& u) {
  if (!readHead(r, u.head)) return false;
  u.objectSlot = r.i32();
  u.left = r.i32();
  u.top = r.i32();
  u.width = r.i32();
  u.height = r.i32();
  u.cursorSlot = r.i32();
  u.parent = static_cast<uint32_t>(r.i32());
  int32_t children = r.i32();
  if (!r.ok() || children < 0 || static_cast<size_t>(children) > r.left() / 4) return false;
  u.children.resize(static_cast<size_t>(children));
  for (uint32_t& c : u.children) c = static_cast<uint32_t>(r.i32());
  if (!r.counted(u.cursorBlock) || !r.zeroText(u.tag)) return false;
  u.reservedWord = r.i32();
  u.state = static_cast<uint32_t>(r.i32());
  u.tabOrder = r.i32();
  int32_t events = r.i32();
  if (!r.ok() || events < 0 || static_cast<size_t>(events) > r.left() / 8) return false;
  u.events.resize(static_cast<size_t>(events));
  for (EventBinding& e : u.events) {
    e.event = r.i32();
    e.handlerOffset = r.i32();
  }
  if (!r.raw(u.reserved, sizeof u.reserved)) return false;
  r.rest(u.properties);
  return true;
}

void writeComponent(Writer& w, const ComponentUnit& u) {
  writeHead(w, u.head);
  w.i32(u.objectSlot);
  w.i32(u.left);
  w.i32(u.top);
  w.i32(u.width);
  w.i32(u.height);
  w.i32(u.cursorSlot);
  w.i32(static_cast<int32_t>(u.parent));
  w.i32(static_cast<int32_t>(u.children.size()));
  for (uint32_t c : u.children) w.i32(static_cast<int32_t>(c));
  w.counted(u.cursorBlock);
  w.zeroText(u.tag);
  w.i32(u.reservedWord);
  w.i32(static_cast<int32_t>(u.state));
  w.i32(u.tabOrder);
  w.i32(static_cast<int32_t>(u.events.size()));
  for (const EventBinding& e : u.events) {
    w.i32(e.event);
    w.i32(e.handlerOffset);
  }
  w.bytes(u.reserved, sizeof u.reserved);
  w.bytes(u.properties.data(), u.properties.size());
}

bool readMenu(Reader& r, MenuUnit& m) {
  if (!readHead(r, m.head)) return false;
  m.hotKey = r.i32();
  m.level = r.i32();
  m.flags = static_cast<uint32_t>(r.i32());
  if (!r.zeroText(m.caption)) return false;
  m.handlerOffset = r.i32();
  m.menuSlot = r.i32();
  return r.raw(m.reserved, sizeof m.reserved) && r.left() == 0;
}

void writeMenu(Writer& w, const MenuUnit& m) {
  writeHead(w, m.head);
  w.i32(m.hotKey);
  w.i32(m.level);
  w.i32(static_cast<int32_t>(m.flags));
  w.zeroText(m.caption);
  w.i32(m.handlerOffset);
  w.i32(m.menuSlot);
  w.bytes(m.reserved, sizeof m.reserved);
}

bool readUnitList(const std::vector<uint8_t>& block, int32_t count, WindowTemplate& window) {
  if (count < 0 || static_cast<size_t>(count) > block.size() / 8) return false;
  const size_t u = static_cast<size_t>(count);
  Reader table(block.data(), block.size());
  std::vector<uint32_t> ids(u);
  std::vector<int32_t> offsets(u);
  for (uint32_t& id : ids) id = static_cast<uint32_t>(table.i32());
  for (int32_t& off : offsets) off = table.i32();
  const size_t base = 8 * u;
  window.units.resize(u);
  for (size_t i = 0; i < u; ++i) {
    if (offsets[i] < 0) return false;
    size_t at = base + static_cast<size_t>(offsets[i]);
    if (at > block.size()) return false;
    Reader rec(block.data() + at, block.size() - at);
    int32_t length = rec.i32();
    if (!rec.ok() || length < 0 || static_cast<size_t>(length) > rec.left()) return false;
    if (!readUnitPayload(ids[i], block.data() + at + 4, static_cast<size_t>(length), window.units[i]))
      return false;
  }
  return true;
}

std::vector<uint8_t> writeUnitList(const WindowTemplate& window) {
  Writer ids, offsets, records;
  for (const UnitRecord& unit : window.units) {
    ids.i32(static_cast<int32_t>(unit.id));
    offsets.i32(static_cast<int32_t>(records.out.size()));
    std::vector<uint8_t> payload = writeUnitPayload(unit);
    records.i32(static_cast<int32_t>(payload.size()));
    records.bytes(payload.data(), payload.size());
  }
  std::vector<uint8_t> block = std::move(ids.out);
  block.insert(block.end(), offsets.out.begin(), offsets.out.end());
  block.insert(block.end(), records.out.begin(), records.out.end());
  return block;
}

}  // namespace

bool readUnitPayload(uint32_t id, const uint8_t* data, size_t length, UnitRecord& out) {
  Reader r(data, length);
  out.id = id;
  out.isMenu = isMenuItemId(id);
  return out.isMenu ? readMenu(r, out.menu) : readComponent(r, out.component);
}

std::vector<uint8_t> writeUnitPayload(const UnitRecord& unit) {
  Writer w;
  if (unit.isMenu) {
    writeMenu(w, unit.menu);
  } else {
    writeComponent(w, unit.component);
  }
  return w.out;
}

bool readTemplateData(const uint8_t* data, size_t length, TemplateData& out) {
  out.windows.clear();
  Reader r(data, length);
  std::vector<uint8_t> index;
  if (!r.counted(index)) return false;
  const size_t w = index.size() / 8;
  Reader ids(index.data(), index.size());
  out.windows.resize(w);
  for (WindowTemplate& window : out.windows) window.id = static_cast<uint32_t>(ids.i32());
  for (WindowTemplate& window : out.windows) {
    window.firstWord = r.i32();
    window.secondWord = r.i32();
    if (!r.countedText(window.firstText) || !r.countedText(window.secondText)) return false;
    int32_t units = r.i32();
    std::vector<uint8_t> list;
    if (!r.counted(list) || !readUnitList(list, units, window)) return false;
  }
  return r.ok();
}

std::vector<uint8_t> writeTemplateData(const TemplateData& data) {
  Writer index;
  for (const WindowTemplate& window : data.windows) index.i32(static_cast<int32_t>(window.id));
  // The second half of the index receives record addresses at read-in.
  for (size_t i = 0; i < data.windows.size(); ++i) index.i32(0);
  Writer w;
  w.counted(index.out);
  for (const WindowTemplate& window : data.windows) {
    w.i32(window.firstWord);
    w.i32(window.secondWord);
    w.countedText(window.firstText);
    w.countedText(window.secondText);
    w.i32(static_cast<int32_t>(window.units.size()));
    w.counted(writeUnitList(window));
  }
  return w.out;
}

}  // namespace lp

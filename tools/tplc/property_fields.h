// How a template source sets a component's properties by English name: each
// component type has a table of fields, one per property a source may give,
// each naming the data object's member and how its value is read. The data
// object itself writes the property data block, so everything a source
// leaves out keeps the data object's default.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/components/property_stream.h"
#include "tools/tplc/value_words.h"

namespace tplc {

template <class Data>
struct Field {
  const char* name;  // the property's English name
  bool (*read)(Data& data, const Words& words, std::string& error);
};

// The properties of one unit being built.
class PropertyBlock {
 public:
  virtual ~PropertyBlock() = default;
  virtual bool has(const std::string& name) const = 0;
  // Sets a property this block has from the words after its name.
  virtual bool set(const std::string& name, const Words& words, std::string& error) = 0;
  virtual std::vector<uint8_t> write() const = 0;
};

template <class Data>
class DataBlock : public PropertyBlock {
 public:
  DataBlock(const Field<Data>* fields, size_t count) : fields_(fields), count_(count) {}

  bool has(const std::string& name) const override { return find(name) != nullptr; }
  bool set(const std::string& name, const Words& words, std::string& error) override {
    const Field<Data>* field = find(name);
    return field && field->read(data_, words, error);
  }
  std::vector<uint8_t> write() const override { return data_.write(); }

 private:
  const Field<Data>* find(const std::string& name) const {
    for (size_t i = 0; i < count_; ++i)
      if (name == fields_[i].name) return &fields_[i];
    return nullptr;
  }

  Data data_;
  const Field<Data>* fields_;
  size_t count_;
};

template <class Data, size_t N>
std::unique_ptr<PropertyBlock> makeBlock(const Field<Data> (&fields)[N]) {
  return std::make_unique<DataBlock<Data>>(fields, N);
}

// Field readers, one per kind of value, bound to a data-object member.
template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using Owner = C;
};
template <auto M>
using OwnerOf = typename MemberOf<decltype(M)>::Owner;

inline bool oneWord(const Words& words, std::string& error) {
  if (words.size() == 1) return true;
  error = "expected exactly one value (quote a text that has blanks)";
  return false;
}

template <auto M>
bool integer(OwnerOf<M>& data, const Words& words, std::string& error) {
  return oneWord(words, error) && readInteger(words[0], data.*M, error);
}

template <auto M>
bool logical(OwnerOf<M>& data, const Words& words, std::string& error) {
  return oneWord(words, error) && readLogical(words[0], data.*M, error);
}

template <auto M>
bool colour(OwnerOf<M>& data, const Words& words, std::string& error) {
  return oneWord(words, error) && readColour(words[0], data.*M, error);
}

template <auto M>
bool text(OwnerOf<M>& data, const Words& words, std::string& error) {
  return oneWord(words, error) && readText(words[0], data.*M, error);
}

template <auto M>
bool font(OwnerOf<M>& data, const Words& words, std::string& error) {
  return readFont(words, data.*M, error);
}

template <auto M>
bool columns(OwnerOf<M>& data, const Words& words, std::string& error) {
  return readColumns(words, data.*M, error);
}

// A list of texts, one word each (the list box's items).
template <auto M>
bool texts(OwnerOf<M>& data, const Words& words, std::string& error) {
  std::vector<std::string> list(words.size());
  for (size_t i = 0; i < words.size(); ++i)
    if (!readText(words[i], list[i], error)) return false;
  data.*M = std::move(list);
  return true;
}

// Consecutive 32-bit values, one word each (the list box's item values).
template <auto M>
bool numbers(OwnerOf<M>& data, const Words& words, std::string& error) {
  lp::PropertyWriter out;
  for (const std::string& word : words) {
    int32_t value = 0;
    if (!readInteger(word, value, error)) return false;
    out.i32(value);
  }
  data.*M = out.take();
  return true;
}

// A one-byte character stored in a 16-bit member (the password character).
template <auto M>
bool character(OwnerOf<M>& data, const Words& words, std::string& error) {
  std::string gbk;
  if (!oneWord(words, error) || !readText(words[0], gbk, error)) return false;
  if (gbk.size() != 1) {
    error = "expected a single one-byte character";
    return false;
  }
  data.*M = static_cast<uint8_t>(gbk[0]);
  return true;
}

}  // namespace tplc

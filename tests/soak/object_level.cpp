#include "tests/soak/object_level.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/reader_driving/reader_windows.h"

namespace soak {
namespace {

// Objects the end may hold beyond the level: a font or brush that the last
// action replaced and that is freed on the next change, an edit box's caret.
constexpr DWORD kSlack = 4;
// Never before the first hundred actions: until every kind of action has come
// up a few times the system is still filling its caches (window DCs, fonts,
// a dialog opened once), about 230 GDI objects growing to 300 over some 50.
constexpr int kFirstReadingAfter = 100;
constexpr int kReadingsInTheFirstHalf = 10;

}  // namespace

drive::ProcessFigures settledReading(HANDLE process, HWND main) {
  const drive::ProcessFigures first = drive::figuresOf(process);
  Sleep(250);
  drive::answersMessages(main, 5000);
  drive::ProcessFigures second = drive::figuresOf(process);
  if (first.gdiObjects < second.gdiObjects) {
    second.gdiObjects = first.gdiObjects;
    second.gdiKinds = first.gdiKinds;
  }
  second.userObjects = std::min(first.userObjects, second.userObjects);
  return second;
}

ObjectLevel::ObjectLevel(int actions)
    : from_(std::max(actions / 10, kFirstReadingAfter)),
      to_(actions / 2),
      every_(std::max((to_ - from_) / kReadingsInTheFirstHalf, 1)) {}

bool ObjectLevel::readsAfter(int action) const {
  return action >= from_ && action <= to_ && ((action - from_) % every_ == 0 || action == to_);
}

void ObjectLevel::add(const drive::ProcessFigures& reading) {
  if (!first_) first_ = reading;
  gdiHighest_ = std::max(gdiHighest_, reading.gdiObjects);
  userHighest_ = std::max(userHighest_, reading.userObjects);
}

const char* ObjectLevel::growthAtEnd(const drive::ProcessFigures& end) const {
  std::printf("GDI objects %lu after action %d, at most %lu up to action %d, %lu at the end\n", first_->gdiObjects,
              from_, gdiHighest_, to_, end.gdiObjects);
  std::printf("USER objects %lu after action %d, at most %lu up to action %d, %lu at the end\n", first_->userObjects,
              from_, userHighest_, to_, end.userObjects);
  std::printf("working set %lu KB -> %lu KB\n", static_cast<unsigned long>(first_->workingSet / 1024),
              static_cast<unsigned long>(end.workingSet / 1024));
  std::printf("%s\n", drive::objectSourceLine(end.objectSource));
  const std::string kinds = drive::gdiKindChanges(*first_, end);
  if (!kinds.empty()) std::printf("GDI objects by type since action %d: %s\n", from_, kinds.c_str());
  if (end.gdiObjects > gdiHighest_ + kSlack) return "GDI objects grow";
  if (end.userObjects > userHighest_ + kSlack) return "USER objects grow";
  return nullptr;
}

}  // namespace soak

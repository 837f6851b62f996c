#include "app/result_list.h"

#include "app/commands.h"
#include "app/controls.h"
#include "app/main_window_lifetime.h"

namespace reader {
namespace {

uint32_t newestFill = 0;

}  // namespace

uint32_t claimResultList() { return ++newestFill; }

bool stillNewest(uint32_t ticket) { return ticket == newestFill; }

VerseRow readVerseRow(int32_t handle) {
  const Component& db = ui::kDatabase;
  return {cmd::readFieldText(db, handle, "juan"), cmd::readFieldText(db, handle, "zhang"),
          cmd::readFieldText(db, handle, "jie"), cmd::readFieldText(db, handle, "jingwen")};
}

void listVerseRow(const VerseRow& row) {
  const Component& list = ui::kResultList;
  const int32_t index = cmd::insertRow(list);
  cmd::setCellText(list, index, 0, row.juan);
  cmd::setCellText(list, index, 1, row.zhang);
  cmd::setCellText(list, index, 2, row.jie);
  cmd::setCellText(list, index, 3, row.jingwen);
}

FillOutcome fillResultList(const std::string& statement, bool clear, uint32_t* ticket,
                           const std::function<bool(const VerseRow&)>& keep) {
  const Component& db = ui::kDatabase;
  const int32_t handle = cmd::query(db, statement);
  if (handle == 0) return FillOutcome::Rejected;
  if (clear) {
    *ticket = claimResultList();
    cmd::deleteAllRows(ui::kResultList);
  }
  FillOutcome outcome = FillOutcome::Completed;
  cmd::moveFirst(db, handle);
  while (!cmd::isEOF(db, handle)) {
    const VerseRow row = readVerseRow(handle);
    if (!keep || keep(row)) listVerseRow(row);
    cmd::moveNext(db, handle);
    cmd::doEvents();
    // Closed meanwhile: the database closed its record sets with the window.
    if (mainWindowClosed()) return FillOutcome::Superseded;
    if (!stillNewest(*ticket)) {
      // The newer fill cleared the list when it started.
      outcome = FillOutcome::Superseded;
      break;
    }
  }
  cmd::closeQuery(db, handle);
  return outcome;
}

}  // namespace reader

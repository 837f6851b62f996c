// Filling the report list 超级列表框 with verse rows. Fills process pending
// messages after every row, so a newer lookup or search can start inside an
// older one: the newest wins, and an older fill stops at its next row.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace reader {

// The four texts of one verse row, in column order.
struct VerseRow {
  std::string juan;
  std::string zhang;
  std::string jie;
  std::string jingwen;
};

enum class FillOutcome { Rejected, Completed, Superseded };

// Makes the caller the newest user of the list: every older fill stops.
uint32_t claimResultList();
bool stillNewest(uint32_t ticket);

// Runs the statement and lists its rows. With `clear` the list is emptied
// first and the fill claims the list; without, the rows are appended under
// the ticket of the fill that cleared it (`ticket`). Rejected: the database
// refused the statement and the list is untouched. With `keep`, only the
// rows it accepts are listed.
FillOutcome fillResultList(const std::string& statement, bool clear, uint32_t* ticket,
                           const std::function<bool(const VerseRow&)>& keep = {});

// Appends one row at the end of the list.
void listVerseRow(const VerseRow& row);
// Reads the current record of a record set as a verse row.
VerseRow readVerseRow(int32_t handle);

}  // namespace reader

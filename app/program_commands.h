// The menu commands that concern the program itself: exit, the rights
// notice and the update address.
#pragma once

namespace reader {

void exitReader();
void showRightsNotice();
void openUpdateAddress();

}  // namespace reader

// The book box as a pinyin finder for the book list 列表框_福音列表.
#pragma once

namespace reader {

// The book box changed: list the books whose pinyin key begins with it.
void filterBookList();
// A book was double-clicked: put it in the book box, show all books again.
void takeChosenBook();

}  // namespace reader

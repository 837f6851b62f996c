// The line structure shared by the template sources and the handler list:
// one statement per line, words separated by blanks, a word starting with
// "#" beginning a comment to the end of the line, a word in double quotes
// for texts with blanks (or the empty text), and a trailing backslash
// continuing a statement on the next line.
#pragma once
#include <string>
#include <vector>

namespace tplc {

struct SourceLine {
  int number = 0;  // 1-based line where the statement starts
  std::vector<std::string> words;
};

// Splits UTF-8 source text into statements (blank and comment lines are
// dropped). False with a message naming the line on an unclosed quote.
bool splitSourceLines(const std::string& text, std::vector<SourceLine>& lines, std::string& error);

bool readTextFile(const std::string& path, std::string& text);

}  // namespace tplc

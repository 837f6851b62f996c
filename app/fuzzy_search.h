// Fuzzy search: verses whose text contains every word of 编辑框_模糊经文.
#pragma once

namespace reader {

void runFuzzySearch();

}  // namespace reader

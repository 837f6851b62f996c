#include "app/event_handlers.h"

#include <cstdint>

#include "app/display_modes.h"
#include "app/fuzzy_search.h"
#include "app/passage_lookup.h"
#include "app/pinyin_filter.h"
#include "app/program_commands.h"
#include "app/proportional_layout.h"
#include "app/reader_settings.h"
#include "app/result_box.h"
#include "app/startup.h"
#include "runtime/core/event_dispatch.h"

// Each handler hands its event to the feature it belongs to. Key-down and
// double-click handlers return no value, so the key or click goes on as usual.

namespace {

constexpr int32_t kEnterKey = 13;

int32_t argument(const lp::HandlerCall* call, int index) {
  return call && index < call->argCount ? static_cast<int32_t>(call->args[index]) : 0;
}

bool isEnter(const lp::HandlerCall* call) { return argument(call, 0) == kEnterKey; }

void onEnter(const lp::HandlerCall* call, reader::PassageLookup kind) {
  if (isEnter(call)) reader::runPassageLookup(kind);
}

}  // namespace

void onMainWindowDestroyed(lp::HandlerCall*) { reader::closeReader(); }
void onMainWindowCreated(lp::HandlerCall*) { reader::startReader(); }
void onMainWindowResized(lp::HandlerCall*) { reader::applyLayout(); }
void onBookBoxChanged(lp::HandlerCall*) { reader::filterBookList(); }
void onBookListDoubleClicked(lp::HandlerCall*) { reader::takeChosenBook(); }
void onChapterBoxKeyDown(lp::HandlerCall* call) { onEnter(call, reader::PassageLookup::Chapter); }
void onVerseBoxKeyDown(lp::HandlerCall* call) { onEnter(call, reader::PassageLookup::Verse); }
void onLastChapterBoxKeyDown(lp::HandlerCall* call) { onEnter(call, reader::PassageLookup::ChapterRange); }
void onLastVerseBoxKeyDown(lp::HandlerCall* call) { onEnter(call, reader::PassageLookup::VerseRange); }
void onSearchBoxKeyDown(lp::HandlerCall* call) {
  if (isEnter(call)) reader::runFuzzySearch();
}
void onSearchButtonClicked(lp::HandlerCall*) { reader::runFuzzySearch(); }
void onResultListHotTrack(lp::HandlerCall* call) { reader::previewRow(argument(call, 0)); }
void onResultListDoubleClicked(lp::HandlerCall*) { reader::appendSelectedRow(); }
void onShowAllButtonClicked(lp::HandlerCall*) { reader::appendAllRows(); }
void onFontButtonClicked(lp::HandlerCall*) { reader::chooseFont(); }
void onBackgroundColourChosen(lp::HandlerCall*) { reader::takeBackgroundColour(); }
void onResultBoxDoubleClicked(lp::HandlerCall*) { reader::openReadingWindow(); }
void onCopyButtonClicked(lp::HandlerCall*) { reader::copyResultBox(); }
void onClearButtonClicked(lp::HandlerCall*) { reader::clearResultBox(); }
void onSaveSettingsChosen(lp::HandlerCall*) { reader::saveSettings(); }
void onRestoreDefaultsChosen(lp::HandlerCall*) { reader::restoreDefaults(); }
void onFullScreenModeChosen(lp::HandlerCall*) { reader::enterFullScreenMode(); }
void onNormalModeChosen(lp::HandlerCall*) { reader::enterNormalMode(); }
void onReadingWindowChosen(lp::HandlerCall*) { reader::openReadingWindow(); }
void onExitChosen(lp::HandlerCall*) { reader::exitReader(); }
void onRightsChosen(lp::HandlerCall*) { reader::showRightsNotice(); }
void onUpdatesChosen(lp::HandlerCall*) { reader::openUpdateAddress(); }
void onReadingWindowResized(lp::HandlerCall*) { reader::fillReadingBox(); }
void onReadingBoxDoubleClicked(lp::HandlerCall*) { reader::closeReadingWindow(); }

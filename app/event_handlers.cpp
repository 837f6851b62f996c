#include "app/event_handlers.h"

// Each handler's work is added with the feature it belongs to.

void onMainWindowDestroyed(lp::HandlerCall* call) {}
void onMainWindowCreated(lp::HandlerCall* call) {}
void onMainWindowResized(lp::HandlerCall* call) {}
void onBookBoxChanged(lp::HandlerCall* call) {}
void onBookListDoubleClicked(lp::HandlerCall* call) {}
void onChapterBoxKeyDown(lp::HandlerCall* call) {}
void onVerseBoxKeyDown(lp::HandlerCall* call) {}
void onLastChapterBoxKeyDown(lp::HandlerCall* call) {}
void onLastVerseBoxKeyDown(lp::HandlerCall* call) {}
void onSearchBoxKeyDown(lp::HandlerCall* call) {}
void onSearchButtonClicked(lp::HandlerCall* call) {}
void onResultListHotTrack(lp::HandlerCall* call) {}
void onResultListDoubleClicked(lp::HandlerCall* call) {}
void onShowAllButtonClicked(lp::HandlerCall* call) {}
void onFontButtonClicked(lp::HandlerCall* call) {}
void onBackgroundColourChosen(lp::HandlerCall* call) {}
void onResultBoxDoubleClicked(lp::HandlerCall* call) {}
void onCopyButtonClicked(lp::HandlerCall* call) {}
void onClearButtonClicked(lp::HandlerCall* call) {}
void onSaveSettingsChosen(lp::HandlerCall* call) {}
void onRestoreDefaultsChosen(lp::HandlerCall* call) {}
void onFullScreenModeChosen(lp::HandlerCall* call) {}
void onNormalModeChosen(lp::HandlerCall* call) {}
void onReadingWindowChosen(lp::HandlerCall* call) {}
void onExitChosen(lp::HandlerCall* call) {}
void onRightsChosen(lp::HandlerCall* call) {}
void onUpdatesChosen(lp::HandlerCall* call) {}
void onReadingWindowResized(lp::HandlerCall* call) {}
void onReadingBoxDoubleClicked(lp::HandlerCall* call) {}

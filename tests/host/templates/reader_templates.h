// The reader's two window templates, built from their sources as the
// program build builds them.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "runtime/core/template_format.h"
#include "tools/tplc/source_lines.h"
#include "tools/tplc/template_build.h"

inline tplc::HandlerList readerHandlers() {
  std::string text, error;
  tplc::HandlerList handlers;
  EXPECT_TRUE(tplc::readTextFile(LP_RESOURCES_DIR "/handlers.txt", text));
  EXPECT_TRUE(tplc::parseHandlerList(text, handlers, error)) << error;
  return handlers;
}

inline lp::TemplateData readerTemplates() {
  lp::TemplateData data;
  std::string error;
  EXPECT_TRUE(tplc::buildTemplates({LP_RESOURCES_DIR "/windows/main_window.tmpl",
                                    LP_RESOURCES_DIR "/windows/reading_window.tmpl"},
                                   readerHandlers(), data, error))
      << error;
  return data;
}

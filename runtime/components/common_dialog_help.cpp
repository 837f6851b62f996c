// The common dialog's help commands, carried out for the window that holds
// the component: that window is marked so that it quits help when destroyed.
#include "runtime/components/common_dialog.h"
#include "runtime/components/window_component.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

enum HelpCommand : int32_t { kFinder, kContext, kContextPopup, kForceFile, kHelpOnHelp, kQuit };

// What WinHelp is asked for a help file: the command and its data.
struct HelpRequest {
  UINT command;
  ULONG_PTR data;
};

HelpRequest requestFor(const CommonDialogData& d) {
  const ULONG_PTR context = static_cast<ULONG_PTR>(static_cast<uint32_t>(d.helpContext));
  switch (d.helpCommand) {
    case kContext: return d.helpContext ? HelpRequest{HELP_CONTEXT, context} : HelpRequest{HELP_FINDER, 0};
    case kContextPopup: return d.helpContext ? HelpRequest{HELP_CONTEXTPOPUP, context} : HelpRequest{HELP_FINDER, 0};
    case kForceFile: return {HELP_FORCEFILE, 0};
    default: return {HELP_FINDER, 0};
  }
}

}  // namespace

bool startHelp(CommonDialogObject& dialog) {
  const CommonDialogData& d = dialog.data;
  HWND form = GetAncestor(dialog.window, GA_ROOT);
  if (d.helpCommand == kHelpOnHelp) {
    WinHelpW(form, nullptr, HELP_HELPONHELP, 0);
    markHelpOpened(form, std::wstring(), true);
    return true;
  }
  if (d.helpCommand == kQuit) {
    WinHelpW(form, nullptr, HELP_QUIT, 0);
    markHelpOpened(form, std::wstring(), false);
    return true;
  }
  const std::wstring file = d.helpFile.empty() ? programHelpFile() : gbkToWide(d.helpFile);
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  markHelpOpened(form, file, true);
  const HelpRequest request = requestFor(d);
  WinHelpW(form, file.c_str(), request.command, request.data);
  return true;
}

}  // namespace lp

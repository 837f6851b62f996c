// The window's side of help: the program's default help file and the mark
// that makes a window quit help when it is destroyed.
#include <string>

#include "runtime/components/library_link.h"
#include "runtime/components/window_component.h"
#include "runtime/components/window_object.h"
#include "runtime/core/gbk.h"

namespace lp {

std::wstring programHelpFile() {
  const char* program = reinterpret_cast<const char*>(callRuntime(kSvcProgramFileName));
  std::string name = program ? program : "";
  const size_t slash = name.find_last_of('\\');
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.erase(dot);
  return gbkToWide(name + ".hlp");
}

void markHelpOpened(HWND child, const std::wstring& file, bool opened) {
  WindowObject* w = windowObjectOf(GetAncestor(child, GA_ROOT));
  if (!w) return;
  w->helpOpened = opened;
  w->helpFileOpened = opened ? file : std::wstring();
}

}  // namespace lp

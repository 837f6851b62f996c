// The common dialog's file-open and file-save dialogs.
#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "runtime/components/common_dialog.h"
#include "runtime/core/deferred_system_calls.h"
#include "runtime/core/gbk.h"
#include "runtime/core/gbk_step.h"

namespace lp {
namespace {

// Room for a long path; an initial name longer than this is cut to fit.
constexpr size_t kFileNameRoom = 32768;

std::wstring wideOrEmpty(const std::string& text) { return text.empty() ? std::wstring() : gbkToWide(text); }

DWORD fileDialogFlags(const CommonDialogData& d) {
  DWORD flags = OFN_HIDEREADONLY;
  if (d.createPrompt) flags |= OFN_CREATEPROMPT;
  if (d.fileMustExist) flags |= OFN_FILEMUSTEXIST;
  if (d.overwritePrompt) flags |= OFN_OVERWRITEPROMPT;
  if (d.pathMustExist) flags |= OFN_PATHMUSTEXIST;
  if (d.noChangeDir) flags |= OFN_NOCHANGEDIR;
  return flags;
}

}  // namespace

std::string filterList(const std::string& filter) {
  if (filter.empty()) return std::string();
  // Walked by characters: the second byte of a GBK character may be the
  // byte of "|", and it is no separator.
  std::string list;
  int trailingBars = 0;
  for (size_t i = 0; i < filter.size();) {
    const size_t width = characterWidth(filter.data() + i, filter.size() - i);
    const bool bar = width == 1 && filter[i] == '|';
    list.append(bar ? std::string(1, '\0') : filter.substr(i, width));
    trailingBars = bar ? trailingBars + 1 : 0;
    i += width;
  }
  if (trailingBars < 2) list.append(2, '\0');
  return list;
}

uint32_t firstFilterShown(const CommonDialogData& data) {
  if (data.filter.empty()) return 0;
  return data.filterIndex < 0 ? 1u : static_cast<uint32_t>(data.filterIndex) + 1u;
}

bool showFileDialog(CommonDialogObject& dialog) {
  CommonDialogData& d = dialog.data;
  const std::wstring filter = gbkToWide(filterList(d.filter));
  const std::wstring title = wideOrEmpty(d.title);
  const std::wstring initialDir = wideOrEmpty(d.initialDir);
  const std::wstring defaultExt = wideOrEmpty(d.defaultExt);
  std::vector<wchar_t> name(kFileNameRoom, L'\0');
  const std::wstring initialName = wideOrEmpty(d.fileName);
  initialName.copy(name.data(), name.size() - 1);

  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetAncestor(dialog.window, GA_ROOT);
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = firstFilterShown(d);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.Flags = fileDialogFlags(d);
  const BOOL chosen = d.dialogType == CommonDialogData::kSaveFile ? deferred::GetSaveFileNameW(&ofn) : deferred::GetOpenFileNameW(&ofn);
  if (!chosen) return false;
  d.fileName = wideToGbk(name.data());
  return true;
}

}  // namespace lp

// The window type's entry points: property writes with their run-time
// effects, property reads, the serialised block, the icon data and the text
// conversion. A window is never re-created, so setProperty always returns 0.
#include "runtime/components/component_entries.h"
#include "runtime/components/property_values.h"
#include "runtime/components/window_component.h"
#include "runtime/components/window_object.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

void restartMusic(WindowObject& w) { w.music.start(w.window, w.data.backMusic, w.data.playCount); }

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& w = *static_cast<WindowObject*>(object);
  WindowData& d = w.data;
  const int32_t number = WindowData::clampValue(index, static_cast<int32_t>(value->word));
  const bool logical = value->word != 0;
  switch (index) {
    case WindowData::kCaption:
      d.caption = textOf(value);
      SetWindowTextW(w.window, gbkToWide(d.caption).c_str());
      applyCaptionStyles(w);
      break;
    case WindowData::kBorder:
      d.border = number;
      applyBorder(w);
      break;
    case WindowData::kBackColor:
      d.backColor = static_cast<uint32_t>(value->word);
      invalidateBackground(w);
      break;
    case WindowData::kBackPicture:
      d.backPicture = bufferOf(value);
      w.backPicture.reset();
      invalidateBackground(w);
      break;
    case WindowData::kPictureMode:
      d.pictureMode = number;
      if (!d.backPicture.empty()) invalidateBackground(w);
      break;
    case WindowData::kBackMusic:
      w.music.stop();
      d.backMusic = bufferOf(value);
      restartMusic(w);
      break;
    case WindowData::kPlayCount:
      w.music.stop();
      d.playCount = number;
      restartMusic(w);
      break;
    case WindowData::kControlBox:
    case WindowData::kMaxButton:
    case WindowData::kMinButton:
      (index == WindowData::kControlBox ? d.controlBox : index == WindowData::kMaxButton ? d.maxButton : d.minButton) =
          logical;
      applyCaptionStyles(w);
      break;
    case WindowData::kPosition:
      d.position = number;
      applyPosition(w);
      break;
    case WindowData::kMovable:
      d.movable = logical;
      if (logical) {
        GetSystemMenu(w.window, TRUE);
      } else {
        DeleteMenu(GetSystemMenu(w.window, FALSE), SC_MOVE, MF_BYCOMMAND);
      }
      break;
    case WindowData::kIcon:
      d.icon = bufferOf(value);
      applyIcons(w);
      break;
    case WindowData::kEnterMovesFocus: d.enterMovesFocus = logical; break;
    case WindowData::kEscCloses: d.escCloses = logical; break;
    case WindowData::kF1OpensHelp: d.f1OpensHelp = logical; break;
    case WindowData::kHelpFile: d.helpFile = textOf(value); break;
    case WindowData::kHelpContext: d.helpContext = static_cast<int32_t>(value->word); break;
    case WindowData::kShowInTaskbar: d.showInTaskbar = logical; break;
    case WindowData::kMoveAnywhere: d.moveAnywhere = logical; break;
    case WindowData::kShape:
      d.shape = number;
      applyShape(w);
      break;
    case WindowData::kAlwaysOnTop:
      d.alwaysOnTop = logical;
      applyAlwaysOnTop(w);
      break;
    case WindowData::kKeepTitleActive: d.keepTitleActive = logical; break;
    case WindowData::kWindowClassName: d.windowClassName = textOf(value); break;
    default: break;
  }
  return 0;
}

PropertyValue buffer(const std::vector<uint8_t>& bytes) {
  return {bytes.empty() ? 0 : reinterpret_cast<uintptr_t>(bytes.data()), static_cast<int32_t>(bytes.size())};
}
PropertyValue text(const std::string& s) { return {reinterpret_cast<uintptr_t>(s.c_str()), 0}; }
PropertyValue word(int64_t v) { return {static_cast<uintptr_t>(static_cast<uint32_t>(v)), 0}; }

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  const WindowData& d = static_cast<WindowObject*>(object)->data;
  switch (index) {
    case WindowData::kCaption: *out = text(d.caption); break;
    case WindowData::kBorder: *out = word(d.border); break;
    case WindowData::kBackColor: *out = word(d.backColor); break;
    case WindowData::kBackPicture: *out = buffer(d.backPicture); break;
    case WindowData::kPictureMode: *out = word(d.pictureMode); break;
    case WindowData::kBackMusic: *out = buffer(d.backMusic); break;
    case WindowData::kPlayCount: *out = word(d.playCount); break;
    case WindowData::kControlBox: *out = word(d.controlBox); break;
    case WindowData::kMaxButton: *out = word(d.maxButton); break;
    case WindowData::kMinButton: *out = word(d.minButton); break;
    case WindowData::kPosition: *out = word(d.position); break;
    case WindowData::kMovable: *out = word(d.movable); break;
    case WindowData::kIcon: *out = buffer(d.icon); break;
    case WindowData::kEnterMovesFocus: *out = word(d.enterMovesFocus); break;
    case WindowData::kEscCloses: *out = word(d.escCloses); break;
    case WindowData::kF1OpensHelp: *out = word(d.f1OpensHelp); break;
    case WindowData::kHelpFile: *out = text(d.helpFile); break;
    case WindowData::kHelpContext: *out = word(d.helpContext); break;
    case WindowData::kShowInTaskbar: *out = word(d.showInTaskbar); break;
    case WindowData::kMoveAnywhere: *out = word(d.moveAnywhere); break;
    case WindowData::kShape: *out = word(d.shape); break;
    case WindowData::kAlwaysOnTop: *out = word(d.alwaysOnTop); break;
    case WindowData::kKeepTitleActive: *out = word(d.keepTitleActive); break;
    case WindowData::kWindowClassName: *out = text(d.windowClassName); break;
    default: return 0;
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<WindowObject*>(object)->data.write());
}

HGLOBAL getIconData(const uint8_t* block, int32_t length) {
  WindowData data;
  if (!data.read(block, length > 0 ? static_cast<size_t>(length) : 0) || data.icon.empty()) return nullptr;
  return globalBlock(data.icon);
}

}  // namespace

void* windowInterface(int32_t number) {
  static const ComponentEntries entries = {createWindowComponent, setProperty, getAllPropertyData, getProperty, convertTextsOf<WindowData>, nullptr, getIconData};
  return entryOf(entries, number);
}

void destroyWindowComponent(ComponentObject* object, bool now) {
  WindowObject* w = object ? windowObjectOf(object->window) : nullptr;
  if (!w) return;
  w->pendingDestroy = true;
  if (now) {
    finishWindow(*w);
  } else {
    PostMessageW(w->window, kMsgPendingDestroy, 0, 0);
  }
}

}  // namespace lp

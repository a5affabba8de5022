#include "app/win32/loaded_window.h"

#include "app/portable/focus_order.h"
#include "app/portable/window_geometry.h"
#include "app/win32/application.h"
#include "app/win32/colours.h"
#include "app/win32/events.h"
#include "app/win32/wide_text.h"
#include "app/win32/window_class.h"

namespace quorvane {
namespace {

constexpr wchar_t kWindowClass[] = L"QuorvaneWindow";
constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

struct Modifiers {
  bool ctrl, shift, alt;
};
Modifiers CurrentModifiers() {
  return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
}

HWND WindowOf(const LoadedWindow::ControlObject& object) {
  return std::visit([](const auto& control) { return control ? control->window() : nullptr; }, object);
}

std::optional<LoadedWindow::ControlObject> CreateControl(HWND parent, int child_id,
                                                         const ControlDescription& description) {
  const RECT place{description.left, description.top, description.left + description.width,
                   description.top + description.height};
  LoadedWindow::ControlObject object;
  switch (description.kind) {
    case ControlKind::kEditBox: object = EditBox::Create(parent, child_id, description); break;
    case ControlKind::kLabel: object = Label::Create(parent, child_id, description); break;
    case ControlKind::kButton: object = Button::Create(parent, child_id, description); break;
    case ControlKind::kPicBox: {
      const auto& properties = std::get<PicBoxProperties>(description.properties);
      object = PicBox::Create(parent, child_id, place, ControlStyle(description), properties.back_colour,
                              properties.border);
      break;
    }
  }
  if (!WindowOf(object)) return std::nullopt;
  return object;
}

}  // namespace

LoadedWindow::LoadedWindow(WindowRecord& record) : record_(record), description_(*record.description) {}

std::unique_ptr<LoadedWindow> LoadedWindow::Create(WindowRecord& record) {
  std::unique_ptr<LoadedWindow> window(new LoadedWindow(record));
  if (!window->CreateFrame() || !window->CreateControls()) return nullptr;
  window->StackControls();
  return window;
}

LoadedWindow::~LoadedWindow() {
  if (!window_) return;
  // Destroyed from outside (the process is ending): the window's last
  // messages must not reach this object any more.
  SetWindowLongPtrW(window(), GWLP_USERDATA, 0);
  window_.reset();
}

bool LoadedWindow::CreateFrame() {
  // The window paints its own background.
  RegisterWindowClassOnce(kWindowClass, &LoadedWindow::WindowProc, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, true);
  const DWORD style = WindowStyle(description_);
  Point place{description_.left, description_.top};
  if (description_.start_position == 1) {
    place = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), description_.width,
                          description_.height);
  }
  // A window without a taskbar button of its own is owned by the hidden
  // owner window.
  HWND owner = description_.show_in_taskbar ? nullptr : Application().hidden_owner.get();
  const std::wstring title = WideFromCp936(description_.title);
  CreateWindowExW(0, kWindowClass, title.c_str(), style, place.x, place.y, description_.width,
                  description_.height, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) return false;

  RECT outer{};
  GetWindowRect(window(), &outer);
  if (outer.right - outer.left != description_.width || outer.bottom - outer.top != description_.height) {
    MoveWindow(window(), place.x, place.y, description_.width, description_.height, TRUE);
  }
  SetIcons();
  SendMessageW(window(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return true;
}

void LoadedWindow::SetIcons() {
  ApplicationState& application = Application();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  application.big_icon.reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                            GetSystemMetrics(SM_CXICON),
                                                            GetSystemMetrics(SM_CYICON), 0)));
  application.small_icon.reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                              GetSystemMetrics(SM_CXSMICON),
                                                              GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(application.big_icon.get()));
  SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(application.small_icon.get()));
}

bool LoadedWindow::CreateControls() {
  // From the last control of the description to the first; the first one
  // made is child 100, each next one 10 more.
  controls_.resize(description_.controls.size());
  int child_id = kFirstChildId;
  for (std::size_t i = description_.controls.size(); i-- > 0; child_id += kChildIdStep) {
    const ControlDescription& description = description_.controls[i];
    std::optional<ControlObject> object = CreateControl(window(), child_id, description);
    if (!object) return false;
    const HWND control_window = WindowOf(*object);
    controls_[i] = Control{&description, std::move(*object), control_window};
  }
  return true;
}

void LoadedWindow::StackControls() {
  // Description order is top to bottom.
  HWND above = HWND_TOP;
  for (const Control& control : controls_) {
    SetWindowPos(control.window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control.window;
  }
}

void LoadedWindow::ShowControls() {
  for (const Control& control : controls_) {
    ShowWindow(control.window, control.description->visible ? SW_SHOWNA : SW_HIDE);
  }
}

void LoadedWindow::Show() {
  switch (description_.start_position) {
    case 2: ShowWindow(window(), SW_SHOWMINIMIZED); break;
    case 3:
      ShowWindow(window(), SW_RESTORE);
      ShowWindow(window(), SW_SHOWMAXIMIZED);
      break;
    default: ShowWindow(window(), SW_SHOW); break;
  }
  UpdateWindow(window());
}

const LoadedWindow::Control* LoadedWindow::FindControl(std::int32_t control_id) const {
  for (const Control& control : controls_) {
    if (control.description->id == control_id) return &control;
  }
  return nullptr;
}

const LoadedWindow::Control* LoadedWindow::FindControl(HWND control_window) const {
  for (const Control& control : controls_) {
    if (control.window == control_window) return &control;
  }
  return nullptr;
}

// Window procedure --------------------------------------------------------

LRESULT CALLBACK LoadedWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<LoadedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.reset(window);
  }
  auto* self = reinterpret_cast<LoadedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    self->OnNcDestroy();  // the object is gone after this
    if (!AnyWindowLoaded() && Application().loop_running) PostQuitMessage(0);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT LoadedWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_CTLCOLOREDIT:
      return OnControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ACTIVATE:
      OnActivate(wparam);
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window(), message, wparam, lparam);
}

void LoadedWindow::OnPaint() {
  PaintScope paint(window());
  UniqueBrush background(CreateSolidBrush(ResolveColour(description_.back_colour)));
  FillRect(paint.dc(), &paint.area(), background.get());
}

void LoadedWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
  // The button's click comes back to the button as its Click event.
  if (HIWORD(wparam) != BN_CLICKED) return;
  const Control* button = FindControl(reinterpret_cast<HWND>(lparam));
  if (!button || button->description->kind != ControlKind::kButton) return;
  RaiseEvent(description_.id, button->description->id, event::kClick, {});
}

LRESULT LoadedWindow::OnControlColour(HDC dc, HWND control_window) {
  const Control* control = FindControl(control_window);
  if (control) {
    if (const auto* edit = std::get_if<std::unique_ptr<EditBox>>(&control->object)) {
      return reinterpret_cast<LRESULT>((*edit)->ColourFor(dc));
    }
  }
  return DefWindowProcW(window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control_window));
}

void LoadedWindow::OnActivate(WPARAM wparam) {
  if (LOWORD(wparam) != WA_INACTIVE) return;
  const HWND focus = GetFocus();
  if (focus && IsChild(window(), focus)) focus_to_restore_ = focus;
}

void LoadedWindow::OnSetFocus() {
  if (focus_to_restore_ && IsWindow(focus_to_restore_) && IsChild(window(), focus_to_restore_)) {
    SetFocus(focus_to_restore_);
    return;
  }
  const auto first = InitialFocus(description_, [this](std::size_t i) { return CanFocus(i); });
  if (first) SetFocus(controls_[*first].window);
}

void LoadedWindow::OnDestroy() {
  // The controls release what they hold on their own WM_DESTROY, which the
  // system sends them right after this one.
}

void LoadedWindow::OnNcDestroy() {
  SetWindowLongPtrW(window_.release(), GWLP_USERDATA, 0);
  if (record_.loaded.get() == this) record_.loaded.reset();
}

// Keys and input events ---------------------------------------------------

bool LoadedWindow::PreTranslate(const MSG& message) {
  const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
  if (keyboard && !IsWindowEnabled(message.hwnd)) return false;
  if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && HandleKey(message)) return true;
  if (message.message == WM_LBUTTONDBLCLK) return RaiseInputEvent(message);
  return false;
}

bool LoadedWindow::HandleKey(const MSG& message) {
  const Modifiers held = CurrentModifiers();
  switch (message.wParam) {
    case VK_TAB:
      if (held.ctrl || held.alt) return false;
      MoveFocus(!held.shift);
      return true;
    case VK_RETURN: {
      if (held.ctrl || held.alt || held.shift) return false;
      const Control* target = FindControl(message.hwnd);
      const auto is_default_button = [](const Control& control) {
        const auto* button = std::get_if<ButtonProperties>(&control.description->properties);
        return button && button->default_button && IsWindowVisible(control.window) &&
               IsWindowEnabled(control.window);
      };
      if (target && is_default_button(*target)) {
        RaiseEvent(description_.id, target->description->id, event::kClick, {});
        return true;
      }
      if (const auto* edit = target ? std::get_if<EditBoxProperties>(&target->description->properties) : nullptr;
          edit && edit->multi_line && edit->input_mode != 1) {
        return false;  // a multi-line box takes Enter itself
      }
      if (description_.enter_moves_focus) {
        MoveFocus(true);
        return true;
      }
      for (const Control& control : controls_) {
        if (is_default_button(control)) {
          RaiseEvent(description_.id, control.description->id, event::kClick, {});
          return true;
        }
      }
      return false;
    }
    case VK_ESCAPE:
      if (held.ctrl || held.alt || held.shift || !description_.esc_closes) return false;
      SendMessageW(window(), WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

bool LoadedWindow::RaiseInputEvent(const MSG& message) {
  const Control* control = FindControl(message.hwnd);
  if (!control && message.hwnd != window()) return false;  // no described control
  const Modifiers held = CurrentModifiers();
  const PointerArguments pointer =
      DecodePointerArguments(static_cast<std::uint32_t>(message.lParam), held.ctrl, held.shift, held.alt);
  const std::int32_t arguments[] = {pointer.x, pointer.y, pointer.key_state};
  const EventOutcome outcome =
      RaiseEvent(description_.id, control ? control->description->id : 0, event::kDoubleClick, arguments);
  // The handler may have closed the window: this object may be gone now.
  return outcome.vetoed() || !IsWindow(message.hwnd);
}

void LoadedWindow::MoveFocus(bool forward) {
  const auto next = NextInTabOrder(description_, [this](std::size_t i) { return CanFocus(i); },
                                   FocusedControlIndex(), forward);
  if (next) SetFocus(controls_[*next].window);
}

std::optional<std::size_t> LoadedWindow::FocusedControlIndex() const {
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].window == focus) return i;
  }
  return std::nullopt;
}

bool LoadedWindow::CanFocus(std::size_t index) const {
  const HWND control = controls_[index].window;
  return IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace quorvane

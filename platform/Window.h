#pragma once
// A window of the control model: owns its controls, keeps the focus, is loaded, shown, hidden and
// unloaded as the system's windows are. Each window class has one instance, reached through its
// FormSlot and created on first use.

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Control.h"

namespace kord {

enum class BorderStyle { FixedSingle, FixedDialog, Sizable };

enum class WindowEvent { Caption, Size, Shown, Hidden, Unloaded, Focus, Activate };

class WindowObserver {
  public:
    virtual ~WindowObserver() = default;
    virtual void ControlChanged(Control& c, Prop p) = 0;
    virtual void WindowChanged(Window& w, WindowEvent e) = 0;
};

enum Key { KeyTab = 9, KeyEnter = 13, KeyEscape = 27 };

class Window {
  public:
    explicit Window(std::string name);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // The client area in twips.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);
    BorderStyle Border() const { return border_; }
    void SetBorder(BorderStyle b) { border_ = b; }
    bool ShowInTaskbar() const { return showInTaskbar_; }
    void SetShowInTaskbar(bool s) { showInTaskbar_ = s; }
    const kord::Font& Font() const { return font_; }
    void SetFont(const kord::Font& f) { font_ = f; }
    // A window unloaded and loaded again for every design: a binding may keep what it built for
    // the next load instead of building it anew.
    bool ReloadedOften() const { return reloadedOften_; }
    void SetReloadedOften(bool r) { reloadedOften_ = r; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool k) { keyPreview_ = k; }

    // Controls. Added in the constructor; owned by the window.
    template <class T>
    T& Add(const std::string& name, Control* container = nullptr) {
        return AddControl<T>(name, -1, container);
    }
    template <class T>
    T& Add(const std::string& name, int index, Control* container) {
        return AddControl<T>(name, index, container);
    }
    template <class T>
    T& Add(ControlArray<T>& array, const std::string& name, int index,
           Control* container = nullptr) {
        T& c = AddControl<T>(name, index, container);
        array.Add(&c);
        return c;
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // By full name: "Text4(1)", "Label57".
    Control* Find(const std::string& fullName) const;
    // In the order they were added; the window's own controls under nullptr.
    const std::vector<Control*>& ChildrenOf(const Control* container) const;

    CommandButton* DefaultButton() const { return default_; }
    void SetDefaultButton(CommandButton* b) { default_ = b; }
    CommandButton* CancelButton() const { return cancel_; }
    void SetCancelButton(CommandButton* b) { cancel_ = b; }

    // Lifecycle.
    bool IsLoaded() const { return loaded_; }
    bool IsVisible() const { return visible_; }
    bool IsModal() const { return modal_; }
    void Show();
    // Shows the window modally; returns when it is hidden or unloaded.
    void ShowModal();
    void Hide();
    // Closes the window; the instance is destroyed once the current event has been handled.
    void Unload();
    // Brings a shown window to the front.
    void Activate();

    // The focus.
    Control* ActiveControl() const { return focus_; }
    // Moves the focus; LostFocus of the control that had it runs first, and when it gives the
    // focus elsewhere (a failed check), the move does not happen. Returns whether the target
    // has the focus afterwards.
    bool MoveFocus(Control* target, FocusCause cause);
    // The next or previous control in the tab order that can take the focus.
    Control* NextInTabOrder(const Control* from, bool backward) const;

    // The user's keys and the title-bar close box.
    void UserPressTab(bool backward);
    void UserPressEnter();
    void UserPressEscape();
    // An arrow key: in an option group the next or previous option (around the group) takes the
    // focus and is selected; on a tab strip that has the focus, the next or previous tab is
    // selected. Returns whether the key was used.
    bool UserPressArrow(bool forward);
    // Ctrl+Tab and Ctrl+Shift+Tab: the window's tab strip takes the focus (leaving the field
    // that has it) and selects its next or previous tab, around the strip. Returns whether the
    // key was used.
    bool UserPressCtrlTab(bool backward);
    // Returns true when the window used the key (key preview).
    bool UserKeyDown(int key, bool ctrl, bool shift);
    virtual void UserCloseBox() { Unload(); }

    // Runs before the default button on Enter; false stops the command.
    void SetBeforeDefaultCommand(std::function<bool()> f) { beforeDefault_ = std::move(f); }

    void AddObserver(WindowObserver* o);
    void RemoveObserver(WindowObserver* o);
    void NotifyControl(Control& c, Prop p);
    void NotifyWindow(WindowEvent e);

    // Run once by the window's slot right after construction.
    void Load();
    void SetReleaser(std::function<std::unique_ptr<Window>()> r) { releaser_ = std::move(r); }

  protected:
    virtual void Form_Load() {}
    virtual bool Form_KeyDown(int /*key*/, bool /*ctrl*/, bool /*shift*/) { return false; }

  private:
    template <class T>
    T& AddControl(const std::string& name, int index, Control* container) {
        auto c = std::make_unique<T>(*this, name, index, container);
        T& ref = *c;
        controls_.push_back(std::move(c));
        // Containers never change, so the index is kept as controls are added: stacking and
        // visibility ask for siblings on every change, too often to scan every control.
        children_[container].push_back(&ref);
        ref.SetTabIndex(static_cast<int>(controls_.size()));
        return ref;
    }

    std::string name_;
    std::string caption_;
    int width_ = 4800, height_ = 3600;
    BorderStyle border_ = BorderStyle::FixedSingle;
    bool showInTaskbar_ = true;
    kord::Font font_;
    bool keyPreview_ = false;
    bool reloadedOften_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<const Control*, std::vector<Control*>> children_;
    CommandButton* default_ = nullptr;
    CommandButton* cancel_ = nullptr;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    Control* focus_ = nullptr;
    bool focusEntered_ = false;
    unsigned focusGeneration_ = 0;
    std::vector<WindowObserver*> observers_;
    std::function<std::unique_ptr<Window>()> releaser_;
    std::function<bool()> beforeDefault_;
};

// The windows that are loaded, and the end of the program when the last one goes.
namespace Forms {
const std::vector<Window*>& Loaded();
void Register(Window& w);
void Unregister(Window& w);
// Keeps an unloaded window alive until the current event has been handled.
void Retire(std::unique_ptr<Window> w);
// Destroys the retired windows; the host calls it when control is back in its event loop. When
// this leaves no window loaded, the host is told to quit.
void Collect();
}  // namespace Forms

// The one instance of a window class: created and loaded on first use.
template <class T>
class FormSlot {
  public:
    T& operator()() {
        if (!instance_) {
            instance_ = std::make_unique<T>();
            instance_->SetReleaser([this] { return std::unique_ptr<Window>(instance_.release()); });
            instance_->Load();
        }
        return *instance_;
    }
    bool Exists() const { return instance_ != nullptr; }
    // Unloads the window if it exists; never creates it.
    void Unload() {
        if (instance_) instance_->Unload();
    }

  private:
    std::unique_ptr<T> instance_;
};

}  // namespace kord

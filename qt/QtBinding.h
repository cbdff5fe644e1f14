#pragma once
// The mirror of one model window as real Qt widgets: one top-level widget for the window, one
// widget per control, each named as the model names it. Model changes go to the widgets with
// their signals blocked; the user's edits, clicks, keys and focus moves go to the model, which
// decides and fires the handlers. The binding keeps no state of the controls itself.
//
// The class is defined in pieces, one per seam: its life and the windows' activation order
// (QtBinding.cpp), building the widgets (WidgetBuilder.cpp), model → widgets (PropertySync.cpp),
// widgets → model (UserInput.cpp) and the widgets kept for windows reloaded often
// (KeptWidgets.cpp).

#include <QObject>
#include <QPointer>
#include <map>
#include <unordered_map>
#include <vector>

#include "platform/Window.h"

class QWidget;
class QButtonGroup;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;

namespace kord {

class FormWidget;

class QtBinding : public QObject, public WindowObserver {
    Q_OBJECT
  public:
    explicit QtBinding(Window& window);
    ~QtBinding() override;
    QtBinding(const QtBinding&) = delete;
    QtBinding& operator=(const QtBinding&) = delete;

    // The binding of a loaded window, or nullptr.
    static QtBinding* Of(const Window& w);
    // The shown window the user used last, leaving out `except`: where message boxes belong and
    // which window comes back when a message box or a modal window closes.
    static QtBinding* Topmost(const QtBinding* except = nullptr);

    // False once the window is unloaded: the model must not be touched then.
    bool Alive() const { return alive_; }
    Window* Model() const { return alive_ ? &window_ : nullptr; }

    // The widgets, built on first use.
    QWidget* WindowWidget();
    QWidget* WidgetOf(const Control& c);
    // The control a widget mirrors, or nullptr.
    Control* ControlOf(const QObject* widget) const;

    // Brings the window to the front and gives the Qt focus to the control the model says has it
    // (Qt does not restore it reliably without a window manager).
    void Reactivate();

    void ControlChanged(Control& c, Prop p) override;
    void WindowChanged(Window& w, WindowEvent e) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // While the binding applies the model to the widgets, Qt's own focus moves (a focused widget
    // hidden or disabled) are not the user's.
    class SyncGuard {
      public:
        explicit SyncGuard(QtBinding* b) : b_(b) { ++b_->syncDepth_; }
        ~SyncGuard() { --b_->syncDepth_; }
        SyncGuard(const SyncGuard&) = delete;
        SyncGuard& operator=(const SyncGuard&) = delete;

      private:
        QtBinding* b_;
    };

    void EnsureBuilt();
    bool AdoptKeptWidgets();
    void KeepWidgets();
    QWidget* MakeWidget(Control& c);
    void Attach(Control& c, QWidget* w);
    void SyncControl(Control& c);
    void SyncText(Control& c);
    void SyncValue(Control& c);
    void SyncList(Control& c);
    void SyncFont(Control& c);
    void SyncStyle(Control& c);
    void SyncGeometry(Control& c);
    void SyncPicture(Control& c);
    void SyncTabs(Control& c);
    void SyncPanels(Control& c);
    void ShowSelection(Control& c);
    void SyncFrame();
    void Restack();
    void RefreshShown();
    void ApplyTabOrder();
    void FocusModelControl();
    void NoteActivated();

    bool OnFocusIn(QObject* watched, QFocusEvent* e);
    bool OnKeyPress(QObject* watched, QKeyEvent* e);
    bool OnMousePress(QObject* watched, QMouseEvent* e);
    bool EatEntryPress(QObject* watched, const Control& c);
    bool OnTabStripPress(Control& c, QMouseEvent* e);
    void OnClicked(Control& c);
    void OnTextEdited(Control& c, const QString& text);
    void OnSelectionMoved(Control& c);
    void OnActivated(Control& c, int index);
    void OnCloseBox();
    void MarkDefaultButton();
    void OnShown();
    void OnHidden();
    void OnUnloaded();

    Window& window_;
    bool alive_ = true;
    bool built_ = false;
    bool placed_ = false;
    int syncDepth_ = 0;
    QPointer<FormWidget> form_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, Control*> controls_;
    std::map<QWidget*, QButtonGroup*> groups_;
    // A widget whose focus the model just refused: its pending press or click must not act.
    QObject* refused_ = nullptr;
    // A text box the mouse just entered: its press and drag would undo the entry's selection.
    QObject* mouseEntered_ = nullptr;
    QObject* dragEaten_ = nullptr;
    // The text box whose typed text the model is taking in: its caret is where the user left it.
    const Control* typing_ = nullptr;
};

}  // namespace kord

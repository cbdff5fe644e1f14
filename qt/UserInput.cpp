#include "qt/UserInput.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>

#include "platform/QtString.h"
#include "qt/FormWidget.h"
#include "qt/QtBinding.h"

namespace kord {

int WindowKeyCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return KeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return KeyEnter;
        case Qt::Key_Escape:
            return KeyEscape;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;
    }
}

bool UserFocusCause(Qt::FocusReason reason, FocusCause& cause) {
    switch (reason) {
        case Qt::MouseFocusReason:
            cause = FocusCause::Mouse;
            return true;
        case Qt::TabFocusReason:
            cause = FocusCause::Tab;
            return true;
        case Qt::BacktabFocusReason:
            cause = FocusCause::Backtab;
            return true;
        case Qt::ShortcutFocusReason:
            cause = FocusCause::Shortcut;
            return true;
        default:
            // A message box or window taking the focus, a popup, or the binding's own moves.
            return false;
    }
}

bool QtBinding::eventFilter(QObject* watched, QEvent* event) {
    if (!alive_ || !built_) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
            return OnFocusIn(watched, static_cast<QFocusEvent*>(event));
        case QEvent::KeyPress:
            return OnKeyPress(watched, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return OnMousePress(watched, static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            return watched == dragEaten_;
        case QEvent::MouseButtonRelease:
            if (watched != dragEaten_) return false;
            dragEaten_ = nullptr;
            return true;
        case QEvent::Wheel:
            // The wheel would turn the tabs behind the model's back.
            return qobject_cast<QTabBar*>(watched) != nullptr;
        case QEvent::WindowActivate:
            if (watched == form_) NoteActivated();
            return false;
        default:
            return false;
    }
}

bool QtBinding::OnFocusIn(QObject* watched, QFocusEvent* e) {
    Control* c = ControlOf(watched);
    if (!c) return false;
    FocusCause cause = FocusCause::Program;
    if (syncDepth_ > 0 || !UserFocusCause(e->reason(), cause) || window_.ActiveControl() == c) {
        ShowSelection(*c);
        return false;
    }
    refused_ = nullptr;
    QPointer<QtBinding> self(this);
    const bool moved = window_.MoveFocus(c, cause);
    if (!self || !alive_) return true;
    if (!moved || window_.ActiveControl() != c) {
        // A failed check kept the focus (or gave it elsewhere): Qt follows the model, and the
        // press or shortcut that asked for the move must not act.
        refused_ = watched;
        FocusModelControl();
        return true;
    }
    if (cause == FocusCause::Mouse && c->Kind() == ControlKind::TextBox) mouseEntered_ = watched;
    ShowSelection(*c);
    return false;
}

bool QtBinding::EatEntryPress(QObject* watched, const Control& c) {
    // Entering a text box by the mouse selects its text as entering by Tab does: the press that
    // entered it must not put the caret under the pointer, nor its drag select anew.
    if (c.Kind() != ControlKind::TextBox) return false;
    dragEaten_ = watched;
    return true;
}

bool QtBinding::OnMousePress(QObject* watched, QMouseEvent* e) {
    Control* c = ControlOf(watched);
    if (!c) return false;
    if (c->Kind() == ControlKind::TabStrip) return OnTabStripPress(*c, e);
    const bool entered = mouseEntered_ == watched;
    mouseEntered_ = nullptr;
    if (entered && window_.ActiveControl() == c) return EatEntryPress(watched, *c);
    if (!c->Focusable() || window_.ActiveControl() == c) return false;
    if (refused_ == watched) {
        refused_ = nullptr;
        return true;
    }
    // The press gave no focus-in to forward (the window was not active, or Qt's focus was
    // already here while the model's was not): the press moves the model's focus itself.
    QPointer<QtBinding> self(this);
    const bool moved = window_.MoveFocus(c, FocusCause::Mouse);
    if (!self || !alive_) return true;
    if (moved && window_.ActiveControl() == c) {
        FocusModelControl();
        return EatEntryPress(watched, *c);
    }
    FocusModelControl();
    return true;
}

bool QtBinding::OnTabStripPress(Control& c, QMouseEvent* e) {
    auto* bar = static_cast<QTabBar*>(widgets_.at(&c));
    const int index = bar->tabAt(e->position().toPoint());
    if (e->button() != Qt::LeftButton || index < 0) return true;
    QPointer<QtBinding> self(this);
    static_cast<TabStrip&>(c).UserSelect(index);
    if (!self || !alive_) return true;
    // A failed leaving check keeps the old tab.
    SyncGuard guard(this);
    SyncTabs(c);
    return true;
}

bool QtBinding::OnKeyPress(QObject* watched, QKeyEvent* e) {
    // A key the focused widget left unused travels up to the window: it was handled already.
    QWidget* focus = QApplication::focusWidget();
    if (watched == form_ && focus && focus != form_ && form_->isAncestorOf(focus)) return false;
    const int key = e->key();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = (e->modifiers() & Qt::ShiftModifier) || key == Qt::Key_Backtab;
    QPointer<QtBinding> self(this);
    if (window_.KeyPreview()) {
        if (const int code = WindowKeyCode(key)) {
            const bool used = window_.UserKeyDown(code, ctrl, shift);
            if (!self || !alive_ || used) return true;
        }
    }
    // A move by the keyboard: the style marks the control it reaches, as after Qt's own Tab.
    const auto markFocus = [this, self] {
        if (!self || !alive_) return;
        form_->setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* f = QApplication::focusWidget()) f->update();
    };
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // The model knows the tab order: covered pages, one option of a group.
            if (!ctrl || !window_.UserPressCtrlTab(shift)) window_.UserPressTab(shift);
            markFocus();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down: {
            // Within an option group and along a tab strip the model moves; Qt would move the
            // focus without selecting, or turn the tabs behind the model's back.
            Control* c = ControlOf(watched);
            if (!c || c != window_.ActiveControl() || (e->modifiers() & ~Qt::KeypadModifier))
                return false;
            if (c->Kind() != ControlKind::OptionButton && c->Kind() != ControlKind::TabStrip)
                return false;
            window_.UserPressArrow(key == Qt::Key_Right || key == Qt::Key_Down);
            markFocus();
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (qobject_cast<QPushButton*>(watched)) {
                if (Control* c = ControlOf(watched)) OnClicked(*c);
            } else {
                window_.UserPressEnter();
            }
            return true;
        case Qt::Key_Escape:
            window_.UserPressEscape();
            return true;
        default:
            return false;
    }
}

void QtBinding::OnClicked(Control& c) {
    QWidget* w = widgets_.at(&c);
    if (refused_ == w) {
        // The shortcut's focus move failed its check: its click does not count either.
        refused_ = nullptr;
        SyncGuard guard(this);
        SyncValue(c);
        return;
    }
    QPointer<QtBinding> self(this);
    c.UserClick();
    if (!self || !alive_) return;
    // The model may have refused: the widget shows what it says.
    SyncGuard guard(this);
    SyncValue(c);
}

void QtBinding::OnTextEdited(Control& c, const QString& text) {
    auto& box = static_cast<TextBox&>(c);
    QPointer<QtBinding> self(this);
    // The new text resets the model's selection until the caret is read back below; a change
    // handler that shows or hides a control must not move the caret there meanwhile.
    typing_ = &c;
    box.UserType(text.toStdString());
    if (!self) return;
    typing_ = nullptr;
    if (!alive_) return;
    auto* e = static_cast<QLineEdit*>(widgets_.at(&c));
    if (e->text() != Q(box.Text())) {
        SyncGuard guard(this);
        SyncText(c);
    } else {
        OnSelectionMoved(c);
    }
}

void QtBinding::OnSelectionMoved(Control& c) {
    auto* e = static_cast<QLineEdit*>(widgets_.at(&c));
    // Only the user's own selecting in the field that has the focus is the model's business.
    if (syncDepth_ > 0 || !alive_ || !e->hasFocus()) return;
    auto& box = static_cast<TextBox&>(c);
    if (e->text() != Q(box.Text())) return;
    const int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    const int length = e->hasSelectedText() ? e->selectionLength() : 0;
    if (start != box.SelStart() || length != box.SelLength()) box.SetSelection(start, length);
}

void QtBinding::OnActivated(Control& c, int index) {
    QPointer<QtBinding> self(this);
    static_cast<ComboBox&>(c).UserSelect(index);
    if (!self || !alive_) return;
    SyncGuard guard(this);
    SyncList(c);
}

void QtBinding::OnCloseBox() {
    if (!alive_) return;
    window_.UserCloseBox();
}

}  // namespace kord

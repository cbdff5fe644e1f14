#include "platform/qt/QtBinding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "platform/FontFaces.h"
#include "platform/PictureData.h"
#include "platform/QtString.h"
#include "platform/qt/FormWidget.h"
#include "platform/qt/FrameWidget.h"
#include "platform/qt/LabelWidget.h"
#include "platform/qt/LineWidget.h"
#include "platform/qt/PictureWidget.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/StatusBarWidget.h"
#include "platform/qt/TabStripWidget.h"

namespace kord {

namespace {

std::unordered_map<const Window*, QtBinding*>& Registry() {
    static std::unordered_map<const Window*, QtBinding*> registry;
    return registry;
}

// The bindings in the order their windows were last activated, the latest last.
std::vector<QtBinding*>& ActivationOrder() {
    static std::vector<QtBinding*> order;
    return order;
}

void Forget(QtBinding* b) {
    auto& order = ActivationOrder();
    order.erase(std::remove(order.begin(), order.end(), b), order.end());
}

// Brings a top-level window to the front; the offscreen platform has no stacking to change.
void RaiseWindow(QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

QRect TwipsRect(int left, int top, int width, int height) {
    // Both edges are rounded, so neighbours that touch in twips touch in pixels.
    const int x = TwipsToPx(left), y = TwipsToPx(top);
    return QRect(x, y, TwipsToPx(left + width) - x, TwipsToPx(top + height) - y);
}

Qt::Alignment LabelAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

Qt::Alignment EditAlignment(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The key codes the windows' key handlers know; 0 for keys they never see.
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

}  // namespace

QFont QtFontFor(const Font& f) {
    QFont font(Q(FontFace(f.name)));
    font.setPointSizeF(f.size > 0 ? f.size : 9);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

int TwipsToPx(int twips) {
    return qRound(twips / 15.0);
}

// While the binding applies the model to the widgets, Qt's own focus moves (a focused widget
// hidden or disabled) are not the user's.
class QtBinding::SyncGuard {
  public:
    explicit SyncGuard(QtBinding* b) : b_(b) { ++b_->syncDepth_; }
    ~SyncGuard() { --b_->syncDepth_; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

  private:
    QtBinding* b_;
};

QtBinding::QtBinding(Window& window) : window_(window) {
    Registry()[&window_] = this;
    window_.AddObserver(this);
}

QtBinding::~QtBinding() {
    Forget(this);
    if (alive_) {
        window_.RemoveObserver(this);
        auto it = Registry().find(&window_);
        if (it != Registry().end() && it->second == this) Registry().erase(it);
    }
    delete form_.data();
}

QtBinding* QtBinding::Of(const Window& w) {
    auto it = Registry().find(&w);
    return it == Registry().end() ? nullptr : it->second;
}

QtBinding* QtBinding::Topmost(const QtBinding* except) {
    auto shown = [except](const QtBinding* b) {
        return b != except && b->alive_ && b->form_ && b->form_->isVisible();
    };
    const auto& order = ActivationOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (shown(*it)) return *it;
    for (const auto& [window, b] : Registry())
        if (shown(b)) return b;
    return nullptr;
}

QWidget* QtBinding::WindowWidget() {
    EnsureBuilt();
    return form_;
}

QWidget* QtBinding::WidgetOf(const Control& c) {
    EnsureBuilt();
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

Control* QtBinding::ControlOf(const QObject* widget) const {
    auto it = controls_.find(widget);
    return it == controls_.end() ? nullptr : it->second;
}

// ---- building ----

namespace {

// The widgets of an unloaded window that is loaded again and again, kept hidden for its next
// load: building some hundred widgets costs more than the design that fills them.
struct KeptWidgets {
    FormWidget* form = nullptr;
    // The names and kinds of the controls they were built for, in the window's order.
    std::vector<std::pair<std::string, ControlKind>> controls;
    std::vector<QWidget*> widgets;
    std::map<QWidget*, QButtonGroup*> groups;
};

std::map<std::string, KeptWidgets>& Kept() {
    static std::map<std::string, KeptWidgets> kept;
    return kept;
}

std::vector<std::pair<std::string, ControlKind>> ControlList(const Window& w) {
    std::vector<std::pair<std::string, ControlKind>> list;
    list.reserve(w.Controls().size());
    for (const auto& c : w.Controls()) list.emplace_back(c->Name(), c->Kind());
    return list;
}

}  // namespace

void QtBinding::DropKeptWidgets() {
    for (auto& [name, kept] : Kept()) delete kept.form;
    Kept().clear();
}

void QtBinding::EnsureBuilt() {
    if (built_ || !alive_) return;
    built_ = true;
    if (!AdoptKeptWidgets()) {
        form_ = new FormWidget([this] { OnCloseBox(); });
        form_->setObjectName(Q(window_.Name()));
        form_->setAttribute(Qt::WA_DeleteOnClose, false);
        // Controls come after their containers, so each parent exists when its children are
        // made. Its font is set before it has children: a later font change goes through all.
        for (const auto& c : window_.Controls()) {
            Attach(*c, MakeWidget(*c));
            SyncFont(*c);
        }
    }
    form_->installEventFilter(this);
    for (const auto& c : window_.Controls()) SyncControl(*c);
    SyncFrame();
    Restack();
    RefreshShown();
    ApplyTabOrder();
}

bool QtBinding::AdoptKeptWidgets() {
    auto it = Kept().find(window_.Name());
    if (it == Kept().end()) return false;
    KeptWidgets kept = std::move(it->second);
    Kept().erase(it);
    if (kept.controls != ControlList(window_)) {
        delete kept.form;
        return false;
    }
    form_ = kept.form;
    form_->SetOnCloseBox([this] { OnCloseBox(); });
    groups_ = std::move(kept.groups);
    for (size_t i = 0; i < kept.widgets.size(); ++i)
        Attach(*window_.Controls()[i], kept.widgets[i]);
    return true;
}

void QtBinding::KeepWidgets() {
    // Nothing of this binding may answer for the widgets any more.
    KeptWidgets kept;
    kept.controls = ControlList(window_);
    for (const auto& c : window_.Controls()) {
        QWidget* w = widgets_.at(c.get());
        QObject::disconnect(w, nullptr, this, nullptr);
        w->removeEventFilter(this);
        kept.widgets.push_back(w);
    }
    form_->removeEventFilter(this);
    form_->SetOnCloseBox(nullptr);
    kept.form = form_;
    kept.groups = std::move(groups_);
    form_ = nullptr;
    KeptWidgets& slot = Kept()[window_.Name()];
    delete slot.form;
    slot = std::move(kept);
}

QWidget* QtBinding::MakeWidget(Control& c) {
    QWidget* parent = form_;
    if (c.Container()) {
        auto it = widgets_.find(c.Container());
        if (it != widgets_.end()) parent = it->second;
    }
    QWidget* w = nullptr;
    switch (c.Kind()) {
        case ControlKind::Label:
            w = new LabelWidget(parent);
            break;
        case ControlKind::TextBox: {
            auto* e = new QLineEdit(parent);
            // Qt's default of 32767 characters would cut a longer text that the model holds.
            e->setMaxLength(std::numeric_limits<int>::max());
            w = e;
            break;
        }
        case ControlKind::CommandButton: {
            auto* b = new QPushButton(parent);
            // Enter is the model's: the window's default button, or the focused button.
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case ControlKind::OptionButton: {
            auto* r = new QRadioButton(parent);
            // The model clears the other options of the container; Qt must not do it first.
            r->setAutoExclusive(false);
            QButtonGroup*& group = groups_[parent];
            if (!group) {
                group = new QButtonGroup(parent);
                group->setExclusive(false);
            }
            group->addButton(r);
            w = r;
            break;
        }
        case ControlKind::CheckBox:
            w = new QCheckBox(parent);
            break;
        case ControlKind::ComboBox: {
            auto* b = new QComboBox(parent);
            b->setEditable(false);
            w = b;
            break;
        }
        case ControlKind::Frame:
            if (static_cast<Frame&>(c).Border())
                w = new FrameWidget(parent);
            else
                w = new QWidget(parent);
            break;
        case ControlKind::PictureBox:
        case ControlKind::Image:
            w = new PictureWidget(parent);
            break;
        case ControlKind::TabStrip:
            w = new TabStripWidget(parent, TwipsToPx(TabStrip::kTabRowHeight));
            break;
        case ControlKind::StatusBar:
            w = new StatusBarWidget(parent);
            break;
        case ControlKind::Line:
            w = new LineWidget(parent);
            break;
    }
    w->setObjectName(Q(c.Name()));
    return w;
}

void QtBinding::Attach(Control& c, QWidget* w) {
    switch (c.Kind()) {
        case ControlKind::TextBox: {
            auto* e = static_cast<QLineEdit*>(w);
            connect(e, &QLineEdit::textEdited, this,
                    [this, &c](const QString& t) { OnTextEdited(c, t); });
            connect(e, &QLineEdit::selectionChanged, this, [this, &c] { OnSelectionMoved(c); });
            connect(e, &QLineEdit::cursorPositionChanged, this,
                    [this, &c] { OnSelectionMoved(c); });
            break;
        }
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                    [this, &c] { OnClicked(c); });
            break;
        case ControlKind::ComboBox:
            connect(static_cast<QComboBox*>(w), &QComboBox::activated, this,
                    [this, &c](int i) { OnActivated(c, i); });
            break;
        default:
            break;
    }
    if (c.Kind() == ControlKind::TabStrip) {
        // Reached by the Tab key only: a click on a tab leaves the focus where the model puts it.
        w->setFocusPolicy(c.TabStop() ? Qt::TabFocus : Qt::NoFocus);
        w->installEventFilter(this);
    } else if (c.Focusable()) {
        w->setFocusPolicy(c.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
        w->installEventFilter(this);
    } else {
        w->setFocusPolicy(Qt::NoFocus);
    }
    widgets_[&c] = w;
    controls_[w] = &c;
}

// ---- model → widgets ----

void QtBinding::SyncControl(Control& c) {
    SyncFont(c);
    SyncText(c);
    SyncStyle(c);
    SyncValue(c);
    SyncList(c);
    SyncPicture(c);
    SyncTabs(c);
    SyncPanels(c);
    SyncGeometry(c);
    QWidget* w = widgets_.at(&c);
    w->setEnabled(c.Enabled());
    if (auto* b = qobject_cast<QPushButton*>(w)) b->setDefault(window_.DefaultButton() == &c);
}

// A button caption wider than its button goes on two lines. Long runs of blanks are where the
// captions were meant to break; among equal runs, the break that leaves the wider line narrowest.
QString ButtonCaption(const QString& text, const QFont& font, int widthPx) {
    const QFontMetrics m(font);
    const int room = widthPx - 12;
    const QString plain = text.trimmed();
    // Blanks around a caption only centre it, as the button does anyway.
    if (m.horizontalAdvance(plain) <= room) return plain;
    QString best = plain;
    bool bestFits = false;
    int bestRun = 0;
    int bestWidth = std::numeric_limits<int>::max();
    for (int i = 1; i < plain.size(); ++i) {
        if (plain[i] != ' ' || plain[i - 1] == ' ') continue;
        int j = i;
        while (j < plain.size() && plain[j] == ' ') ++j;
        const QString first = plain.left(i), second = plain.mid(j);
        const int wider = std::max(m.horizontalAdvance(first), m.horizontalAdvance(second));
        const bool fits = wider <= room;
        const int run = j - i;
        const bool better = fits != bestFits ? fits
                            : run != bestRun ? run > bestRun
                                             : wider < bestWidth;
        if (better) {
            best = first + '\n' + second;
            bestFits = fits;
            bestRun = run;
            bestWidth = wider;
        }
    }
    return best;
}

void QtBinding::SyncText(Control& c) {
    QWidget* w = widgets_.at(&c);
    const QString text = Q(c.Text());
    QSignalBlocker block(w);
    if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // The echo of the user's own typing changes nothing, so the caret stays.
        if (e->text() != text) {
            e->setText(text);
            ShowSelection(c);
        }
    } else if (auto* pb = qobject_cast<QPushButton*>(w)) {
        pb->setText(ButtonCaption(text, pb->font(), pb->width()));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
    }
}

void QtBinding::SyncValue(Control& c) {
    QWidget* w = widgets_.at(&c);
    QSignalBlocker block(w);
    if (c.Kind() == ControlKind::OptionButton)
        static_cast<QRadioButton*>(w)->setChecked(static_cast<OptionButton&>(c).Value());
    else if (c.Kind() == ControlKind::CheckBox)
        static_cast<QCheckBox*>(w)->setChecked(static_cast<CheckBox&>(c).Checked());
}

void QtBinding::SyncList(Control& c) {
    if (c.Kind() != ControlKind::ComboBox) return;
    auto& combo = static_cast<ComboBox&>(c);
    auto* b = static_cast<QComboBox*>(widgets_.at(&c));
    QSignalBlocker block(b);
    bool same = b->count() == combo.ListCount();
    for (int i = 0; same && i < combo.ListCount(); ++i) same = b->itemText(i) == Q(combo.List(i));
    if (!same) {
        b->clear();
        for (const std::string& item : combo.Items()) b->addItem(Q(item));
    }
    b->setCurrentIndex(combo.ListIndex());
}

void QtBinding::SyncFont(Control& c) {
    QWidget* w = widgets_.at(&c);
    const QFont font = QtFontFor(c.Font());
    if (w->testAttribute(Qt::WA_SetFont) && w->font() == font) return;
    w->setFont(font);
}

void QtBinding::SyncStyle(Control& c) {
    QWidget* w = widgets_.at(&c);
    if (c.WindowColours()) {
        QPalette colours = w->palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::Base));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
        w->setPalette(colours);
        w->setAutoFillBackground(true);
    } else if (w->autoFillBackground()) {
        // Kept widgets come back as a fresh load builds them.
        w->setPalette(QPalette());
        w->setAutoFillBackground(false);
    }
    if (c.Kind() == ControlKind::Label) {
        auto& label = static_cast<Label&>(c);
        auto* l = static_cast<QLabel*>(w);
        l->setAlignment(LabelAlignment(c.TextAlign()));
        // A label of fixed size wraps its words; an autosized one grows instead, unless told to
        // wrap.
        l->setWordWrap(!label.AutoSize() || label.WordWrap());
    } else if (c.Kind() == ControlKind::TextBox) {
        static_cast<QLineEdit*>(w)->setAlignment(EditAlignment(c.TextAlign()));
    }
}

void QtBinding::SyncGeometry(Control& c) {
    QWidget* w = widgets_.at(&c);
    if (c.Kind() == ControlKind::Line) {
        auto& line = static_cast<LineControl&>(c);
        static_cast<LineWidget*>(w)->SetLine(QPoint(TwipsToPx(line.X1()), TwipsToPx(line.Y1())),
                                             QPoint(TwipsToPx(line.X2()), TwipsToPx(line.Y2())),
                                             line.BorderWidth());
        return;
    }
    const QRect box = TwipsRect(c.Left(), c.Top(), c.Width(), c.Height());
    if (c.Kind() == ControlKind::TabStrip)
        static_cast<TabStripWidget*>(w)->Place(box);
    else
        w->setGeometry(box);
    // A button's caption breaks by its width.
    if (c.Kind() == ControlKind::CommandButton) SyncText(c);
    if (c.Kind() == ControlKind::Label && static_cast<Label&>(c).AutoSize()) {
        auto* l = static_cast<QLabel*>(w);
        if (l->wordWrap())
            l->resize(l->width(), l->heightForWidth(l->width()));
        else
            l->resize(l->sizeHint());
    }
    if (c.Container() && c.Container()->Kind() == ControlKind::PictureBox) {
        // A control in a picture box stands on its inner area and is cut off at its border.
        const QRect inner = static_cast<PictureWidget*>(widgets_.at(c.Container()))->Inner();
        w->move(w->pos() + inner.topLeft());
        w->setMask(QRegion(inner.translated(-w->pos())).intersected(w->rect()));
    }
}

void QtBinding::SyncPicture(Control& c) {
    if (c.Kind() == ControlKind::PictureBox) {
        auto& box = static_cast<PictureBox&>(c);
        auto* p = static_cast<PictureWidget*>(widgets_.at(&c));
        p->SetImage(box.Picture().Data() ? box.Picture().Data()->image : QImage());
        p->SetBorder(box.Border(), box.FlatBorder());
        p->SetStretch(false);
        p->SetDrawing(box.Drawing(), box.ScaleWidth(), box.ScaleHeight());
    } else if (c.Kind() == ControlKind::Image) {
        auto& image = static_cast<Image&>(c);
        auto* p = static_cast<PictureWidget*>(widgets_.at(&c));
        p->SetImage(image.Picture().Data() ? image.Picture().Data()->image : QImage());
        p->SetStretch(image.Stretch());
    }
}

void QtBinding::SyncTabs(Control& c) {
    if (c.Kind() != ControlKind::TabStrip) return;
    auto& strip = static_cast<TabStrip&>(c);
    auto* bar = static_cast<QTabBar*>(widgets_.at(&c));
    QSignalBlocker block(bar);
    while (bar->count() > strip.TabCount()) bar->removeTab(bar->count() - 1);
    for (int i = 0; i < strip.TabCount(); ++i) {
        if (i < bar->count())
            bar->setTabText(i, Q(strip.TabCaption(i)));
        else
            bar->addTab(Q(strip.TabCaption(i)));
    }
    bar->setCurrentIndex(strip.SelectedIndex());
}

void QtBinding::SyncPanels(Control& c) {
    if (c.Kind() != ControlKind::StatusBar) return;
    static_cast<StatusBarWidget*>(widgets_.at(&c))
        ->SetPanels(static_cast<StatusBar&>(c).AllPanels());
}

void QtBinding::ShowSelection(Control& c) {
    if (c.Kind() != ControlKind::TextBox) return;
    auto& box = static_cast<TextBox&>(c);
    auto* e = static_cast<QLineEdit*>(widgets_.at(&c));
    const int start = std::clamp(box.SelStart(), 0, static_cast<int>(e->text().size()));
    const int length = std::clamp(box.SelLength(), 0, static_cast<int>(e->text().size()) - start);
    const bool same = length > 0 ? e->selectionStart() == start && e->selectionLength() == length
                                 : !e->hasSelectedText() && e->cursorPosition() == start;
    if (same) return;
    QSignalBlocker block(e);
    if (length > 0)
        e->setSelection(start, length);
    else
        e->setCursorPosition(start);
}

void QtBinding::SyncFrame() {
    form_->setWindowTitle(Q(window_.Caption()));
    form_->setFont(QtFontFor(window_.Font()));
    const QSize size(TwipsToPx(window_.Width()), TwipsToPx(window_.Height()));
    if (window_.Border() == BorderStyle::Sizable) {
        form_->setMinimumSize(0, 0);
        form_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        form_->resize(size);
    } else {
        form_->setFixedSize(size);
    }
    // Window flags can only change while the window is hidden: changing them hides it.
    if (form_->isVisible()) return;
    // A dialog is transient for the application, which keeps it out of the task bar.
    Qt::WindowFlags flags = (window_.ShowInTaskbar() ? Qt::Window : Qt::Dialog) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (window_.Border() == BorderStyle::Sizable)
        flags |= Qt::WindowMinMaxButtonsHint;
    else if (window_.Border() == BorderStyle::FixedSingle)
        flags |= Qt::WindowMinimizeButtonHint;
    if (form_->windowFlags() != flags) form_->setWindowFlags(flags);
    const Qt::WindowModality modality = window_.IsModal() ? Qt::ApplicationModal : Qt::NonModal;
    if (form_->windowModality() != modality) form_->setWindowModality(modality);
}

void QtBinding::Restack() {
    // Raising in the model's stacking order leaves every container's children in that order.
    std::vector<const Control*> order;
    for (const auto& c : window_.Controls()) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->ZOrderValue() < b->ZOrderValue();
    });
    for (const Control* c : order) widgets_.at(c)->raise();
}

void QtBinding::RefreshShown() {
    SyncGuard guard(this);
    for (const auto& c : window_.Controls()) {
        bool shown = c->EffectivelyShown();
        if (c->Kind() == ControlKind::Line) {
            // A line is placed by its ends, not by a box of its own.
            shown = c->Visible() && (!c->Container() || c->Container()->EffectivelyShown());
        }
        QWidget* w = widgets_.at(c.get());
        if (w->isHidden() == shown) w->setVisible(shown);
    }
    FocusModelControl();
}

void QtBinding::ApplyTabOrder() {
    std::vector<const Control*> order;
    for (const auto& c : window_.Controls())
        if (c->Focusable()) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgets_.at(order[i - 1]), widgets_.at(order[i]));
}

void QtBinding::FocusModelControl() {
    if (!built_ || !alive_) return;
    SyncGuard guard(this);
    Control* active = window_.ActiveControl();
    QWidget* w = active ? widgets_.at(active) : nullptr;
    if (w && w->isVisibleTo(form_) && w->isEnabled()) {
        if (QApplication::focusWidget() != w) w->setFocus(Qt::OtherFocusReason);
        ShowSelection(*active);
        return;
    }
    // The model's focus is nowhere the user could type: neither is Qt's.
    if (QWidget* f = form_->focusWidget()) f->clearFocus();
}

void QtBinding::NoteActivated() {
    Forget(this);
    ActivationOrder().push_back(this);
}

void QtBinding::Reactivate() {
    if (!alive_ || !built_ || !form_->isVisible()) return;
    RaiseWindow(form_);
    NoteActivated();
    FocusModelControl();
}

void QtBinding::ControlChanged(Control& c, Prop p) {
    if (!built_ || !alive_) return;
    SyncGuard guard(this);
    switch (p) {
        case Prop::Text:
            SyncText(c);
            if (c.Kind() == ControlKind::Label) SyncGeometry(c);
            break;
        case Prop::Enabled:
            widgets_.at(&c)->setEnabled(c.Enabled());
            FocusModelControl();
            break;
        case Prop::Visible:
            RefreshShown();
            break;
        case Prop::Geometry:
            SyncGeometry(c);
            RefreshShown();
            break;
        case Prop::ZOrder:
            Restack();
            RefreshShown();
            break;
        case Prop::Value:
            SyncValue(c);
            break;
        case Prop::List:
        case Prop::ListIndex:
            SyncList(c);
            break;
        case Prop::Font:
            SyncFont(c);
            if (c.Kind() == ControlKind::Label) SyncGeometry(c);
            if (c.Kind() == ControlKind::CommandButton) SyncText(c);
            break;
        case Prop::Picture:
        case Prop::Drawing:
            SyncPicture(c);
            break;
        case Prop::Selection:
            ShowSelection(c);
            break;
        case Prop::Panels:
            SyncPanels(c);
            break;
        case Prop::Tabs:
            SyncTabs(c);
            break;
        case Prop::Style:
            SyncStyle(c);
            if (c.Kind() == ControlKind::Label) SyncGeometry(c);
            break;
    }
}

void QtBinding::WindowChanged(Window&, WindowEvent e) {
    if (!alive_) return;
    switch (e) {
        case WindowEvent::Caption:
            if (built_) form_->setWindowTitle(Q(window_.Caption()));
            break;
        case WindowEvent::Size:
            if (built_) {
                SyncFrame();
                RefreshShown();
            }
            break;
        case WindowEvent::Shown:
            OnShown();
            break;
        case WindowEvent::Hidden:
            OnHidden();
            break;
        case WindowEvent::Unloaded:
            OnUnloaded();
            break;
        case WindowEvent::Focus:
            FocusModelControl();
            MarkDefaultButton();
            break;
        case WindowEvent::Activate:
            Reactivate();
            break;
    }
}

void QtBinding::MarkDefaultButton() {
    // Enter presses the button that has the focus, else the window's default one: that button
    // is drawn as the default.
    if (!built_ || !alive_) return;
    Control* focus = window_.ActiveControl();
    const Control* pressed = focus && focus->Kind() == ControlKind::CommandButton
                                 ? focus
                                 : static_cast<Control*>(window_.DefaultButton());
    for (const auto& c : window_.Controls()) {
        if (auto* b = qobject_cast<QPushButton*>(widgets_.at(c.get())))
            b->setDefault(pressed == c.get());
    }
}

void QtBinding::OnShown() {
    EnsureBuilt();
    // What the model sets without telling (border, default button, tab order) is read again.
    if (!form_->isVisible()) SyncFrame();
    MarkDefaultButton();
    ApplyTabOrder();
    RefreshShown();
    const Qt::WindowModality modality = window_.IsModal() ? Qt::ApplicationModal : Qt::NonModal;
    if (form_->isVisible() && form_->windowModality() != modality) {
        form_->hide();
        form_->setWindowModality(modality);
    }
    if (!placed_) {
        placed_ = true;
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            form_->move(area.center() - QPoint(form_->width() / 2, form_->height() / 2));
        }
    }
    form_->show();
    RaiseWindow(form_);
    NoteActivated();
    FocusModelControl();
}

void QtBinding::OnHidden() {
    if (!built_) return;
    const bool wasActive = form_->isActiveWindow();
    form_->hide();
    Forget(this);
    if (wasActive)
        if (QtBinding* below = Topmost(this)) below->Reactivate();
}

void QtBinding::OnUnloaded() {
    alive_ = false;
    window_.RemoveObserver(this);
    auto it = Registry().find(&window_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
    Forget(this);
    bool wasActive = false;
    if (form_) {
        wasActive = form_->isActiveWindow();
        form_->hide();
        if (window_.ReloadedOften())
            KeepWidgets();
        else
            form_->deleteLater();
    }
    widgets_.clear();
    controls_.clear();
    refused_ = nullptr;
    mouseEntered_ = dragEaten_ = nullptr;
    // The user's event that unloaded the window may still be on the stack.
    deleteLater();
    QtHost::ScheduleCollect();
    if (wasActive)
        if (QtBinding* below = Topmost(this)) below->Reactivate();
}

// ---- widgets → model ----

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
    box.UserType(text.toStdString());
    if (!self || !alive_) return;
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

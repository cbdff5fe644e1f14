#include "qt/PropertySync.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "platform/FontFaces.h"
#include "platform/PictureData.h"
#include "platform/QtString.h"
#include "qt/FormWidget.h"
#include "qt/LineWidget.h"
#include "qt/PictureWidget.h"
#include "qt/QtBinding.h"
#include "qt/StatusBarWidget.h"
#include "qt/TabStripWidget.h"

namespace kord {

namespace {

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
    if (c.Kind() != ControlKind::TextBox || &c == typing_) return;
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

}  // namespace kord

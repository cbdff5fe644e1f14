#include "qt/WidgetBuilder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "platform/QtString.h"
#include "qt/FormWidget.h"
#include "qt/FrameWidget.h"
#include "qt/LabelWidget.h"
#include "qt/LineWidget.h"
#include "qt/PictureWidget.h"
#include "qt/PropertySync.h"
#include "qt/QtBinding.h"
#include "qt/StatusBarWidget.h"
#include "qt/TabStripWidget.h"

namespace kord {

QWidget* BuildWidget(const Control& c, QWidget* parent, std::map<QWidget*, QButtonGroup*>& groups) {
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
            QButtonGroup*& group = groups[parent];
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
            if (static_cast<const Frame&>(c).Border())
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

QWidget* QtBinding::MakeWidget(Control& c) {
    QWidget* parent = form_;
    if (c.Container()) {
        auto it = widgets_.find(c.Container());
        if (it != widgets_.end()) parent = it->second;
    }
    return BuildWidget(c, parent, groups_);
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

}  // namespace kord

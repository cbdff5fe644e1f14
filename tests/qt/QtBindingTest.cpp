#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFocusEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "qt/FormWidget.h"
#include "qt/KeptWidgets.h"
#include "qt/PictureWidget.h"
#include "qt/PropertySync.h"
#include "qt/QtBinding.h"
#include "qt/QtHost.h"
#include "qt/StatusBarWidget.h"

namespace kord {
namespace {

// A window with one of each kind the input window uses.
class FrmProbe : public Window {
  public:
    FrmProbe() : Window("frmProbe") {
        SetCaption("Próba");
        SetFont(kord::Font{"Arial", 9});
        SetSize(7200, 6600);
        Frame1.SetCaption("Rodzaj");
        Frame1.Move(120, 120, 2400, 1200);
        Option1(0).SetCaption("Belka");
        Option1(0).Move(120, 300, 2000, 255);
        Option1(1).SetCaption("Płyta");
        Option1(1).Move(120, 660, 2000, 255);
        Check1.SetCaption("Zbrojenie");
        Check1.Move(2700, 120, 2000, 255);
        Text4(0).Move(2700, 480, 1500, 285);
        Text4(1).Move(2700, 840, 1500, 285);
        Combo1.Move(2700, 1200, 1500, 315);
        for (const char* item : {"C20/25", "C25/30", "C30/37"}) Combo1.AddItem(item);
        TabStrip1.Move(120, 1800, 6000, 3000);
        TabStrip1.AddTab("ZGINANE");
        TabStrip1.AddTab("ŚCINANE");
        for (int k = 0; k < 2; ++k) {
            Frame2(k).Move(TabStrip1.ClientLeft(), TabStrip1.ClientTop(), TabStrip1.ClientWidth(),
                           TabStrip1.ClientHeight());
            Text5(k).Move(240, 480, 1200, 285);
        }
        Label1.SetCaption("σ ≤ 0,5");
        Label1.Move(4500, 480, 1500, 255);
        Picture1.Move(4500, 840, 1500, 1500);
        Command1.SetCaption("Oblicz");
        Command1.Move(4500, 5000, 1200, 420);
        Command2.SetCaption("Zamknij");
        Command2.Move(5800, 5000, 1200, 420);
        StatusBar1.Move(0, 6240, 7200, 360);
        StatusBar1.AddPanel({"Projekt:", PanelStyle::Text, 3900});
        StatusBar1.AddPanel({"", PanelStyle::Date, 1230});
        StatusBar1.AddPanel({"", PanelStyle::Text, 0});
        SetDefaultButton(&Command1);
        SetCancelButton(&Command2);

        for (OptionButton* o : Option1.Elements())
            o->Click = [this, o] { clicks.push_back(o->Name()); };
        Check1.Click = [this] { clicks.push_back("Check1"); };
        Combo1.Click = [this] { clicks.push_back("Combo1"); };
        Command1.Click = [this] { clicks.push_back("Command1"); };
        Command2.Click = [this] { clicks.push_back("Command2"); };
        for (TextBox* t : {&Text4(0), &Text4(1)}) {
            t->Change = [this, t] { changes.push_back(t->Name() + "=" + t->Text()); };
            t->GotFocus = [this, t](FocusCause c) {
                got.push_back({t->Name(), c});
                t->SelectAll();
            };
        }
        TabStrip1.Click = [this] { Frame2(TabStrip1.SelectedIndex()).ZOrder(0); };
    }

    Frame& Frame1 = Add<Frame>("Frame1");
    ControlArray<OptionButton> Option1;
    OptionButton& o0 = Add(Option1, "Option1", 0, &Frame1);
    OptionButton& o1 = Add(Option1, "Option1", 1, &Frame1);
    CheckBox& Check1 = Add<CheckBox>("Check1");
    ControlArray<TextBox> Text4;
    TextBox& t0 = Add(Text4, "Text4", 0);
    TextBox& t1 = Add(Text4, "Text4", 1);
    ComboBox& Combo1 = Add<ComboBox>("Combo1");
    TabStrip& TabStrip1 = Add<TabStrip>("TabStrip1");
    ControlArray<Frame> Frame2;
    Frame& page0 = Add(Frame2, "Frame2", 0);
    Frame& page1 = Add(Frame2, "Frame2", 1);
    ControlArray<TextBox> Text5;
    TextBox& t50 = Add(Text5, "Text5", 0, &page0);
    TextBox& t51 = Add(Text5, "Text5", 1, &page1);
    Label& Label1 = Add<Label>("Label1");
    PictureBox& Picture1 = Add<PictureBox>("Picture1");
    CommandButton& Command1 = Add<CommandButton>("Command1");
    CommandButton& Command2 = Add<CommandButton>("Command2");
    StatusBar& StatusBar1 = Add<StatusBar>("StatusBar1");

    std::vector<std::string> clicks;
    std::vector<std::string> changes;
    std::vector<std::pair<std::string, FocusCause>> got;
    std::vector<std::string> keys;
    // Keys the window uses itself when it previews them.
    std::vector<int> keysUsed;

  protected:
    void Form_Load() override { Frame2(0).ZOrder(0); }
    bool Form_KeyDown(int key, bool ctrl, bool shift) override {
        keys.push_back(std::to_string(key) + (ctrl ? "^" : "") + (shift ? "+" : ""));
        return std::find(keysUsed.begin(), keysUsed.end(), key) != keysUsed.end();
    }
};

class FrmSmall : public Window {
  public:
    FrmSmall() : Window("frmSmall") {
        SetCaption("Opcje");
        SetSize(3000, 1500);
        SetBorder(BorderStyle::FixedDialog);
        Text1.Move(120, 120, 1500, 285);
    }
    TextBox& Text1 = Add<TextBox>("Text1");
};

// Quitting would stop the test run's event loops: the test host only counts it.
class TestHost : public QtHost {
  public:
    void Quit() override { ++quits; }
    int quits = 0;
};

void Flush() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void Press(QWidget* w, QPoint at = {3, 3}) {
    const QPointF local(at), global(w->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A click as Qt delivers it: the focus first, by the mouse, then the press.
void Click(QWidget* w) {
    if (w->focusPolicy() & Qt::ClickFocus) w->setFocus(Qt::MouseFocusReason);
    Press(w);
}

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
         const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &e);
}

// Runs `answer` on the next message box once it is open; gives up after a second.
void PollForBox(const std::function<void(QMessageBox&)>& answer, int tries) {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        answer(*box);
    else if (tries < 100)
        QTimer::singleShot(10, [answer, tries] { PollForBox(answer, tries + 1); });
}

void AnswerNextBox(std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] { PollForBox(answer, 0); });
}

class QtBindingTest : public ::testing::Test {
  protected:
    void SetUp() override { SetHost(&host); }
    void TearDown() override {
        while (!Forms::Loaded().empty()) Forms::Loaded().back()->Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::Collect();
        SetHost(nullptr);
    }

    FrmProbe& ShowProbe() {
        FrmProbe& w = probe();
        w.Show();
        Flush();
        return w;
    }
    QtBinding& Binding() { return *QtBinding::Of(probe()); }
    template <class T>
    T* W(const char* name) {
        return Binding().WindowWidget()->findChild<T*>(QString::fromUtf8(name));
    }

    TestHost host;
    FormSlot<FrmProbe> probe;
    FormSlot<FrmSmall> small;
};

TEST_F(QtBindingTest, EveryControlIsAWidgetOfItsKindNamedAndPlacedAsTheModelSays) {
    ShowProbe();
    QWidget* form = Binding().WindowWidget();
    EXPECT_EQ(form->objectName(), "frmProbe");
    EXPECT_EQ(form->windowTitle(), "Próba");
    EXPECT_EQ(form->size(), QSize(480, 440));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());

    struct Case {
        const char* name;
        const char* className;
        const char* parent;
        QRect geometry;
    };
    const Case cases[] = {
        {"Frame1", "QGroupBox", "frmProbe", {8, 8, 160, 80}},
        // Inside a frame, positions count from the frame's outer corner.
        {"Option1(1)", "QRadioButton", "Frame1", {8, 44, 133, 17}},
        {"Check1", "QCheckBox", "frmProbe", {180, 8, 133, 17}},
        {"Text4(1)", "QLineEdit", "frmProbe", {180, 56, 100, 19}},
        {"Combo1", "QComboBox", "frmProbe", {180, 80, 100, 21}},
        // The tabs' row alone; its frame below reaches down to the strip's bottom.
        {"TabStrip1", "kord::TabStripWidget", "frmProbe", {8, 120, 400, 24}},
        {"TabStripFrame", "QWidget", "frmProbe", {8, 143, 400, 177}},
        {"Frame2(1)", "QGroupBox", "frmProbe", {10, 144, 396, 174}},
        {"Text5(1)", "QLineEdit", "Frame2(1)", {16, 32, 80, 19}},
        {"Label1", "QLabel", "frmProbe", {300, 32, 100, 17}},
        {"Command2", "QPushButton", "frmProbe", {387, 333, 80, 28}},
        {"StatusBar1", "kord::StatusBarWidget", "frmProbe", {0, 416, 480, 24}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = W<QWidget>(c.name);
        ASSERT_NE(w, nullptr);
        if (std::string(c.className).rfind("kord::", 0) != 0) {
            EXPECT_STREQ(w->metaObject()->className(), c.className);
        }
        EXPECT_EQ(w->parentWidget()->objectName(), c.parent);
        EXPECT_EQ(w->geometry(), c.geometry);
    }
    EXPECT_EQ(Binding().WidgetOf(probe().Text4(1)), W<QLineEdit>("Text4(1)"));
    EXPECT_FALSE(W<QComboBox>("Combo1")->isEditable());
    EXPECT_TRUE(W<QPushButton>("Command1")->isDefault());
    EXPECT_FALSE(W<QPushButton>("Command2")->isDefault());
    EXPECT_FALSE(W<QRadioButton>("Option1(0)")->autoExclusive());
}

TEST_F(QtBindingTest, ModelChangesReachTheWidgetsAndTheModelsHandlersFireOnce) {
    FrmProbe& w = ShowProbe();
    struct Case {
        const char* what;
        std::function<void()> change;
        std::function<bool()> shows;
    };
    const Case cases[] = {
        {"text", [&] { w.Text4(0).SetText("12,5"); },
         [&] { return W<QLineEdit>("Text4(0)")->text() == "12,5"; }},
        {"caption", [&] { w.Command1.SetCaption("&Licz"); },
         [&] { return W<QPushButton>("Command1")->text() == "&Licz"; }},
        {"frame title", [&] { w.Frame1.SetCaption("Typ"); },
         [&] { return W<QGroupBox>("Frame1")->title() == "Typ"; }},
        {"check value", [&] { w.Check1.SetValue(1); },
         [&] { return W<QCheckBox>("Check1")->isChecked(); }},
        {"option value",
         [&] {
             w.Option1(0).SetValue(true);
             w.Option1(1).SetValue(true);
         },
         [&] {
             return W<QRadioButton>("Option1(1)")->isChecked() &&
                    !W<QRadioButton>("Option1(0)")->isChecked();
         }},
        {"list index", [&] { w.Combo1.SetListIndex(2); },
         [&] { return W<QComboBox>("Combo1")->currentText() == "C30/37"; }},
        {"list cleared", [&] { w.Combo1.Clear(); },
         [&] { return W<QComboBox>("Combo1")->count() == 0; }},
        {"disabled", [&] { w.Text4(1).SetEnabled(false); },
         [&] { return !W<QLineEdit>("Text4(1)")->isEnabled(); }},
        {"disabled frame disables its options", [&] { w.Frame1.SetEnabled(false); },
         [&] { return !W<QRadioButton>("Option1(0)")->isEnabled(); }},
        {"hidden frame hides its options", [&] { w.Frame1.SetVisible(false); },
         [&] { return !W<QRadioButton>("Option1(0)")->isVisible(); }},
        {"parked outside the window", [&] { w.Check1.SetLeft(-20000); },
         [&] { return W<QCheckBox>("Check1")->isHidden(); }},
        {"bold font", [&] { w.Label1.SetFontBold(true); },
         [&] { return W<QLabel>("Label1")->font().bold(); }},
        {"alignment", [&] { w.Label1.SetAlignment(Alignment::Right); },
         [&] { return (W<QLabel>("Label1")->alignment() & Qt::AlignRight) != 0; }},
        {"panel text", [&] { w.StatusBar1.SetPanelText(1, "Projekt: most"); },
         [&] { return W<StatusBarWidget>("StatusBar1")->PanelText(1) == "Projekt: most"; }},
        {"window caption", [&] { w.SetCaption("Kordelan - dane"); },
         [&] { return Binding().WindowWidget()->windowTitle() == "Kordelan - dane"; }},
    };
    for (const Case& c : cases) {
        c.change();
        EXPECT_TRUE(c.shows()) << c.what;
    }
    // The model fired its own handlers, once each.
    EXPECT_EQ(w.clicks, (std::vector<std::string>{"Check1", "Option1(0)", "Option1(1)", "Combo1"}));
    EXPECT_EQ(w.changes, std::vector<std::string>{"Text4(0)=12,5"});
}

TEST_F(QtBindingTest, FontsUseTheArialFaceForArialSymbolAndMsSansSerif) {
    FrmProbe& w = ShowProbe();
    for (const char* name : {"Arial", "Symbol", "MS Sans Serif"}) {
        w.Label1.SetFont(kord::Font{name, 11, false, true, true});
        const QFont f = W<QLabel>("Label1")->font();
        EXPECT_EQ(QFontInfo(f).family(), "Liberation Sans") << name;
        EXPECT_DOUBLE_EQ(f.pointSizeF(), 11);
        EXPECT_TRUE(f.italic() && f.underline() && !f.bold()) << name;
    }
}

TEST_F(QtBindingTest, ClickingAnOptionSelectsItInTheModelAndTheModelKeepsItSelected) {
    FrmProbe& w = ShowProbe();
    auto* first = W<QRadioButton>("Option1(0)");
    auto* second = W<QRadioButton>("Option1(1)");
    second->click();
    EXPECT_TRUE(w.Option1(1).Value());
    EXPECT_EQ(w.clicks, std::vector<std::string>{"Option1(1)"});
    EXPECT_EQ(w.ActiveControl(), &w.Option1(1));
    first->click();
    EXPECT_FALSE(w.Option1(1).Value());
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
    // Clicking the selected option again would clear it in Qt; the model keeps it.
    first->click();
    EXPECT_TRUE(first->isChecked());
    EXPECT_EQ(w.clicks, (std::vector<std::string>{"Option1(1)", "Option1(0)"}));

    W<QCheckBox>("Check1")->click();
    EXPECT_EQ(w.Check1.Value(), 1);
    W<QCheckBox>("Check1")->click();
    EXPECT_EQ(w.Check1.Value(), 0);
    EXPECT_FALSE(W<QCheckBox>("Check1")->isChecked());

    emit W<QComboBox>("Combo1")->activated(1);
    EXPECT_EQ(w.Combo1.ListIndex(), 1);
    EXPECT_EQ(w.clicks.back(), "Combo1");
}

TEST_F(QtBindingTest, TypingInAFieldUpdatesTheModelAndFiresChange) {
    FrmProbe& w = ShowProbe();
    auto* edit = W<QLineEdit>("Text4(1)");
    edit->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(w.ActiveControl(), &w.Text4(1));
    ASSERT_FALSE(w.got.empty());
    EXPECT_EQ(w.got.back(), std::make_pair(std::string("Text4(1)"), FocusCause::Mouse));
    Key(edit, Qt::Key_1, Qt::NoModifier, "1");
    Key(edit, Qt::Key_Comma, Qt::NoModifier, ",");
    Key(edit, Qt::Key_5, Qt::NoModifier, "5");
    EXPECT_EQ(w.Text4(1).Text(), "1,5");
    EXPECT_EQ(w.changes, (std::vector<std::string>{"Text4(1)=1", "Text4(1)=1,", "Text4(1)=1,5"}));
    EXPECT_EQ(w.Text4(1).SelStart(), 3);
    // A change handler that rewrites the text is shown as it wrote it.
    w.Text4(1).Change = [&] {
        if (w.Text4(1).Text().find('.') != std::string::npos) w.Text4(1).SetText("0");
    };
    Key(edit, Qt::Key_Period, Qt::NoModifier, ".");
    EXPECT_EQ(edit->text(), "0");
    // One that shows or hides another control leaves the caret where the user typed.
    w.Text4(1).Change = [&] { w.Label1.SetVisible(!w.Label1.Visible()); };
    edit->end(false);
    Key(edit, Qt::Key_1, Qt::NoModifier, "1");
    Key(edit, Qt::Key_2, Qt::NoModifier, "2");
    EXPECT_EQ(w.Text4(1).Text(), "012");
}

TEST_F(QtBindingTest, EnteringAFieldByTheMouseSelectsItsTextSoTypingReplacesIt) {
    FrmProbe& w = ShowProbe();
    w.Text4(0).SetFocus();
    w.Text4(1).SetText("500");
    auto* edit = W<QLineEdit>("Text4(1)");
    Click(edit);
    EXPECT_EQ(w.got.back(), std::make_pair(std::string("Text4(1)"), FocusCause::Mouse));
    EXPECT_EQ(edit->selectedText(), "500");
    Key(edit, Qt::Key_4, Qt::NoModifier, "4");
    EXPECT_EQ(w.Text4(1).Text(), "4");
    // Inside the field a click places the caret as usual.
    Press(edit);
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(w.Text4(1).SelLength(), 0);
}

TEST_F(QtBindingTest, ModelFocusMovesTheQtFocusAndShowsTheSelection) {
    FrmProbe& w = ShowProbe();
    ASSERT_TRUE(Binding().WindowWidget()->isActiveWindow());
    w.Text4(1).SetText("250");
    w.Text4(1).SetFocus();
    auto* edit = W<QLineEdit>("Text4(1)");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), "250");
    w.Text4(1).SetSelection(1, 0);
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 1);
    // Text set from code puts the caret at the start, and Qt's own caret move is not reported
    // back as the user's.
    w.Text4(1).SetText("12345");
    EXPECT_EQ(edit->text(), "12345");
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_EQ(w.Text4(1).SelStart(), 0);
    EXPECT_EQ(w.Text4(1).SelLength(), 0);
    // The user's selecting is the model's selection.
    edit->setSelection(1, 3);
    EXPECT_EQ(w.Text4(1).SelText(), "234");
}

TEST_F(QtBindingTest, KeysGoToTheModelTabEnterEscapeAndPreview) {
    FrmProbe& w = ShowProbe();
    w.Text4(0).SetFocus();
    auto* edit = W<QLineEdit>("Text4(0)");
    Key(edit, Qt::Key_Tab);
    EXPECT_EQ(w.ActiveControl(), &w.Text4(1));
    EXPECT_EQ(w.got.back(), std::make_pair(std::string("Text4(1)"), FocusCause::Tab));
    EXPECT_EQ(QApplication::focusWidget(), W<QLineEdit>("Text4(1)"));
    Key(W<QLineEdit>("Text4(1)"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.got.back(), std::make_pair(std::string("Text4(0)"), FocusCause::Backtab));

    Key(edit, Qt::Key_Return);
    Key(edit, Qt::Key_Escape);
    EXPECT_EQ(w.clicks, (std::vector<std::string>{"Command1", "Command2"}));
    // Enter on a focused button presses that button, not the default one, and it is drawn so.
    w.Command2.SetFocus();
    EXPECT_TRUE(W<QPushButton>("Command2")->isDefault());
    EXPECT_FALSE(W<QPushButton>("Command1")->isDefault());
    Key(W<QPushButton>("Command2"), Qt::Key_Enter);
    EXPECT_EQ(w.clicks.back(), "Command2");
    EXPECT_EQ(w.clicks.size(), 3u);
    w.Text4(1).SetFocus();
    EXPECT_TRUE(W<QPushButton>("Command1")->isDefault());
    EXPECT_FALSE(W<QPushButton>("Command2")->isDefault());

    w.SetKeyPreview(true);
    w.keysUsed = {112};
    w.Text4(0).SetFocus();
    Key(edit, Qt::Key_F1);
    Key(edit, Qt::Key_A, Qt::ControlModifier, "a");
    Key(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.keys, (std::vector<std::string>{"112", "65^", "9+"}));
    // The previewed Tab that the window did not use still moves the focus.
    EXPECT_NE(w.ActiveControl(), &w.Text4(0));
}

TEST_F(QtBindingTest, ArrowKeysSelectAroundAnOptionGroupAndTurnTheTabsOfTheFocusedStrip) {
    FrmProbe& w = ShowProbe();
    w.Option1(0).SetValue(true);
    w.Option1(0).SetFocus();
    w.clicks.clear();
    const struct {
        const char* from;
        int key;
        const char* selected;
    } steps[] = {{"Option1(0)", Qt::Key_Down, "Option1(1)"},
                 {"Option1(1)", Qt::Key_Right, "Option1(0)"},
                 {"Option1(0)", Qt::Key_Up, "Option1(1)"},
                 {"Option1(1)", Qt::Key_Left, "Option1(0)"}};
    for (const auto& s : steps) {
        Key(W<QRadioButton>(s.from), s.key);
        EXPECT_EQ(w.ActiveControl()->Name(), s.selected) << s.from << " " << s.key;
        EXPECT_TRUE(static_cast<OptionButton*>(w.ActiveControl())->Value()) << s.selected;
        EXPECT_EQ(QApplication::focusWidget(), W<QRadioButton>(s.selected));
    }
    EXPECT_FALSE(w.Option1(1).Value());
    EXPECT_EQ(w.clicks,
              (std::vector<std::string>{"Option1(1)", "Option1(0)", "Option1(1)", "Option1(0)"}));

    // Ctrl+Tab from a field gives the strip the focus and the next tab; its arrows stop at the
    // ends, Ctrl+Shift+Tab goes around, and Tab goes on into the page in front.
    w.Text4(0).SetFocus();
    Key(W<QLineEdit>("Text4(0)"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.ActiveControl(), &w.TabStrip1);
    EXPECT_EQ(QApplication::focusWidget(), W<QTabBar>("TabStrip1"));
    auto* strip = W<QTabBar>("TabStrip1");
    std::vector<int> tabs{w.TabStrip1.SelectedIndex()};
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}) {
        Key(strip, key);
        tabs.push_back(w.TabStrip1.SelectedIndex());
    }
    Key(strip, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    tabs.push_back(w.TabStrip1.SelectedIndex());
    EXPECT_EQ(tabs, (std::vector<int>{1, 1, 0, 0, 1}));
    EXPECT_EQ(strip->currentIndex(), 1);
    Key(strip, Qt::Key_Tab);
    EXPECT_EQ(w.ActiveControl(), &w.Text5(1));
}

TEST_F(QtBindingTest, ALeavingCheckThatKeepsTheFocusKeepsQtsFocusAndEatsTheClick) {
    FrmProbe& w = ShowProbe();
    int leaves = 0;
    w.Text4(0).LostFocus = [&](FocusCause) {
        ++leaves;
        if (w.Text4(0).Text().empty()) w.Text4(0).SetFocus();
    };
    w.Text4(0).SetFocus();
    auto* first = W<QLineEdit>("Text4(0)");
    auto* second = W<QLineEdit>("Text4(1)");
    ASSERT_EQ(QApplication::focusWidget(), first);

    Click(second);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(w.ActiveControl(), &w.Text4(0));
    EXPECT_EQ(QApplication::focusWidget(), first);

    // A button pressed under a failing check neither takes the focus nor clicks.
    Click(W<QPushButton>("Command1"));
    EXPECT_EQ(leaves, 2);
    EXPECT_TRUE(w.clicks.empty());
    EXPECT_EQ(QApplication::focusWidget(), first);

    // A tab click under a failing check keeps the old tab.
    auto* tabs = W<QTabBar>("TabStrip1");
    Press(tabs, tabs->tabRect(1).center());
    EXPECT_EQ(leaves, 3);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(w.TabStrip1.SelectedIndex(), 0);

    w.Text4(0).SetText("7");
    Click(second);
    EXPECT_EQ(leaves, 4);
    EXPECT_EQ(w.ActiveControl(), &w.Text4(1));
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(QtBindingTest, ACoveredPageIsHiddenAndTakesNoFocusUntilItsTabIsChosen) {
    FrmProbe& w = ShowProbe();
    auto* front = W<QLineEdit>("Text5(0)");
    auto* covered = W<QLineEdit>("Text5(1)");
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(covered->isVisible());
    EXPECT_FALSE(W<QWidget>("Frame2(1)")->isVisible());

    w.Text4(0).SetFocus();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(covered, &in);
    EXPECT_EQ(w.ActiveControl(), &w.Text4(0));
    EXPECT_EQ(QApplication::focusWidget(), W<QLineEdit>("Text4(0)"));

    auto* tabs = W<QTabBar>("TabStrip1");
    Press(tabs, tabs->tabRect(1).center());
    EXPECT_EQ(w.TabStrip1.SelectedIndex(), 1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(covered->isVisible());
    EXPECT_FALSE(front->isVisible());
    // The tab strip took the focus from the field and holds none itself.
    EXPECT_EQ(w.ActiveControl(), nullptr);
    EXPECT_NE(QApplication::focusWidget(), W<QLineEdit>("Text4(0)"));

    QApplication::sendEvent(covered, &in);
    EXPECT_EQ(w.ActiveControl(), &w.Text5(1));
    // The model's choice of the front page shows, whoever made it.
    w.Frame2(0).ZOrder(0);
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(covered->isVisible());
}

TEST_F(QtBindingTest, PictureBoxDrawsItsLinesInItsOwnScale) {
    FrmProbe& w = ShowProbe();
    w.Picture1.SetScale(200, 100);
    w.Picture1.DrawLine(0, 50, 200, 50, 1);
    w.Picture1.DrawLine(150, 0, 150, 100, 1);
    const QImage image = W<PictureWidget>("Picture1")->grab().toImage();
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixelColor(10, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(75, 10), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(10, 40), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(50, 10), QColor(Qt::black));
    w.Picture1.Cls();
    EXPECT_NE(W<PictureWidget>("Picture1")->grab().toImage().pixelColor(10, 50), QColor(Qt::black));

    // A flat border on the window colour: one line of the text colour around the base colour.
    auto* picture = W<PictureWidget>("Picture1");
    w.Picture1.SetBorder(true);
    w.Picture1.SetFlatBorder(true);
    w.Picture1.SetWindowColours(true);
    w.Picture1.Cls();
    const QImage flat = picture->grab().toImage();
    EXPECT_EQ(picture->Inner(), QRect(1, 1, 98, 98));
    EXPECT_EQ(flat.pixelColor(0, 50), picture->palette().color(QPalette::Text));
    EXPECT_EQ(flat.pixelColor(1, 50), picture->palette().color(QPalette::Base));
}

TEST_F(QtBindingTest, StatusBarPanelsShowTheirTextAndTheDateSideBySide) {
    FrmProbe& w = ShowProbe();
    auto* bar = W<StatusBarWidget>("StatusBar1");
    EXPECT_EQ(bar->PanelText(1), "Projekt:");
    EXPECT_EQ(bar->PanelText(2),
              QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_EQ(bar->PanelLabel(1)->geometry(), QRect(2, 2, 260, 20));
    EXPECT_EQ(bar->PanelLabel(2)->geometry(), QRect(264, 2, 82, 20));
    // The last panel shares what is left.
    EXPECT_EQ(bar->PanelLabel(3)->geometry(), QRect(348, 2, 130, 20));
    // A bar narrower than its panels takes the difference from the text panels: the date stays
    // whole and inside the bar.
    w.StatusBar1.Move(0, 6240, 4500, 360);
    EXPECT_EQ(bar->PanelLabel(1)->geometry(), QRect(2, 2, 210, 20));
    EXPECT_EQ(bar->PanelLabel(2)->geometry(), QRect(214, 2, 82, 20));
}

TEST_F(QtBindingTest, MessageBoxAsksWithTitleIconAndButtonsAndGivesTheFocusBack) {
    FrmProbe& w = ShowProbe();
    w.Text4(1).SetFocus();
    QString title, text;
    QMessageBox::Icon icon{};
    AnswerNextBox([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(host.MsgBox("Zapisać dane?", MsgButtons::YesNo, MsgIcon::Question, ""),
              MsgAnswer::No);
    EXPECT_EQ(title, "Kordelan");
    EXPECT_EQ(text, "Zapisać dane?");
    EXPECT_EQ(icon, QMessageBox::Question);

    AnswerNextBox([&](QMessageBox& box) {
        title = box.windowTitle();
        icon = box.icon();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(host.MsgBox("Błąd", MsgButtons::OKCancel, MsgIcon::Exclamation, "Uwaga !!!"),
              MsgAnswer::Cancel);
    EXPECT_EQ(title, "Uwaga !!!");
    EXPECT_EQ(icon, QMessageBox::Warning);
    Flush();
    EXPECT_TRUE(Binding().WindowWidget()->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), W<QLineEdit>("Text4(1)"));
}

TEST_F(QtBindingTest, AModalWindowRunsUntilHiddenThenTheWindowBelowComesBack) {
    FrmProbe& w = ShowProbe();
    w.Text4(1).SetFocus();
    FrmSmall& dialog = small();
    bool modalWhileShown = false, dialogWasActive = false;
    QTimer::singleShot(0, [&] {
        QWidget* form = QtBinding::Of(dialog)->WindowWidget();
        modalWhileShown = form->isModal() && form->isVisible();
        dialogWasActive =
            QApplication::activeWindow() == form || QApplication::activeModalWidget() == form;
        EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        dialog.Hide();
    });
    dialog.ShowModal();
    EXPECT_TRUE(modalWhileShown);
    EXPECT_TRUE(dialogWasActive);
    EXPECT_FALSE(QtBinding::Of(dialog)->WindowWidget()->isVisible());
    Flush();
    EXPECT_TRUE(Binding().WindowWidget()->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), W<QLineEdit>("Text4(1)"));
}

// Help asked for from a modal window opens on its screen, over it when there is no room beside
// it; it stays when that window closes, comes to the front when asked again and Esc closes it.
TEST_F(QtBindingTest, HelpOpensOverItsOwnerOutlivesItAndClosesOnEsc) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("help.hlp").toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>Pomoc</p>");
    file.close();
    const auto helpWindow = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Help" && w->isVisible()) return w;
        return static_cast<QWidget*>(nullptr);
    };
    ShowProbe();
    FrmSmall& dialog = small();
    QPointer<QWidget> help;
    QRect owner;
    QTimer::singleShot(0, [&] {
        owner = QtBinding::Of(dialog)->WindowWidget()->frameGeometry();
        EXPECT_TRUE(host.ShowHelp(path));
        help = helpWindow();
        dialog.Unload();
    });
    dialog.ShowModal();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Flush();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    const QRect frame = help->frameGeometry();
    const QRect area = help->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(frame));
    EXPECT_EQ(frame.topLeft(),
              QPoint(std::min(owner.left() + 40, area.right() + 1 - frame.width()),
                     std::min(owner.top() + 40, area.bottom() + 1 - frame.height())));

    EXPECT_TRUE(host.ShowHelp(path));
    EXPECT_EQ(helpWindow(), help.data());
    Key(help, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(help);
}

TEST_F(QtBindingTest, TheCloseBoxAsksTheModelAndAnUnloadFromAClickIsSafe) {
    FrmProbe& w = ShowProbe();
    small().Show();
    Flush();
    QPointer<QWidget> form = Binding().WindowWidget();
    w.Command2.Click = [&] { w.Unload(); };
    W<QPushButton>("Command2")->click();
    EXPECT_EQ(QtBinding::Of(w), nullptr);
    EXPECT_FALSE(probe.Exists());
    ASSERT_FALSE(form.isNull());
    EXPECT_FALSE(form->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(host.quits, 0);

    QPointer<QWidget> last = QtBinding::Of(small())->WindowWidget();
    last->close();
    EXPECT_FALSE(small.Exists());
    EXPECT_FALSE(last->isVisible());
    // The program ends only once the event that closed the last window is over.
    EXPECT_EQ(host.quits, 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(last.isNull());
    EXPECT_EQ(host.quits, 1);
}

TEST_F(QtBindingTest, AWindowLoadedAgainGetsItsWidgetsBackAsAFreshLoadWouldBuildThem) {
    probe().SetReloadedOften(true);
    FrmProbe& first = ShowProbe();
    first.Text4(0).SetText("12");
    first.Check1.SetValue(1);
    first.Label1.SetWindowColours(true);
    first.Command2.SetEnabled(false);
    first.Frame2(1).ZOrder(0);
    Flush();
    QPointer<QWidget> form = Binding().WindowWidget();
    QPointer<QWidget> text = W<QLineEdit>("Text4(0)");
    first.Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Forms::Collect();
    ASSERT_FALSE(form.isNull());
    EXPECT_FALSE(form->isVisible());

    probe().SetReloadedOften(true);
    FrmProbe& again = ShowProbe();
    EXPECT_EQ(Binding().WindowWidget(), form.data());
    EXPECT_EQ(W<QLineEdit>("Text4(0)"), text.data());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(W<QLineEdit>("Text4(0)")->text(), "");
    EXPECT_FALSE(W<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(W<QLabel>("Label1")->autoFillBackground());
    EXPECT_TRUE(W<QPushButton>("Command2")->isEnabled());
    EXPECT_TRUE(W<QLineEdit>("Text5(0)")->isVisible());
    EXPECT_FALSE(W<QLineEdit>("Text5(1)")->isVisible());
    // The widgets answer to the new window only, once.
    Click(W<QPushButton>("Command1"));
    Click(W<QCheckBox>("Check1"));
    EXPECT_EQ(again.clicks, (std::vector<std::string>{"Command1", "Check1"}));
    W<QLineEdit>("Text4(1)")->setFocus(Qt::MouseFocusReason);
    Key(W<QLineEdit>("Text4(1)"), Qt::Key_5, Qt::NoModifier, "5");
    EXPECT_EQ(again.changes, (std::vector<std::string>{"Text4(1)=5"}));
    form->close();
    EXPECT_FALSE(probe.Exists());
    KeptWidgets::Drop();
    EXPECT_TRUE(form.isNull());
}

TEST(KeptWidgetsTest, WidgetsNoWindowAdoptsAreDeletedByTheCache) {
    Window one("frmKept"), other("frmKept");
    one.Add<TextBox>("Text1");
    other.Add<Label>("Text1");
    const auto keep = [&one] {
        KeptWidgets::Set set;
        set.form = std::make_unique<FormWidget>(nullptr);
        set.controls = KeptWidgets::ControlsOf(one);
        set.widgets.push_back(new QLineEdit(set.form.get()));
        QPointer<QWidget> form = set.form.get();
        KeptWidgets::Keep(one, std::move(set));
        return form;
    };
    // Kept again under the same name: the widgets kept before go.
    QPointer<QWidget> first = keep(), second = keep();
    EXPECT_TRUE(first.isNull());
    // Built for other controls: deleted, not handed out.
    EXPECT_FALSE(KeptWidgets::Take(other));
    EXPECT_TRUE(second.isNull());
    // Handed out: the taker owns them, and the cache is done with them.
    QPointer<QWidget> third = keep();
    std::optional<KeptWidgets::Set> taken = KeptWidgets::Take(one);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->form.get(), third.data());
    EXPECT_FALSE(KeptWidgets::Take(one));
    taken.reset();
    EXPECT_TRUE(third.isNull());
    QPointer<QWidget> fourth = keep();
    KeptWidgets::Drop();
    EXPECT_TRUE(fourth.isNull());
}

}  // namespace
}  // namespace kord

namespace kord::test {
namespace {

TEST(ButtonCaptionTest, LongCaptionsBreakAtTheirBlanks) {
    QFont font("Arial");
    font.setPointSizeF(8.25);
    EXPECT_EQ(ButtonCaption("OK", font, 80), "OK");
    EXPECT_EQ(ButtonCaption("        Powrót         (z uaktualnieniem)", font, 160),
              "Powrót\n(z uaktualnieniem)");
    EXPECT_EQ(ButtonCaption("      Powrót      (bez uaktualnienia)", font, 200),
              "Powrót      (bez uaktualnienia)");
    EXPECT_EQ(ButtonCaption("      Powrót      (bez uaktualnienia)", font, 120),
              "Powrót\n(bez uaktualnienia)");
    EXPECT_EQ(ButtonCaption("Wymiary elementu wzmacniającego", font, 120),
              "Wymiary elementu\nwzmacniającego");
    // Without a blank there is nothing to break.
    EXPECT_EQ(ButtonCaption("Wzmacniającego", font, 30), "Wzmacniającego");
}

}  // namespace
}  // namespace kord::test

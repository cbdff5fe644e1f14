#pragma once
// The toolkit-neutral control model: plain objects named as the windows name them. The windows'
// code and the tests work on these; a binding (Qt, or a test observer) mirrors them.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Picture.h"

namespace kord {

class Window;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    OptionButton,
    CheckBox,
    ComboBox,
    Frame,
    PictureBox,
    Image,
    TabStrip,
    StatusBar,
    Line,
};

// What moved the focus. Only the user's own moves count as leaving a field on purpose.
enum class FocusCause { Program, Mouse, Tab, Backtab, Shortcut, TabStripClick, Enter };

inline bool IsUserMove(FocusCause c) {
    return c != FocusCause::Program;
}

struct Font {
    std::string name = "Arial";
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

enum class Alignment { Left, Right, Center };

// Which property changed, for observers.
enum class Prop {
    Text,
    Enabled,
    Visible,
    Value,
    List,
    ListIndex,
    Font,
    Geometry,
    Picture,
    Selection,
    ZOrder,
    Panels,
    Drawing,
    Tabs,
    Style,
};

class Control {
  public:
    Control(Window& owner, ControlKind kind, std::string name, int index, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    // "Text4(1)" for an element of a control array, "Label57" otherwise.
    const std::string& Name() const { return fullName_; }
    const std::string& BaseName() const { return baseName_; }
    int Index() const { return index_; }
    Window& Owner() const { return owner_; }
    Control* Container() const { return container_; }

    // Caption of labels, buttons, frames; the text of text boxes and lists.
    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return text_; }
    virtual void SetText(const std::string& t);
    void SetCaption(const std::string& t) { SetText(t); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    const kord::Font& Font() const { return font_; }
    void SetFont(const kord::Font& f);
    void SetFontBold(bool b);
    void SetFontSize(double s);
    void SetFontName(const std::string& n);

    // Position and size in twips, relative to the container (or the window's client area).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Move(int left, int top, int width, int height);
    void SetLeft(int left) { Move(left, top_, width_, height_); }
    void SetTop(int top) { Move(left_, top, width_, height_); }

    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i) { tabIndex_ = i; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool s) { tabStop_ = s; }

    Alignment TextAlign() const { return align_; }
    void SetAlignment(Alignment a);
    // Drawn on the system's window colour with its window-text colour, as a document is, rather
    // than on the colour of the window face.
    bool WindowColours() const { return windowColours_; }
    void SetWindowColours(bool w);

    // Stacking among the siblings of the same container: the higher stands in front.
    int ZOrderValue() const { return z_; }
    // 0 brings the control to the front, 1 sends it to the back.
    void ZOrder(int position = 0);

    // The focus: given from code. Returns false when the control cannot take it.
    bool SetFocus();
    bool HasFocus() const;
    // Whether the control could take the focus now (enabled and shown up its container chain,
    // not on a page that another page covers, not parked outside its container).
    bool CanFocus() const;
    // Shown to the user: visible up the chain, not covered by a sibling page, inside its container.
    bool EffectivelyShown() const;
    bool EffectivelyEnabled() const;
    virtual bool Focusable() const { return false; }

    // Events. The window wires them to its handlers.
    std::function<void()> Click;
    std::function<void()> Change;
    std::function<void(FocusCause)> GotFocus;
    std::function<void(FocusCause)> LostFocus;

    // The user's actions, as a binding or a test performs them.
    virtual void UserClick();

  protected:
    void Notify(Prop p);
    bool CoveredBySibling() const;
    bool InsideContainer() const;

    Window& owner_;
    ControlKind kind_;
    std::string baseName_;
    int index_;
    std::string fullName_;
    Control* container_;
    std::string text_;
    bool enabled_ = true;
    bool visible_ = true;
    kord::Font font_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    Alignment align_ = Alignment::Left;
    bool windowColours_ = false;
    int z_ = 0;
};

class Label : public Control {
  public:
    Label(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::Label, std::move(name), index, c) {}
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a) { autoSize_ = a; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);

  private:
    bool autoSize_ = false;
    bool wordWrap_ = false;
};

class TextBox : public Control {
  public:
    TextBox(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::TextBox, std::move(name), index, c) {}
    // Setting the text from code fires Change, as the user's typing does.
    void SetText(const std::string& t) override;
    bool Focusable() const override { return true; }
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    // Entering a field selects its whole text.
    void SelectAll();
    std::string SelText() const;
    // The user typed: the whole text is now t.
    void UserType(const std::string& t);

  private:
    int selStart_ = 0;
    int selLength_ = 0;
};

class CommandButton : public Control {
  public:
    CommandButton(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::CommandButton, std::move(name), index, c) {}
    bool Focusable() const override { return true; }
    // A press by the user: the focus moves to the button first (which runs the leaving of the
    // field), then the click runs, unless the leaving gave the focus back.
    void UserClick() override;
};

class OptionButton : public Control {
  public:
    OptionButton(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::OptionButton, std::move(name), index, c) {}
    bool Value() const { return value_; }
    // Selecting from code clears the other options of the same container and fires Click, as the
    // user's click does; clearing fires nothing.
    void SetValue(bool v);
    bool Focusable() const override { return true; }
    void UserClick() override;

  private:
    bool value_ = false;
};

class CheckBox : public Control {
  public:
    CheckBox(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::CheckBox, std::move(name), index, c) {}
    // 0 cleared, 1 ticked. A change from code fires Click, as the user's click does.
    int Value() const { return value_; }
    void SetValue(int v);
    bool Checked() const { return value_ == 1; }
    bool Focusable() const override { return true; }
    void UserClick() override;

  private:
    int value_ = 0;
};

// A drop-down list without typing.
class ComboBox : public Control {
  public:
    ComboBox(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::ComboBox, std::move(name), index, c) {}
    void AddItem(const std::string& item);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int i) const { return items_.at(static_cast<size_t>(i)); }
    const std::vector<std::string>& Items() const { return items_; }
    int ListIndex() const { return listIndex_; }
    // Selecting an item from code fires Click, as the user's choice does.
    void SetListIndex(int i);
    bool Focusable() const override { return true; }
    void UserSelect(int i);

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class Frame : public Control {
  public:
    Frame(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::Frame, std::move(name), index, c) {}
    bool Border() const { return border_; }
    void SetBorder(bool b) { border_ = b; }

  private:
    bool border_ = true;
};

// A line kept by a picture box's drawing, in the box's user scale.
struct DrawnLine {
    double x1, y1, x2, y2;
    int width = 1;
    bool operator==(const DrawnLine&) const = default;
};

class PictureBox : public Control {
  public:
    PictureBox(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::PictureBox, std::move(name), index, c) {}
    const kord::Picture& Picture() const { return picture_; }
    void SetPicture(kord::Picture p);
    // A user scale for drawing: the box's inner area spans 0..w, 0..h units.
    void SetScale(double w, double h);
    double ScaleWidth() const { return scaleW_; }
    double ScaleHeight() const { return scaleH_; }
    void Cls();
    void DrawLine(double x1, double y1, double x2, double y2, int width = 1);
    const std::vector<DrawnLine>& Drawing() const { return drawing_; }
    bool Border() const { return border_; }
    void SetBorder(bool b) { border_ = b; }
    // A flat border is a single line in place of the sunken edge.
    bool FlatBorder() const { return flat_; }
    void SetFlatBorder(bool f) { flat_ = f; }

  private:
    kord::Picture picture_;
    double scaleW_ = 0, scaleH_ = 0;
    std::vector<DrawnLine> drawing_;
    bool border_ = false;
    bool flat_ = false;
};

// A picture control; stretched pictures fill it.
class Image : public Control {
  public:
    Image(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::Image, std::move(name), index, c) {}
    const kord::Picture& Picture() const { return picture_; }
    void SetPicture(kord::Picture p);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool s) { stretch_ = s; }

  private:
    kord::Picture picture_;
    bool stretch_ = false;
};

class TabStrip : public Control {
  public:
    TabStrip(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::TabStrip, std::move(name), index, c) {}
    void AddTab(const std::string& caption);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    const std::string& TabCaption(int i) const { return tabs_.at(static_cast<size_t>(i)); }
    // The selected tab, counted from 0.
    int SelectedIndex() const { return selected_; }
    // Selecting a tab from code fires Click, as the user's click does.
    void Select(int i);
    // The user clicked a tab: the click gives the strip no focus, yet it counts as leaving the
    // field that has it; when that leaving gives the focus back, the tab does not change.
    void UserSelect(int i);
    // Reached by the Tab key, it changes its tab by the arrow keys.
    bool Focusable() const override { return true; }
    // The area under the tabs, in the container's twips: where the pages go.
    int ClientLeft() const;
    int ClientTop() const;
    int ClientWidth() const;
    int ClientHeight() const;
    static constexpr int kTabRowHeight = 360;

  private:
    std::vector<std::string> tabs_;
    int selected_ = 0;
};

enum class PanelStyle { Text, Date, Time };

struct Panel {
    std::string text;
    PanelStyle style = PanelStyle::Text;
    int width = 0;  // twips; 0 shares what is left
    bool operator==(const Panel&) const = default;
};

class StatusBar : public Control {
  public:
    StatusBar(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::StatusBar, std::move(name), index, c) {}
    void AddPanel(Panel p);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Panels are numbered from 1, as the status bar numbers them.
    const Panel& Panels(int n) const { return panels_.at(static_cast<size_t>(n - 1)); }
    void SetPanelText(int n, const std::string& t);
    const std::vector<Panel>& AllPanels() const { return panels_; }

  private:
    std::vector<Panel> panels_;
};

class LineControl : public Control {
  public:
    LineControl(Window& w, std::string name, int index, Control* c)
        : Control(w, ControlKind::Line, std::move(name), index, c) {}
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    void SetEnds(int x1, int y1, int x2, int y2);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w) { borderWidth_ = w; }

  private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int borderWidth_ = 1;
};

// A control array: the elements share a name and are reached by their index (the design case
// on the input window).
template <class T>
class ControlArray {
  public:
    T& operator()(int index) const {
        for (T* c : elements_)
            if (c->Index() == index) return *c;
        throw std::out_of_range("no element " + std::to_string(index));
    }
    bool Has(int index) const {
        for (T* c : elements_)
            if (c->Index() == index) return true;
        return false;
    }
    void Add(T* c) { elements_.push_back(c); }
    const std::vector<T*>& Elements() const { return elements_; }

  private:
    std::vector<T*> elements_;
};

}  // namespace kord

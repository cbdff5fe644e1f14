#include "app/InputWindow.h"

#include "app/AboutWindow.h"
#include "app/DesignCommand.h"
#include "app/Exit.h"
#include "app/Help.h"
#include "app/InputFieldRules.h"
#include "app/InputFile.h"
#include "app/InputTabReset.h"
#include "app/OptionsWindow.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "platform/Host.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"
#include "review/ResultsWindow.h"

namespace kord {

FormSlot<FrmData> frmData;

namespace {

// Rows that the option rules enable and disable as a whole.
const std::vector<const char*> kRowFlangeThickness = {"Text2(0)", "Label5(0)", "Label60",
                                                      "Label15(0)"};
const std::vector<const char*> kRowFlangeWidth = {"Text3(0)", "Label6(0)", "Label59", "Label16(0)"};
const std::vector<const char*> kRowShearStrips = {"Text18", "Label40", "Label72", "Label38",
                                                  "Text19", "Label41", "Label73", "Label39"};
const std::vector<const char*> kRowColumnSides = {"Text4(2)", "Label7(2)", "Label17(2)",
                                                  "Text1(2)", "Label4(2)", "Label14(2)",
                                                  "Text20",   "Label42",   "Label44"};
const std::vector<const char*> kRowDiameter = {"Text27", "Label52", "Label53"};
const std::vector<const char*> kRowColumnStrips = {"Text28", "Label94", "Label91", "Label92",
                                                   "Text29", "Label95", "Label90", "Label93"};
const std::vector<const char*> kRowStrength = {"Text21",  "Label43", "Label89",
                                               "Label57", "Label45", "Label117"};
const std::vector<const char*> kRowStrain = {"Text23",  "Label47", "Label107",
                                             "Label58", "Label88", "Label49"};

std::vector<const char*> MeanStrengthRow(int tab) {
    static const char* kSub[] = {"Label78", "Label77", "Label80"};
    static const char* kSup[] = {"Label111", "Label114", "Label116"};
    static const char* kText[] = {"Text22(0)", "Text22(1)", "Text22(2)"};
    static const char* kLetter[] = {"Label37(0)", "Label37(1)", "Label37(2)"};
    static const char* kUnit[] = {"Label34(0)", "Label34(1)", "Label34(2)"};
    return {kText[tab], kLetter[tab], kUnit[tab], kSub[tab], kSup[tab]};
}

// Layout, in twips.
constexpr int kWindowWidth = 12960;
constexpr int kWindowHeight = 9720;
constexpr int kLeftX = 120, kLeftW = 6180;
constexpr int kRightX = 6420, kRightW = 6120;
constexpr int kBoxW = 1005, kBoxH = 285;
constexpr int kUnitW = 780;
constexpr int kPitch = 345;

int BoxColumn(int frameWidth) {
    return frameWidth - 120 - kUnitW - 75 - kBoxW;
}

const Font kSubFont{"Arial", 7};
const Font kSupFont{"Arial", 6};
const Font kSymbolFont{"Symbol", 10};

// Builds the rows of the input window: caption (with its letter), Greek letter, subscript,
// field, unit and superscript two.
}  // namespace

class InputRowBuilder {
  public:
    InputRowBuilder(FrmData& w, std::vector<std::pair<Label*, int>>& greek)
        : w_(w), greekCodes_(greek) {}

    // A fresh name for a label that nothing else refers to.
    std::string Fresh() { return "Label" + std::to_string(next_++); }

    Label& Lbl(const std::string& name, Control* container, const std::string& text, int x, int y,
               int width = 0, int height = 240) {
        Label& l = AddLabel(name, container);
        l.SetCaption(text);
        l.Move(x, y, width > 0 ? width : TextWidthTwips(text, l.Font()) + 15, height);
        return l;
    }

    struct Parts {
        std::string caption;  // name of the caption label ("" for a fresh one)
        std::string captionText;
        std::string greek;  // name of a Greek label placed after the caption, or ""
        int greekCode = 0;
        std::string sub;  // subscript label name ("" for a fresh one when subText is given)
        std::string subText;
        std::string unit;
        std::string unitText;
        std::string sup;  // superscript two after the unit ("" none, "*" fresh)
    };

    // A one-line row; the field stands in the frame's field column.
    void Row(Control& frame, TextBox& box, int y, const Parts& p) {
        const int x0 = 120;
        Label& cap = Lbl(Name(p.caption), &frame, p.captionText, x0, y + 30);
        Symbol(frame, p, x0 + TextWidthTwips(p.captionText, cap.Font()), y);
        PlaceBox(frame, box, BoxColumn(frame.Width()), y, p);
    }

    // The Greek letter and subscript from x on; returns where they end.
    int Symbol(Control& frame, const Parts& p, int x, int y) {
        if (!p.greek.empty()) {
            Label& g = Lbl(p.greek, &frame, "", x, y, 180, 270);
            g.SetFont(kSymbolFont);
            greekCodes_.push_back({&g, p.greekCode});
            x += TextWidthTwips(SymbolChar(p.greekCode), kSymbolFont);
        }
        if (!p.subText.empty()) {
            Label& s = AddLabel(Name(p.sub), &frame);
            s.SetFont(kSubFont);
            s.SetCaption(p.subText);
            s.Move(x, y + 120, TextWidthTwips(p.subText, kSubFont) + 15, 210);
            x += TextWidthTwips(p.subText, kSubFont);
        }
        return x;
    }

    void PlaceBox(Control& frame, TextBox& box, int boxX, int y, const Parts& p) {
        box.Move(boxX, y, kBoxW, kBoxH);
        box.SetText("0");
        if (p.unitText.empty()) return;
        const int ux = boxX + kBoxW + 75;
        Label& u = Lbl(Name(p.unit), &frame, p.unitText, ux, y + 30);
        if (!p.sup.empty()) {
            Label& s = AddLabel(p.sup == "*" ? Fresh() : p.sup, &frame);
            s.SetFont(kSupFont);
            s.SetCaption("2");
            s.Move(ux + TextWidthTwips(p.unitText, u.Font()), y, 120, 180);
        }
    }

    // A row whose description wraps over two lines; the symbol stands right before the field.
    void WrappedRow(Control& frame, TextBox& box, int y, const std::string& description,
                    const std::string& letter, const Parts& p) {
        const int boxX = BoxColumn(frame.Width());
        kord::Font f = w_.Font();
        int symbolW = TextWidthTwips(letter, f) + TextWidthTwips(p.subText, kSubFont);
        if (!p.greek.empty()) symbolW += TextWidthTwips(SymbolChar(p.greekCode), kSymbolFont);
        const int symbolX = boxX - 90 - symbolW;
        Label& d = Lbl(Fresh(), &frame, description, 120, y - 60, symbolX - 240, 450);
        d.SetWordWrap(true);
        int x = symbolX;
        if (!letter.empty()) {
            Lbl(Fresh(), &frame, letter, x, y + 30);
            x += TextWidthTwips(letter, f);
        }
        Symbol(frame, p, x, y);
        PlaceBox(frame, box, boxX, y, p);
    }

  private:
    std::string Name(const std::string& n) { return n.empty() ? Fresh() : n; }

    // "Label4(2)" names an element of a control array.
    Label& AddLabel(const std::string& name, Control* container) {
        const auto open = name.find('(');
        if (open == std::string::npos) return w_.Add<Label>(name, container);
        return w_.Add<Label>(name.substr(0, open), std::stoi(name.substr(open + 1)), container);
    }

    FrmData& w_;
    int next_ = 140;
    std::vector<std::pair<Label*, int>>& greekCodes_;
};

FrmData::FrmData() : Window("frmData") {
    SetCaption("Kordelan");
    SetFont(kord::Font{"Arial", 9});
    SetSize(kWindowWidth, kWindowHeight);
    SetBorder(BorderStyle::FixedSingle);
    InputRowBuilder rows(*this, greekLetters_);
    TabStrip1.Move(120, 120, kWindowWidth - 240, 8040);
    TabStrip1.AddTab("    ELEMENTY ZGINANE    ");
    TabStrip1.AddTab("    ELEMENTY ŚCINANE    ");
    TabStrip1.AddTab("    ELEMENTY ŚCISKANE    ");
    for (int k = 0; k < 3; ++k) {
        Frame4(k).SetCaption("Wprowadzanie danych");
        Frame4(k).Move(TabStrip1.ClientLeft(), TabStrip1.ClientTop(), TabStrip1.ClientWidth(),
                       TabStrip1.ClientHeight());
    }
    BuildPages(rows);
    BuildBottom(rows);
    // Chosen in the window's design: the load selects the other groups' defaults itself.
    Option3.SetValue(true);
    rules_ = std::make_unique<FieldRules>(*this, kNotNumberMessage, kWarningTitle);
    AddInputFieldRules(*this, *rules_);
    // Every text box selects its whole text on entry, also those without a leaving rule.
    for (const auto& c : Controls())
        if (c->Kind() == ControlKind::TextBox && !c->GotFocus)
            rules_->AddEntry(static_cast<TextBox&>(*c));
    WireEvents();
}

void FrmData::BuildPages(InputRowBuilder& r) {
    using P = InputRowBuilder::Parts;

    // Parts shared by the three tabs: drawing, geometry, concrete and composite frames.
    for (int k = 0; k < 3; ++k) {
        Frame& page = Frame4(k);
        Add(Picture1, "Picture1", k, &page).Move(kLeftX + (kLeftW - 4050) / 2, 930, 4050, 3000);
        Frame& geometry = k == 2 ? Frame1_2 : Add(Frame1, "Frame1", k, &page);
        geometry.SetCaption("Geometria przekroju poprzecznego");
        geometry.Move(kLeftX, 3990, kLeftW, 1710);

        Frame& concrete = k == 0 ? Frame7_0 : Add(Frame7, "Frame7", k, &page);
        concrete.SetCaption("Beton");
        concrete.Move(kLeftX, 5760, kLeftW, k == 0 ? 1530 : 1140);
        OptionButton& klasa = Add(Option10, "Option10", k, &concrete);
        klasa.SetCaption("Klasa");
        klasa.Move(120, 300, 2500, 255);
        ComboBox& list = Add(Combo1, "Combo1", k, &concrete);
        list.Move(BoxColumn(kLeftW) - 495, 270, 1500, 315);
        OptionButton& mean = Add(Option11, "Option11", k, &concrete);
        mean.SetCaption("Średnia wytrzymałość");
        mean.Move(120, 690, 2500, 255);
        TextBox& fcm = Add(Text22, "Text22", k, &concrete);
        static const char* kSub[] = {"Label78", "Label77", "Label80"};
        static const char* kSup[] = {"Label111", "Label114", "Label116"};
        const std::string idx = "(" + std::to_string(k) + ")";
        Label& f = r.Lbl("Label37" + idx, &concrete, "f", 2700, 720);
        r.Lbl(kSub[k], &concrete, "cm", 2700 + TextWidthTwips("f", f.Font()), 810, 300, 210)
            .SetFont(kSubFont);
        r.PlaceBox(concrete, fcm, BoxColumn(kLeftW), 660,
                   P{.unit = "Label34" + idx, .unitText = "N/mm", .sup = kSup[k]});

        Frame& composite = k == 1   ? Frame14_1
                           : k == 2 ? Frame14_2
                                    : Add(Frame14, "Frame14", 0, &page);
        composite.SetCaption("Kompozyt");
        static const int kCompositeHeight[] = {1500, 2190, 2220};
        composite.Move(kRightX, 270, kRightW, kCompositeHeight[k]);
        TextBox& ef = Add(Text24, "Text24", k, &composite);
        r.Row(composite, ef, 300,
              P{.captionText = "Moduł sprężystości  E",
                .subText = "f",
                .unitText = "kN/mm",
                .sup = "*"});
        CommandButton& sheet = Add(Command9, "Command9", k, &composite);
        sheet.SetCaption("Właściwości materiałów Vendrik Plankor");
    }

    // Tab 0: flexure.
    Frame5.SetCaption("Typ przekroju poprzecznego");
    Frame5.Move(kLeftX, 270, kLeftW, 600);
    Option4.SetCaption("Teowy");
    Option4.Move(240, 270, 1500, 255);
    Option5.SetCaption("Prostokątny");
    Option5.Move(2040, 270, 1800, 255);
    Frame& g0 = Frame1(0);
    r.Row(g0, Add(Text4, "Text4", 0, &g0), 300,
          P{.caption = "Label7(0)",
            .captionText = "Szerokość  b",
            .unit = "Label17(0)",
            .unitText = "m"});
    r.Row(g0, Add(Text3, "Text3", 0, &g0), 645,
          P{.caption = "Label6(0)",
            .captionText = "Szerokość półki  b",
            .sub = "Label59",
            .subText = "eff",
            .unit = "Label16(0)",
            .unitText = "m"});
    r.Row(g0, Add(Text1, "Text1", 0, &g0), 990,
          P{.caption = "Label4(0)",
            .captionText = "Wysokość  h",
            .unit = "Label14(0)",
            .unitText = "m"});
    r.Row(g0, Add(Text2, "Text2", 0, &g0), 1335,
          P{.caption = "Label5(0)",
            .captionText = "Grubość półki  h",
            .sub = "Label60",
            .subText = "f",
            .unit = "Label15(0)",
            .unitText = "m"});
    r.Row(Frame7_0, Text34, 1080,
          P{.captionText = "Współczynnik pełzania  ", .greek = "Label127", .greekCode = 106});

    Frame& c0 = Frame14(0);
    r.Row(c0, Add(Text26, "Text26", 0, &c0), 645,
          P{.captionText = "Odkształcenie graniczne  ",
            .greek = "Label101",
            .greekCode = 101,
            .subText = "f,lim",
            .unitText = "-"});
    Command9(0).Move(120, 1035, kRightW - 240, 360);

    Frame2_0.SetCaption("Zbrojenie");
    Frame2_0.Move(kRightX, 1830, kRightW, 2100);
    r.Row(
        Frame2_0, Text32, 300,
        P{.captionText = "Moduł sprężystości  E", .subText = "s", .unitText = "kN/mm", .sup = "*"});
    r.Row(Frame2_0, Text30, 645,
          P{.captionText = "Charakterystyczna granica plastyczności  f",
            .subText = "yk",
            .unitText = "N/mm",
            .sup = "*"});
    // Steel layers: area and distance side by side.
    struct Layer {
        const char* word;
        const char* sub;
        TextBox* area;
        TextBox* dist;
        const char* distSub;
    };
    TextBox& as2 = Add(Text5, "Text5", 0, &Frame2_0);
    TextBox& d2 = Add(Text9, "Text9", 0, &Frame2_0);
    TextBox& as11 = Add(Text6, "Text6", 0, &Frame2_0);
    TextBox& d11 = Add(Text10, "Text10", 0, &Frame2_0);
    const Layer layers[] = {{"Górne  A", "s2", &as2, &d2, "2"},
                            {"Dolne  A", "s12", &Text16, &Text17, "12"},
                            {"Dolne  A", "s11", &as11, &d11, "11"}};
    int y = 990;
    for (const Layer& l : layers) {
        Label& cap = r.Lbl(r.Fresh(), &Frame2_0, l.word, 120, y + 30);
        r.Symbol(Frame2_0, P{.subText = l.sub}, 120 + TextWidthTwips(l.word, cap.Font()), y);
        r.PlaceBox(Frame2_0, *l.area, 1500, y, P{.unitText = "mm", .sup = "*"});
        Label& at = r.Lbl(r.Fresh(), &Frame2_0, "w odległości  d", 3120, y + 30);
        r.Symbol(Frame2_0, P{.subText = l.distSub}, 3120 + TextWidthTwips(at.Caption(), at.Font()),
                 y);
        r.PlaceBox(Frame2_0, *l.dist, 4710, y, P{.unitText = "m"});
        y += kPitch;
    }

    Frame3.SetCaption("Momenty zginające");
    Frame3.Move(kRightX, 3990, kRightW, 3300);
    struct Moment {
        TextBox* box;
        const char* text;
        const char* sub;
    };
    const Moment moments[] = {
        {&Text7, "Moment zginający podczas wzmacniania (początkowy)", "o"},
        {&Text8, "Moment zginający wymagany po wzmocnieniu", "sd"},
        {&Text31, "Moment zginający od obciążenia zmiennego o wartościach wyjątkowych", "ser,r"},
        {&Text33, "Moment zginający od obciążenia zmiennego o wartościach prawie stałych",
         "ser,q-p"}};
    y = 360;
    for (const Moment& m : moments) {
        r.WrappedRow(Frame3, *m.box, y, m.text, "M", P{.subText = m.sub, .unitText = "kNm"});
        y += 720;
    }

    // Tab 1: shear.
    Frame10.SetCaption("Metoda zamocowania");
    Frame10.Move(kLeftX, 270, kLeftW, 600);
    Option1.SetCaption("Zamknięte wzmocnienie");
    Option1.Move(240, 270, 2700, 255);
    Option2.SetCaption("Otwarte wzmocnienie");
    Option2.Move(3120, 270, 2700, 255);
    Frame& g1 = Frame1(1);
    r.Row(g1, Add(Text4, "Text4", 1, &g1), 300,
          P{.caption = "Label7(1)",
            .captionText = "Szerokość  b",
            .unit = "Label17(1)",
            .unitText = "m"});
    r.Row(g1, Add(Text14, "Text14", 1, &g1), 645,
          P{.captionText = "Wysokość użyteczna  d", .unitText = "m"});
    r.WrappedRow(g1, Add(Text13, "Text13", 1, &g1), 1080,
                 "Kąt między kierunkiem włókien wzmocnienia a osią elementu", "",
                 P{.greek = "Label104", .greekCode = 97, .unitText = "stopnie"});

    r.Row(Frame14_1, Add(Text15, "Text15", 1, &Frame14_1), 645,
          P{.captionText = "Wydłużenie przy zerwaniu  ",
            .greek = "Label102",
            .greekCode = 101,
            .subText = "fu",
            .unitText = "-"});
    r.Row(Frame14_1, Add(Text26, "Text26", 1, &Frame14_1), 990,
          P{.captionText = "Odkształcenie graniczne  ",
            .greek = "Label103",
            .greekCode = 101,
            .subText = "f,lim",
            .unitText = "-"});
    r.Lbl(r.Fresh(), &Frame14_1, "Rodzaj włókien", 120, 1365);
    Combo3.Move(BoxColumn(kRightW) - 1500, 1335, 2505 + 855, 315);
    Command9(1).Move(120, 1725, kRightW - 240, 360);

    Frame11_0.SetCaption("Forma wzmocnienia");
    Frame11_0.Move(kRightX, 2520, kRightW, 1380);
    Option6.SetCaption("Mata");
    Option6.Move(240, 270, 1500, 255);
    Option7.SetCaption("Kształtki");
    Option7.Move(2040, 270, 1800, 255);
    r.Row(Frame11_0, Text18, 630,
          P{.caption = "Label40",
            .captionText = "Szerokość L-kształtki  b",
            .sub = "Label72",
            .subText = "f",
            .unit = "Label38",
            .unitText = "m"});
    r.Row(Frame11_0, Text19, 975,
          P{.caption = "Label41",
            .captionText = "Odległość w osiach L-kształtek  s",
            .sub = "Label73",
            .subText = "f",
            .unit = "Label39",
            .unitText = "m"});

    Frame6.SetCaption("Przyrost siły ścinającej");
    Frame6.Move(kRightX, 3960, kRightW, 720);
    r.Row(Frame6, Text12, 300,
          P{.captionText = "Dodatkowe ścinanie  V", .subText = "fd", .unitText = "kN"});

    // Tab 2: confinement.
    Frame8.SetCaption("Typ przekroju poprzecznego");
    Frame8.Move(kLeftX, 270, kLeftW, 600);
    Option8.SetCaption("Prostokątny");
    Option8.Move(240, 270, 1800, 255);
    Option9.SetCaption("Kołowy");
    Option9.Move(2040, 270, 1500, 255);
    r.Row(Frame1_2, Add(Text4, "Text4", 2, &Frame1_2), 300,
          P{.caption = "Label7(2)",
            .captionText = "Szerokość  b",
            .unit = "Label17(2)",
            .unitText = "m"});
    r.Row(Frame1_2, Add(Text1, "Text1", 2, &Frame1_2), 645,
          P{.caption = "Label4(2)",
            .captionText = "Wysokość  h",
            .unit = "Label14(2)",
            .unitText = "m"});
    r.Row(
        Frame1_2, Text20, 990,
        P{.caption = "Label42", .captionText = "Wyoblenie  R", .unit = "Label44", .unitText = "m"});
    r.Row(
        Frame1_2, Text27, 1335,
        P{.caption = "Label52", .captionText = "Średnica  D", .unit = "Label53", .unitText = "m"});

    r.Row(Frame14_2, Text11, 645,
          P{.captionText = "Wydłużenie przy zerwaniu  ",
            .greek = "Label105",
            .greekCode = 101,
            .subText = "fu",
            .unitText = "-"});
    r.Lbl(r.Fresh(), &Frame14_2, "Obliczeniowa wartość wydłużenia przy zerwaniu", 120, 1020);
    {
        // ε_fu,e = [factor] x ε_fu
        const int boxX = BoxColumn(kRightW);
        const int y2 = 1335;
        const int symW = TextWidthTwips(SymbolChar(101), kSymbolFont) +
                         TextWidthTwips("fu,e", kSubFont) + TextWidthTwips(" =", Font());
        int x = r.Symbol(Frame14_2, P{.greek = "Label106", .greekCode = 101, .subText = "fu,e"},
                         boxX - 90 - symW, y2);
        r.Lbl(r.Fresh(), &Frame14_2, " =", x, y2 + 30);
        Text25.Move(boxX, y2, kBoxW, kBoxH);
        Label& times = r.Lbl(r.Fresh(), &Frame14_2, "x ", boxX + kBoxW + 75, y2 + 30);
        r.Symbol(Frame14_2, P{.greek = "Label108", .greekCode = 101, .subText = "fu"},
                 times.Left() + TextWidthTwips("x ", times.Font()), y2);
    }
    Command9(2).Move(120, 1740, kRightW - 240, 360);

    Frame11_1.SetCaption("Forma wzmocnienia");
    Frame11_1.Move(kRightX, 2550, kRightW, 1380);
    Option3.SetCaption("Mata");
    Option3.Move(240, 270, 1500, 255);
    Option12.SetCaption("Kształtki");
    Option12.Move(2040, 270, 1800, 255);
    r.Row(Frame11_1, Text28, 630,
          P{.caption = "Label94",
            .captionText = "Szerokość L-kształtki  b",
            .sub = "Label91",
            .subText = "f",
            .unit = "Label92",
            .unitText = "m"});
    r.Row(Frame11_1, Text29, 975,
          P{.caption = "Label95",
            .captionText = "Odległość w osiach L-kształtek  s",
            .sub = "Label90",
            .subText = "f",
            .unit = "Label93",
            .unitText = "m"});

    Frame12.SetCaption("Wymagania odnośnie przekroju wzmocnionego");
    Frame12.Move(kRightX, 3990, kRightW, 1860);
    Check1.SetCaption("Przyrost średniej wytrzymałości");
    Check1.Move(240, 270, 5000, 255);
    Check2.SetCaption("Przyrost odkształcenia przy zniszczeniu");
    Check2.Move(240, 975, 5000, 255);
    {
        const int y1 = 600;
        Label& d =
            r.Lbl("Label43", &Frame12, "Średnia wytrzymałość po wzmocnieniu  ", 120, y1 + 30);
        Label& f = r.Lbl("Label57", &Frame12, "f", d.Left() + d.Width() - 15, y1 + 30);
        r.Symbol(Frame12, P{.sub = "Label89", .subText = "cc"}, f.Left() + f.Width() - 15, y1);
        r.PlaceBox(Frame12, Text21, BoxColumn(kRightW), y1,
                   P{.unit = "Label45", .unitText = "N/mm", .sup = "Label117"});
        // The long description wraps; the symbol stands right before the field.
        const int y2 = 1305;
        const int boxX = BoxColumn(kRightW);
        const int symbolX = boxX - 90 - TextWidthTwips(SymbolChar(101), kSymbolFont) -
                            TextWidthTwips("cu", kSubFont);
        Label& e = r.Lbl("Label47", &Frame12, "Odkształcenie przy zniszczeniu po wzmocnieniu", 120,
                         y2 - 60, symbolX - 240, 450);
        e.SetWordWrap(true);
        Label& gap = r.Lbl("Label58", &Frame12, "", symbolX, y2 + 30, 15);
        r.Symbol(Frame12,
                 P{.greek = "Label107", .greekCode = 101, .sub = "Label88", .subText = "cu"},
                 gap.Left(), y2);
        r.PlaceBox(Frame12, Text23, BoxColumn(kRightW), y2, P{.unit = "Label49", .unitText = "-"});
    }
}

void FrmData::BuildBottom(InputRowBuilder& r) {
    const int y1 = 8340, y2 = 8820;
    struct Button {
        CommandButton* b;
        const char* caption;
        int x, y;
    };
    const Button buttons[] = {
        {&Command6, "O programie...", 120, y1}, {&Command3, "Wyjście", 120, y2},
        {&Command5, "Opcje", 8160, y1},         {&Command7, "Pomoc", 8160, y2},
        {&Command8, "Otwórz", 9720, y1},        {&Command4, "Zapisz", 9720, y2},
        {&Command1, "Obliczanie", 11280, y1},   {&Command2, "Nowy", 11280, y2}};
    for (const Button& b : buttons) {
        b.b->SetCaption(b.caption);
        b.b->Move(b.x, b.y, 1440, 390);
    }
    Image1.Move(1920, 8310, 870, 870);
    Image1.SetStretch(true);
    kord::Font brand{"Arial", 11, true};
    Label& name = r.Lbl("Label98", nullptr, "Vendrik   Plankor", 2940, 8580);
    name.SetFont(brand);
    name.Move(2940, 8580, TextWidthTwips("Vendrik   Plankor", brand) + 30, 300);
    Label& r1 = r.Lbl("Label99", nullptr, "", 2940 + TextWidthTwips("Vendrik", brand), 8520, 150);
    Label& r2 = r.Lbl("Label100", nullptr, "", 2940 + TextWidthTwips("Vendrik   Plankor", brand),
                      8520, 150);
    r1.SetFontSize(7);
    r2.SetFontSize(7);

    StatusBar1.Move(0, kWindowHeight - 360, kWindowWidth, 360);
    StatusBar1.AddPanel({"Projekt:", PanelStyle::Text, 3900});
    StatusBar1.AddPanel({"Autor:", PanelStyle::Text, 3300});
    StatusBar1.AddPanel({"Firma:", PanelStyle::Text, 3300});
    StatusBar1.AddPanel({"", PanelStyle::Date, 1230});
    StatusBar1.AddPanel({"", PanelStyle::Time, 1230});
}

void FrmData::WireEvents() {
    TabStrip1.Click = [this] { TabStrip1_Click(); };
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    Option4.Click = [this] { Option4_Click(); };
    Option5.Click = [this] { Option5_Click(); };
    Option6.Click = [this] { Option6_Click(); };
    Option7.Click = [this] { Option7_Click(); };
    Option8.Click = [this] { Option8_Click(); };
    Option9.Click = [this] { Option9_Click(); };
    Option12.Click = [this] { Option12_Click(); };
    for (int k = 0; k < 3; ++k) {
        Option10(k).Click = [this, k] { Option10_Click(k); };
        Option11(k).Click = [this, k] { Option11_Click(k); };
        Command9(k).Click = [this, k] { Command9_Click(k); };
        Combo1(k).Click = [this, k] { Combo1_Click(k); };
    }
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
}

Control& FrmData::Ctl(const std::string& name) const {
    Control* c = Find(name);
    if (!c) throw std::logic_error("frmData has no control " + name);
    return *c;
}

void FrmData::SetRowEnabled(const std::vector<const char*>& row, bool enabled) {
    for (const char* name : row) Ctl(name).SetEnabled(enabled);
}

void FrmData::LoadDrawing(int tab, const char* file) {
    Picture1(tab).SetPicture(Picture::Load(ProgramPath(std::string("Drawings/") + file)));
}

void FrmData::Form_Load() {
    // 1. The pages lie on the tab strip's client area, the first in front.
    for (int k = 0; k < 3; ++k)
        Frame4(k).Move(TabStrip1.ClientLeft(), TabStrip1.ClientTop(), TabStrip1.ClientWidth(),
                       TabStrip1.ClientHeight());
    Frame4(0).ZOrder(0);
    // 2.
    SetDefaultButton(&Command1);
    LoadDrawing(0, "flexure-1.jpg");
    Image1.SetPicture(Picture::Load(ProgramPath("Drawings/vendrik.gif")));
    // 3. The registered signs and the Greek letters.
    Ctl("Label99").SetCaption(CodePageChar(174));
    Ctl("Label100").SetCaption(CodePageChar(174));
    for (auto& [label, code] : greekLetters_) label->SetCaption(SymbolChar(code));
    // 4. and 5. The start texts and the concrete of each tab.
    for (int k = 0; k < 3; ++k) {
        SetStartTexts(*this, k);
        for (const ConcreteClass& c : kConcreteClasses) Combo1(k).AddItem(c.item);
        Text22(k).SetEnabled(false);
        Text22(k).SetText("0");
        Combo1(k).SetListIndex(0);
        Combo1(k).SetEnabled(true);
        SetRowEnabled(MeanStrengthRow(k), false);
        Option10(k).SetValue(true);
    }
    // 6.
    Option4.SetValue(true);
    Option1.SetValue(true);
    Option6.SetValue(true);
    Option8.SetValue(true);
    // 7.
    SetRowEnabled({"Text4(2)", "Label7(2)", "Label17(2)", "Text1(2)", "Label4(2)", "Label14(2)"},
                  true);
    SetRowEnabled(kRowDiameter, false);
    SetRowEnabled(kRowShearStrips, false);
    // 8.
    Check1.SetValue(1);
    Check2.SetValue(1);
    SetRowEnabled(kRowColumnStrips, false);
    // 9.
    for (const char* kind : kFibreKinds) Combo3.AddItem(kind);
    Combo3.SetListIndex(0);
    Combo3.SetEnabled(true);
    // 10.
    SetRowEnabled(kRowStrength, true);
    SetRowEnabled(kRowStrain, true);
    SetRowEnabled({"Text20", "Label42", "Label44"}, true);
}

void FrmData::TabStrip1_Click() {
    Frame4(TabStrip1.SelectedIndex()).ZOrder(0);
    ReloadDrawings();
}

void FrmData::ReloadDrawings() {
    LoadDrawing(2, Option8.Value() ? "confinement-1.jpg" : "confinement-2.jpg");
    if (Option4.Value())
        LoadDrawing(0, "flexure-1.jpg");
    else if (Option5.Value())
        LoadDrawing(0, "flexure-2.jpg");
    if (Option1.Value() && Option6.Value())
        LoadDrawing(1, "shear-3.jpg");
    else if (Option1.Value() && Option7.Value())
        LoadDrawing(1, "shear-4.jpg");
    else if (Option2.Value() && Option7.Value())
        LoadDrawing(1, "shear-2.jpg");
    else
        LoadDrawing(1, "shear-1.jpg");
}

void FrmData::Option4_Click() {
    LoadDrawing(0, "flexure-1.jpg");
    SetRowEnabled(kRowFlangeThickness, true);
    SetRowEnabled(kRowFlangeWidth, true);
}

void FrmData::Option5_Click() {
    LoadDrawing(0, "flexure-2.jpg");
    SetRowEnabled(kRowFlangeThickness, false);
    SetRowEnabled(kRowFlangeWidth, false);
}

void FrmData::Option1_Click() {
    LoadDrawing(1, Option6.Value() ? "shear-3.jpg" : "shear-4.jpg");
}

void FrmData::Option2_Click() {
    LoadDrawing(1, Option7.Value() ? "shear-2.jpg" : "shear-1.jpg");
}

void FrmData::Option6_Click() {
    LoadDrawing(1, Option1.Value() ? "shear-3.jpg" : "shear-1.jpg");
    SetRowEnabled(kRowShearStrips, false);
}

void FrmData::Option7_Click() {
    LoadDrawing(1, Option1.Value() ? "shear-4.jpg" : "shear-2.jpg");
    SetRowEnabled(kRowShearStrips, true);
}

void FrmData::Option8_Click() {
    LoadDrawing(2, "confinement-1.jpg");
    SetRowEnabled(kRowColumnSides, true);
    SetRowEnabled(kRowDiameter, false);
    if (Option12.Value()) RectangularStripsWarning();
}

void FrmData::Option9_Click() {
    LoadDrawing(2, "confinement-2.jpg");
    SetRowEnabled(kRowDiameter, true);
    SetRowEnabled(kRowColumnSides, false);
}

void FrmData::Option3_Click() {
    SetRowEnabled(kRowColumnStrips, false);
}

void FrmData::Option12_Click() {
    SetRowEnabled(kRowColumnStrips, true);
    if (Option8.Value()) RectangularStripsWarning();
}

void FrmData::SetStripsWarningSuspended(bool suspended) {
    stripsWarningSuspended_ = suspended;
    if (!suspended && Option8.Value() && Option12.Value()) RectangularStripsWarning();
}

void FrmData::RectangularStripsWarning() {
    if (stripsWarningSuspended_) return;
    Warn(
        "Wzmacnianie słupa o przekroju prostokątnym przy użyciu taśm jest niewskazane z powodu "
        "nieznacznego zwiększenia nośności, które w ten sposób można uzyskać. Proszę wybrać "
        "wzmocnienie z zastosowaniem maty.",
        kWarningTitle);
}

void FrmData::ApplyClassRule(int index) {
    DesignState& s = State();
    s.i = Combo1(index).ListIndex();
    const int p = static_cast<int>(s.i);
    if (p < 0 || p >= static_cast<int>(kConcreteClasses.size())) return;
    s.fck = kConcreteClasses[static_cast<size_t>(p)].fck;
    Text22(index).SetText(FormatPattern(s.fck + kFcmOverFck, "#0.00"));
}

void FrmData::Option10_Click(int index) {
    ApplyClassRule(index);
    Combo1(index).SetEnabled(true);
    SetRowEnabled(MeanStrengthRow(index), false);
}

void FrmData::Option11_Click(int index) {
    SetRowEnabled(MeanStrengthRow(index), true);
    Combo1(index).SetEnabled(false);
}

void FrmData::Combo1_Click(int index) {
    ApplyClassRule(index);
}

void FrmData::Check1_Click() {
    SetRowEnabled(kRowStrength, Check1.Checked());
    // At least one requirement stays ticked.
    if (!Check1.Checked() && !Check2.Checked()) Check2.SetValue(1);
}

void FrmData::Check2_Click() {
    SetRowEnabled(kRowStrain, Check2.Checked());
    if (!Check1.Checked() && !Check2.Checked()) Check1.SetValue(1);
}

void FrmData::Command6_Click() {
    frmAbout().Show();
    frmAbout().Activate();
}

void FrmData::Command3_Click() {
    ExitProgram(*this);
}

void FrmData::Command5_Click() {
    frmOptions().ShowModal();
}

void FrmData::Command7_Click() {
    OpenHelp();
}

void FrmData::Command9_Click(int) {
    OpenMaterialDataSheet();
}

void FrmData::Command4_Click() {
    SaveInputFileAs();
}

void FrmData::Command8_Click() {
    OpenInputFileChosen();
}

void FrmData::Command1_Click() {
    ActiveTab = TabStrip1.SelectedIndex();
    if (!DesignTab(ActiveTab)) return;
    Hide();
    frmResult().ShowResults();
}

void FrmData::Command2_Click() {
    ActiveTab = TabStrip1.SelectedIndex();
    ResetInputTab(ActiveTab);
}

// Closing the main window by its title bar must not leave the program running invisibly.
void FrmData::UserCloseBox() {
    ExitProgram(*this);
}

}  // namespace kord

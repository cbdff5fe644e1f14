#include "app/InputWindow.h"

#include "app/AboutWindow.h"
#include "app/DesignCommand.h"
#include "app/InputFieldRules.h"
#include "app/InputFile.h"
#include "app/InputTabReset.h"
#include "app/OptionsWindow.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "kit/Exit.h"
#include "kit/Help.h"
#include "kit/ProgramState.h"
#include "kit/RowKit.h"
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

// The input window's labels: a little wider than their text, tall subscripts, the raised two
// level with the box's top.
constexpr RowStyle kStyle{.pad = 15, .subscriptHeight = 210, .twoRise = 30};

}  // namespace

// The rows of the input window: captions from a frame's left, boxes in the frame's box column,
// units after the boxes. Rows are given by the top of their box.
class InputRows {
  public:
    InputRows(RowKit& kit, std::vector<std::pair<Label*, int>>& greek)
        : kit_(kit), greekLetters_(greek) {}

    RowKit In(Control* c) const { return kit_.In(c); }

    // The parts of a row; a name left empty gives a fresh label.
    struct Parts {
        std::string caption;  // the caption label, the row's letter ending its text
        std::string captionText;
        std::string greek;  // a Greek letter placed after the caption, or ""
        int greekCode = 0;
        std::string sub;  // the subscript label, when subText is given
        std::string subText;
        std::string unit;
        std::string unitText;
        std::string sup;  // the raised two after the unit ("" none, "*" a fresh label)
    };

    // A one-line row; the box stands in the frame's box column.
    void Row(Control& frame, TextBox& box, int y, const Parts& p) {
        RowKit k = In(&frame);
        const int end = k.Text(k.Named(p.caption), p.captionText, 120, y + 30);
        Symbol(frame, p, end, y);
        PlaceBox(frame, box, BoxColumn(frame.Width()), y, p);
    }

    // The Greek letter and subscript from x on; returns where they end.
    int Symbol(Control& frame, const Parts& p, int x, int y) {
        RowKit k = In(&frame);
        if (!p.greek.empty()) {
            Label& g = k.Named(p.greek);
            greekLetters_.push_back({&g, p.greekCode});
            x = k.Greek(g, p.greekCode, x, y, 180);
        }
        if (!p.subText.empty()) x = k.Subscript(k.Named(p.sub), p.subText, x, y + 30);
        return x;
    }

    void PlaceBox(Control& frame, TextBox& box, int boxX, int y, const Parts& p) {
        RowKit k = In(&frame);
        k.Box(box, boxX, y + 30, kBoxW, kBoxH);
        if (p.unitText.empty()) return;
        Label& unit = k.Named(p.unit);
        Label* two = p.sup.empty() ? nullptr : &k.Named(p.sup == "*" ? "" : p.sup);
        k.Unit(unit, two, p.unitText, boxX + kBoxW + 75, y + 30);
    }

    // A row whose description wraps over two lines; the symbol stands right before the box.
    void WrappedRow(Control& frame, TextBox& box, int y, const std::string& description,
                    const std::string& letter, const Parts& p) {
        RowKit k = In(&frame);
        const int boxX = BoxColumn(frame.Width());
        int symbolW = TextWidthTwips(letter, kRowFont) + TextWidthTwips(p.subText, kSubscriptFont);
        if (!p.greek.empty()) symbolW += TextWidthTwips(SymbolChar(p.greekCode), kGreekFont);
        const int symbolX = boxX - 90 - symbolW;
        k.Sized(k.Fresh(), description, 120, y - 60, symbolX - 240, 450).SetWordWrap(true);
        int x = symbolX;
        if (!letter.empty()) x = k.Text(letter, x, y + 30);
        Symbol(frame, p, x, y);
        PlaceBox(frame, box, boxX, y, p);
    }

  private:
    RowKit& kit_;
    std::vector<std::pair<Label*, int>>& greekLetters_;
};

FrmData::FrmData() : Window("frmData") {
    SetCaption("Kordelan");
    SetFont(kord::Font{"Arial", 9});
    SetSize(kWindowWidth, kWindowHeight);
    SetBorder(BorderStyle::FixedSingle);
    int freshLabel = 140;
    RowKit kit(*this, nullptr, freshLabel, kStyle);
    InputRows rows(kit, greekLetters_);
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
    SetTabOrder();
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

void FrmData::BuildPages(InputRows& r) {
    BuildSharedFrames(r);
    BuildFlexurePage(r);
    BuildShearPage(r);
    BuildConfinementPage(r);
}

// Parts shared by the three tabs: drawing, geometry, concrete and composite frames.
void FrmData::BuildSharedFrames(InputRows& r) {
    using P = InputRows::Parts;
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
        RowKit c = r.In(&concrete);
        const int fEnd = c.Text(c.Named("Label37" + idx), "f", 2700, 720);
        c.Sized(c.Named(kSub[k]), "cm", fEnd, 810, 300, 210).SetFont(kSubscriptFont);
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
}

void FrmData::BuildFlexurePage(InputRows& r) {
    using P = InputRows::Parts;
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
    RowKit steel = r.In(&Frame2_0);
    int y = 990;
    for (const Layer& l : layers) {
        r.Symbol(Frame2_0, P{.subText = l.sub}, steel.Text(l.word, 120, y + 30), y);
        r.PlaceBox(Frame2_0, *l.area, 1500, y, P{.unitText = "mm", .sup = "*"});
        r.Symbol(Frame2_0, P{.subText = l.distSub}, steel.Text("w odległości  d", 3120, y + 30), y);
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
}

void FrmData::BuildShearPage(InputRows& r) {
    using P = InputRows::Parts;
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
    r.In(&Frame14_1).Text("Rodzaj włókien", 120, 1365);
    Combo3.Move(BoxColumn(kRightW) - 1500, 1335, 2505 + 855, 315);
    Command9(1).Move(120, 1725, kRightW - 240, 360);
    BuildFormFrame(r, Frame11_0, 2520, Option6, Option7, Text18, Text19,
                   {"Label40", "Label72", "Label38", "Label41", "Label73", "Label39"});

    Frame6.SetCaption("Przyrost siły ścinającej");
    Frame6.Move(kRightX, 3960, kRightW, 720);
    r.Row(Frame6, Text12, 300,
          P{.captionText = "Dodatkowe ścinanie  V", .subText = "fd", .unitText = "kN"});
}

void FrmData::BuildConfinementPage(InputRows& r) {
    using P = InputRows::Parts;
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
    RowKit fu = r.In(&Frame14_2);
    fu.Text("Obliczeniowa wartość wydłużenia przy zerwaniu", 120, 1020);
    {
        // ε_fu,e = [factor] x ε_fu
        const int boxX = BoxColumn(kRightW);
        const int y2 = 1335;
        const int symW = TextWidthTwips(SymbolChar(101), kGreekFont) +
                         TextWidthTwips("fu,e", kSubscriptFont) + TextWidthTwips(" =", Font());
        int x = r.Symbol(Frame14_2, P{.greek = "Label106", .greekCode = 101, .subText = "fu,e"},
                         boxX - 90 - symW, y2);
        fu.Text(" =", x, y2 + 30);
        Text25.Move(boxX, y2, kBoxW, kBoxH);
        r.Symbol(Frame14_2, P{.greek = "Label108", .greekCode = 101, .subText = "fu"},
                 fu.Text("x ", boxX + kBoxW + 75, y2 + 30), y2);
    }
    Command9(2).Move(120, 1740, kRightW - 240, 360);
    BuildFormFrame(r, Frame11_1, 2550, Option3, Option12, Text28, Text29,
                   {"Label94", "Label91", "Label92", "Label95", "Label90", "Label93"});

    Frame12.SetCaption("Wymagania odnośnie przekroju wzmocnionego");
    Frame12.Move(kRightX, 3990, kRightW, 1860);
    Check1.SetCaption("Przyrost średniej wytrzymałości");
    Check1.Move(240, 270, 5000, 255);
    Check2.SetCaption("Przyrost odkształcenia przy zniszczeniu");
    Check2.Move(240, 975, 5000, 255);
    {
        const int y1 = 600;
        RowKit q = r.In(&Frame12);
        const int dEnd =
            q.Text(q.Named("Label43"), "Średnia wytrzymałość po wzmocnieniu  ", 120, y1 + 30);
        const int fEnd = q.Text(q.Named("Label57"), "f", dEnd, y1 + 30);
        r.Symbol(Frame12, P{.sub = "Label89", .subText = "cc"}, fEnd, y1);
        r.PlaceBox(Frame12, Text21, BoxColumn(kRightW), y1,
                   P{.unit = "Label45", .unitText = "N/mm", .sup = "Label117"});
        // The long description wraps; the symbol stands right before the field.
        const int y2 = 1305;
        const int boxX = BoxColumn(kRightW);
        const int symbolX = boxX - 90 - TextWidthTwips(SymbolChar(101), kGreekFont) -
                            TextWidthTwips("cu", kSubscriptFont);
        q.Sized(q.Named("Label47"), "Odkształcenie przy zniszczeniu po wzmocnieniu", 120, y2 - 60,
                symbolX - 240, 450)
            .SetWordWrap(true);
        q.Sized(q.Named("Label58"), "", symbolX, y2 + 30, 15);
        r.Symbol(Frame12,
                 P{.greek = "Label107", .greekCode = 101, .sub = "Label88", .subText = "cu"},
                 symbolX, y2);
        r.PlaceBox(Frame12, Text23, BoxColumn(kRightW), y2, P{.unit = "Label49", .unitText = "-"});
    }
}

// "Forma wzmocnienia": a mat or strips, and the strips' width and spacing.
void FrmData::BuildFormFrame(InputRows& r, Frame& frame, int top, OptionButton& mat,
                             OptionButton& strips, TextBox& width, TextBox& spacing,
                             const std::array<const char*, 6>& labels) {
    frame.SetCaption("Forma wzmocnienia");
    frame.Move(kRightX, top, kRightW, 1380);
    mat.SetCaption("Mata");
    mat.Move(240, 270, 1500, 255);
    strips.SetCaption("Kształtki");
    strips.Move(2040, 270, 1800, 255);
    const struct {
        TextBox* box;
        int y;
        const char* caption;
        int names;
    } rows[] = {{&width, 630, "Szerokość L-kształtki  b", 0},
                {&spacing, 975, "Odległość w osiach L-kształtek  s", 3}};
    for (const auto& row : rows)
        r.Row(frame, *row.box, row.y,
              InputRows::Parts{.caption = labels[row.names],
                               .captionText = row.caption,
                               .sub = labels[row.names + 1],
                               .subText = "f",
                               .unit = labels[row.names + 2],
                               .unitText = "m"});
}

void FrmData::BuildBottom(InputRows& r) {
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
    RowKit k = r.In(nullptr);
    Label& name = k.Named("Label98");
    name.SetFont(brand);
    k.Sized(name, "Vendrik   Plankor", 2940, 8580, TextWidthTwips("Vendrik   Plankor", brand) + 30,
            300);
    Label& r1 = k.Sized(k.Named("Label99"), "", 2940 + TextWidthTwips("Vendrik", brand), 8520, 150);
    Label& r2 = k.Sized(k.Named("Label100"), "", 2940 + TextWidthTwips("Vendrik   Plankor", brand),
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

// The Tab key follows the reading order: the tab strip, on each page the left column and then the
// right one, frames top to bottom and rows left to right; then the buttons below, row by row.
void FrmData::SetTabOrder() {
    const std::vector<Control*> order = {
        &TabStrip1,
        // Flexure.
        &Option4, &Option5, &Text4(0), &Text3(0), &Text1(0), &Text2(0), &Option10(0), &Combo1(0),
        &Option11(0), &Text22(0), &Text34, &Text24(0), &Text26(0), &Command9(0), &Text32, &Text30,
        &Text5(0), &Text9(0), &Text16, &Text17, &Text6(0), &Text10(0), &Text7, &Text8, &Text31,
        &Text33,
        // Shear.
        &Option1, &Option2, &Text4(1), &Text14(1), &Text13(1), &Option10(1), &Combo1(1),
        &Option11(1), &Text22(1), &Text24(1), &Text15(1), &Text26(1), &Combo3, &Command9(1),
        &Option6, &Option7, &Text18, &Text19, &Text12,
        // Confinement.
        &Option8, &Option9, &Text4(2), &Text1(2), &Text20, &Text27, &Option10(2), &Combo1(2),
        &Option11(2), &Text22(2), &Text24(2), &Text11, &Text25, &Command9(2), &Option3, &Option12,
        &Text28, &Text29, &Check1, &Text21, &Check2, &Text23,
        // Below the pages.
        &Command6, &Command5, &Command8, &Command1, &Command3, &Command7, &Command4, &Command2};
    int tab = 0;
    for (Control* c : order) c->SetTabIndex(tab++);
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
    if (!DesignTab(static_cast<DesignCase>(ActiveTab))) return;
    Hide();
    frmResult().ShowResults();
}

void FrmData::Command2_Click() {
    ActiveTab = TabStrip1.SelectedIndex();
    ResetInputTab(static_cast<DesignCase>(ActiveTab));
}

// Closing the main window by its title bar must not leave the program running invisibly.
void FrmData::UserCloseBox() {
    ExitProgram(*this);
}

}  // namespace kord

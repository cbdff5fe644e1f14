#include "report/sections/StrainSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "report/PageFrame.h"
#include "tests/app/AppFixture.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kBlank = "        ";
const char* const kUltimateHeading = "Stan graniczny nośności  ( M_{rd} )";
const char* const kHingeHeading = "Uplastycznienie przekroju (dla stanu granicznego nośności)";

class StrainSectionTest : public AppTest {
  protected:
    explicit StrainSectionTest(bool comma = true) : AppTest(comma) { SetDesign(); }

    // Three layers in a 0.50 m section; the strains below are worked out by plane sections.
    static void SetDesign() {
        DesignState& s = State();
        s.h = 50;
        s.As2 = 2.26;
        s.d2 = 4;
        s.As12 = 3.14;
        s.d12 = 7.5;
        s.As11 = 9.42;
        s.d11 = 5;
        s.OuterLayer11 = true;
        s.fck = 20;
        s.eps_f_lim = 0.008;
        s.SteelAtYield = true;
        // Initial: x_o 20 cm, eps_o = 30·0.0004/20.
        s.x_o = 20;
        s.eps_co = 0.0004;
        s.eps_o = 0.0006;
        // Ultimate: crushing, soffit 0.0076.
        s.x = 12;
        s.eps_c = 0.0035;
        s.eps_f = 0.007;
        // Rare: composite acts, soffit 0.0018.
        s.x_r = 15;
        s.eps_c_r = 0.0006;
        s.eps_f_r = 0.0012;
        s.Af_req_r = 0.4;
        // Quasi-permanent: no composite required and none applied, soffit 0.0014.
        s.x_qp = 16;
        s.eps_c_qp = 0.0008;
        s.eps_f_qp = 0.0008;
        s.Af_req_qp = 0;
        s.Af_applied = 0;
    }

    static void PrintOn(RecordingSurface& rec, double size = 12) {
        PrintSectionOn(rec, PrintStrainSection, size);
    }

    static Lines Section() {
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
        PrintOn(rec);
        return TextsOf(LinesOf(rec));
    }

    // The lines of one block: from its heading up to the blank line after it.
    static Lines Block(const Lines& lines, int block) {
        auto it = lines.begin() + 2;  // the blank line and the section heading
        for (int b = 0; b < block; ++b) it = std::find(it, lines.end(), kBlank) + 1;
        return Lines(it, std::find(it, lines.end(), kBlank));
    }

    // The strain lines' labels with their subscripts, value left out.
    static Lines Labels(const Lines& block) {
        Lines out;
        for (const std::string& l : block)
            if (l.find("ε_{") != std::string::npos) out.push_back(l.substr(0, l.find(" = ")));
        return out;
    }
};

// Every line in order: the four states with their depths and strains, the bottom bars from
// the soffit strain in every state, the failure mode of the ultimate state, the hinge check.
TEST_F(StrainSectionTest, PrintsEveryLineInOrder) {
    const Lines expected = {
        kBlank,
        "Odkształcenia przekroju poprzecznego",
        "Sytuacja początkowa podczas wzmacniania  ( M_{o} )",
        "     Oś obojętna przekroju    x_{o} = 0,200 m",
        "     Górne włókna    ε_{co} = 0,00040",
        "     Górne zbrojenie    ε_{s2} = 0,00032",
        "     Dolne zbrojenie    ε_{s12} = 0,00045",
        "     Dolne zbrojenie    ε_{s11} = 0,00050",
        "     Dolne włókna    ε_{o} = 0,00060",
        kBlank,
        kUltimateHeading,
        "     Oś obojętna przekroju    x = 0,120 m",
        "     Górne włókna    ε_{c} = 0,00350",
        "     Górne zbrojenie    ε_{s2} = 0,00233",
        "     Dolne zbrojenie    ε_{s12} = 0,00610",
        "     Dolne zbrojenie    ε_{s11} = 0,00660",
        "     Wzmocnienie    ε_{f} = 0,00700",
        "     Forma zniszczenia: Uplastycznienie stali + zmiażdżenie betonu",
        kBlank,
        "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach wyjątkowych  ( "
        "M_{ser,r} )",
        "     Oś obojętna przekroju    x = 0,150 m",
        "     Górne włókna    ε_{c} = 0,00060",
        "     Górne zbrojenie    ε_{s2} = 0,00044",
        "     Dolne zbrojenie    ε_{s12} = 0,00141",  // 27.5·0.0018/35, not 27.5·0.0006/15
        "     Dolne zbrojenie    ε_{s11} = 0,00154",
        "     Wzmocnienie    ε_{f} = 0,00120",
        kBlank,
        "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach prawie stałych  ( "
        "M_{ser,q-p} )",
        "     Oś obojętna przekroju    x = 0,160 m",
        "     Górne włókna    ε_{c} = 0,00080",
        "     Górne zbrojenie    ε_{s2} = 0,00060",
        "     Dolne zbrojenie    ε_{s12} = 0,00109",
        "     Dolne zbrojenie    ε_{s11} = 0,00119",
        "     Dolne włókna    ε_{b} = 0,00140",
        kBlank,
        kHingeHeading,
        "     ξ = x/(h-d_{11}) = 0,267",
        "     Maksimum ξ = 0,45",
        "     W przekroju powstanie przegub plastyczny",
    };
    const Lines lines = Section();
    // A heading too wide for the page goes on at the next line; compare it joined.
    Lines joined;
    for (const std::string& l : lines) {
        if (!joined.empty() && joined.back().rfind("Stan graniczny użytkowalności", 0) == 0 &&
            joined.back().back() != ')')
            joined.back() += " " + l;
        else
            joined.push_back(l);
    }
    EXPECT_EQ(joined, expected);
}

// The section heading two points larger and plain, the block headings underlined with their
// subscript and bracket, the body at S; the font is left as found.
TEST_F(StrainSectionTest, FontsOfHeadingsAndLines) {
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
    PrintOn(rec);
    const TextRun* heading = rec.FindText("Odkształcenia przekroju");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->font, (Font{.name = "Arial", .size = 14}));
    const auto runs = rec.Texts();
    const auto block = std::find_if(runs.begin(), runs.end(), [](const TextRun& r) {
        return r.text == "Stan graniczny nośności  ( M";
    });
    ASSERT_LT(block + 2, runs.end());
    EXPECT_TRUE(block->font.underline);
    EXPECT_EQ((block + 1)->text, "rd");
    EXPECT_EQ((block + 1)->font, (Font{.name = "Arial", .size = 10, .underline = true}));
    EXPECT_EQ((block + 2)->text, " )");
    EXPECT_TRUE((block + 2)->font.underline);
    EXPECT_FALSE((block + 3)->font.underline);
    EXPECT_EQ(rec.FontSize(), 12);
    EXPECT_FALSE(rec.FontUnderline());
    EXPECT_EQ(rec.FontName(), "Arial");
}

// The bar lines by the layers given, in every block: the top bar, then layer 12 before 11,
// whichever is the outer one.
TEST_F(StrainSectionTest, BarLinesByTheLayersGiven) {
    const struct {
        double as2, as12, as11;
        bool outer11;
        Lines bars;
    } cases[] = {
        {0, 0, 9.42, true, {"     Dolne zbrojenie    ε_{s11}"}},
        {0, 9.42, 0, false, {"     Dolne zbrojenie    ε_{s12}"}},
        {2.26,
         3.14,
         9.42,
         true,
         {"     Górne zbrojenie    ε_{s2}", "     Dolne zbrojenie    ε_{s12}",
          "     Dolne zbrojenie    ε_{s11}"}},
        {0,
         3.14,
         9.42,
         false,
         {"     Dolne zbrojenie    ε_{s12}", "     Dolne zbrojenie    ε_{s11}"}},
        {2.26,
         0,
         9.42,
         true,
         {"     Górne zbrojenie    ε_{s2}", "     Dolne zbrojenie    ε_{s11}"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.as2) + " " + std::to_string(c.as12) + " " +
                     std::to_string(c.as11));
        SetDesign();
        State().As2 = c.as2;
        State().As12 = c.as12;
        State().As11 = c.as11;
        State().OuterLayer11 = c.outer11;
        const Lines lines = Section();
        const char* top[] = {"     Górne włókna    ε_{co}", "     Górne włókna    ε_{c}",
                             "     Górne włókna    ε_{c}", "     Górne włókna    ε_{c}"};
        for (int b = 0; b < 4; ++b) {
            SCOPED_TRACE(b);
            Lines labels = Labels(Block(lines, b));
            ASSERT_EQ(labels.size(), c.bars.size() + 2);
            EXPECT_EQ(labels.front(), top[b]);
            EXPECT_EQ(Lines(labels.begin() + 1, labels.end() - 1), c.bars);
        }
    }
}

// The last strain line of each block: the bottom fibres at bonding; the composite always at
// the ultimate state; in a serviceability state the composite when its area is required, or
// none is required while strips are dimensioned, else the bottom fibres with composite + eps_o.
TEST_F(StrainSectionTest, CompositeOrBottomFibresPerState) {
    const std::string composite = "     Wzmocnienie    ε_{f} = ";
    const std::string bottom = "     Dolne włókna    ε_{b} = ";
    const struct {
        double uls, rare, qp, applied;
        std::string rareLine, qpLine;
    } cases[] = {
        {0.8, 0.4, 0, 0, composite + "0,00120", bottom + "0,00140"},
        {0.8, 0, 0.3, 0, bottom + "0,00180", composite + "0,00080"},
        {0.8, 0, 0, 1.8, composite + "0,00120", composite + "0,00080"},
        {0, 0, 0, 0, bottom + "0,00180", bottom + "0,00140"},
        {0.8, 0.4, 0.3, 1.8, composite + "0,00120", composite + "0,00080"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rare) + " " + std::to_string(c.qp) + " " +
                     std::to_string(c.applied));
        SetDesign();
        State().Af_req = c.uls;
        State().Af_req_r = c.rare;
        State().Af_req_qp = c.qp;
        State().Af_applied = c.applied;
        const Lines lines = Section();
        EXPECT_EQ(Block(lines, 0).back(), "     Dolne włókna    ε_{o} = 0,00060");
        const Lines ultimate = Block(lines, 1);
        EXPECT_EQ(ultimate.at(ultimate.size() - 2), composite + "0,00700");
        EXPECT_EQ(Block(lines, 2).back(), c.rareLine);
        EXPECT_EQ(Block(lines, 3).back(), c.qpLine);
    }
}

// The failure mode is that of the state printed, decided from it, not a text an earlier visit
// of the strain window left behind; a state that reached neither limit exactly prints "-".
TEST_F(StrainSectionTest, FailureModeOfThePrintedState) {
    const struct {
        bool yield;
        double epsC, epsF;
        const char* mode;
    } cases[] = {
        {true, 0.0035, 0.007, "Uplastycznienie stali + zmiażdżenie betonu"},
        {true, 0.0031, 0.008, "Uplastycznienie stali + oderwanie wzmocnienia"},
        {false, 0.0035, 0.007, "Zmiażdżenie betonu + brak uplastycznienia stali"},
        {false, 0.0035, 0.008, "Oderwanie wzmocnienia + brak uplastycznienia stali"},
        {true, std::nextafter(0.0035, 0.0), 0.007, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SetDesign();
        State().FailureModeText = "Uplastycznienie stali + zmiażdżenie betonu";
        State().SteelAtYield = c.yield;
        State().eps_c = c.epsC;
        State().eps_f = c.epsF;
        const Lines ultimate = Block(Section(), 1);
        EXPECT_EQ(ultimate.back(), std::string("     Forma zniszczenia: ") + c.mode);
    }
}

// A strain whose depth is not above 0 (x for the top bar, h - x for the bottom bars) prints
// "-", never a non-finite number.
TEST_F(StrainSectionTest, UncomputableStrainsPrintADash) {
    DesignState& s = State();
    s.x_r = 0;    // top bar of the rare state
    s.x_qp = 50;  // h - x = 0: bottom bars of the quasi-permanent state
    s.x_o = 55;   // below the section: the bottom bars of the initial state
    s.eps_o = 0.0006;
    const Lines lines = Section();
    const Lines initial = Block(lines, 0);
    EXPECT_EQ(initial.at(1), "     Oś obojętna przekroju    x_{o} = 0,550 m");
    EXPECT_EQ(initial.at(4), "     Dolne zbrojenie    ε_{s12} = -");
    EXPECT_EQ(initial.at(5), "     Dolne zbrojenie    ε_{s11} = -");
    const Lines rare = Block(lines, 2);
    EXPECT_EQ(rare.at(1), "     Oś obojętna przekroju    x = 0,000 m");
    EXPECT_EQ(rare.at(3), "     Górne zbrojenie    ε_{s2} = -");
    EXPECT_EQ(rare.at(4), "     Dolne zbrojenie    ε_{s12} = 0,00153");  // 42.5·0.0018/50
    const Lines qp = Block(lines, 3);
    EXPECT_EQ(qp.at(3), "     Górne zbrojenie    ε_{s2} = 0,00074");  // 46·0.0008/50
    EXPECT_EQ(qp.at(4), "     Dolne zbrojenie    ε_{s12} = -");
    EXPECT_EQ(qp.at(5), "     Dolne zbrojenie    ε_{s11} = -");
    for (const std::string& l : lines) {
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
    }
}

// The hinge limit by fck (35 still 0,45, 35.5 already 0,35) and the verdict on the ratio as
// printed: a hinge forms up to the limit, also for a ratio that rounds to it from either side.
TEST_F(StrainSectionTest, PlasticHingeCheck) {
    const char* const kForms = "W przekroju powstanie przegub plastyczny";
    const char* const kNone = "W przekroju nie powstanie przegub plastyczny";
    const struct {
        double fck, x;
        bool outer11, comma;
        const char* ratio;
        const char* limit;
        const char* verdict;
    } cases[] = {
        // h - d11 = 45.
        {35, 20.2, true, true, "0,449", "0,45", kForms},
        {35, 20.25, true, true, "0,450", "0,45", kForms},
        {35, 20.2499, true, true, "0,450", "0,45", kForms},
        {35, 20.27, true, true, "0,450", "0,45", kForms},
        {35, 20.28, true, true, "0,451", "0,45", kNone},
        {35.5, 18, true, true, "0,400", "0,35", kNone},
        {35.5, 15.75, true, true, "0,350", "0,35", kForms},
        {35.5, 15.7499, true, true, "0,350", "0,35", kForms},
        {35.5, 15.77, true, true, "0,350", "0,35", kForms},
        {35.5, 15.78, true, true, "0,351", "0,35", kNone},
        {40, 15, true, false, "0,333", "0.35", kForms},
        // Layer 12 outer: h - d12 = 42.5.
        {20, 19.125, false, true, "0,450", "0,45", kForms},
        {20, 19.2, false, false, "0,452", "0.45", kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.fck) + " " + std::to_string(c.x));
        SetDesign();
        State().fck = c.fck;
        State().x = c.x;
        State().OuterLayer11 = c.outer11;
        State().DecimalComma = c.comma;
        const Lines lines = Section();
        const auto head = std::find(lines.begin(), lines.end(), kHingeHeading);
        ASSERT_EQ(lines.end() - head, 4);
        EXPECT_EQ(*(head + 1),
                  std::string("     ξ = x/(h-d_{") + (c.outer11 ? "11" : "12") + "}) = " + c.ratio);
        EXPECT_EQ(*(head + 2), std::string("     Maksimum ξ = ") + c.limit);
        EXPECT_EQ(*(head + 3), std::string("     ") + c.verdict);
    }
}

// Every line but the blank lines makes its page check; the section heading at S + 2, so a page
// it starts is numbered at S.
TEST_F(StrainSectionTest, PageChecksStandBeforeEveryLineButTheBlankOnes) {
    const auto print = [](RecordingSurface& r) { PrintOn(r); };
    // On a page wide enough for every line, as the page checks are looked for.
    RecordingSurface wide("Recording", 3 * RecordingSurface::kA4Width, 1e7);
    print(wide);
    const auto all = LinesOf(wide);
    Lines expected;
    for (size_t k = 1; k < all.size(); ++k)
        if (all[k].text != kBlank && k != 2) expected.push_back(all[k].text);
    // Line 2, the first block heading, stands 80 below the end of the section heading: the
    // check before it is seen through the page number below.
    EXPECT_EQ(LinesAfterPageChecks(print), expected);

    RecordingSurface tall("Recording", RecordingSurface::kA4Width, 1e7);
    print(tall);
    const auto lines = LinesOf(tall);

    const size_t heading = IndexOf(lines, "Odkształcenia przekroju poprzecznego");
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, lines[heading].y + 499);
    print(rec);
    const auto page2 = rec.TextsOnPage(2);
    ASSERT_GE(page2.size(), 2u);
    EXPECT_EQ(page2[0].text, "Strona 2");
    EXPECT_EQ(page2[0].font.size, 12);
    EXPECT_EQ(page2[1].text, "Odkształcenia przekroju poprzecznego");

    const size_t first = IndexOf(lines, "Sytuacja początkowa podczas wzmacniania  ( M_{o} )");
    RecordingSurface rec2("Recording", RecordingSurface::kA4Width, lines[first].y + 499);
    print(rec2);
    const auto next = rec2.TextsOnPage(2);
    ASSERT_GE(next.size(), 2u);
    EXPECT_EQ(next[0].text, "Strona 2");
    EXPECT_EQ(next[0].font.size, 10);
    EXPECT_EQ(next[1].text, "Sytuacja początkowa podczas wzmacniania  ( M");
}

// Near the foot of a page a heading long enough to reach the logo in the bottom-right corner
// starts the next page instead of printing over it; a short line at the same place stays.
TEST_F(StrainSectionTest, LongHeadingsKeepClearOfTheLogo) {
    for (const double height : {12000.0, 13000.0, 14000.0, 15000.0, 16360.0}) {
        for (double foot = 0; foot < 2400; foot += 37) {
            RecordingSurface rec("Recording", RecordingSurface::kA4Width, height - foot);
            PrintOn(rec);
            const double sw = rec.ScaleWidth();
            const double sh = rec.ScaleHeight();
            for (const TextRun& r : rec.Texts()) {
                const double bottom = r.y + PrinterSurface::LineHeightOf(r.font);
                const bool overLogo =
                    r.x + r.width > sw - 1000 && bottom > sh - 1801 && r.y < sh - 1001;
                EXPECT_FALSE(overLogo) << r.text << " at " << r.y << " on " << sh;
            }
        }
    }

    // The rare heading with its top 1500 above the bottom: within the logo's height, above the
    // page check's threshold.
    RecordingSurface tall("Recording", RecordingSurface::kA4Width, 1e7);
    PrintOn(tall);
    const auto lines = LinesOf(tall);
    size_t rare = 0;
    while (rare < lines.size() && lines[rare].text.rfind("Stan graniczny użytkowalności", 0) != 0)
        ++rare;
    ASSERT_LT(rare, lines.size());
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, lines[rare].y + 1500);
    PrintOn(rec);
    const auto printed = LinesOf(rec);
    EXPECT_EQ(printed.at(rare).page, 2);
    EXPECT_EQ(printed.at(rare - 1).page, 1);  // the blank line before it
    // A short line there stays: the ultimate block's depth line.
    const size_t depth = IndexOf(lines, "     Oś obojętna przekroju    x = 0,120 m");
    RecordingSurface rec2("Recording", RecordingSurface::kA4Width, lines[depth].y + 1500);
    PrintOn(rec2);
    EXPECT_EQ(LinesOf(rec2).at(depth).page, 1);
}

}  // namespace
}  // namespace kord::test

#include "report/sections/AnchorageSection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "report/PageFrame.h"
#include "tests/app/AppFixture.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

using Lines = std::vector<std::string>;

class AnchorageSectionTest : public AppTest {
  protected:
    AnchorageSectionTest() { SetCheck(); }

    // A check of the applied laminate, with numbers a wrong form would change.
    static void SetCheck() {
        DesignState& s = State();
        s.ResultKind = Flexure;
        s.LaminateApplied = true;
        s.LaminateGeneration = 3;
        s.BondCheckGeneration = 3;
        s.fctm = 2.56;
        s.Msd_A = 40;
        s.Es_A = 200;
        s.fyk_A = 500;
        s.As2_A = 2.26;
        s.d2_A = 4;
        s.As12_A = 0;
        s.d12_A = 7.5;
        s.As11_A = 9.42;
        s.d11_A = 5;
        s.applied_n_strips = 2;
        s.n_layers_bond = 1;
        s.Nbd_max = 80;
        s.Nfd_A = 60;
        s.lbd_max = 250;
    }

    // Prints the section with its top at y on a page of the given height.
    static RecordingSurface& Print(RecordingSurface& rec, double y = 1000) {
        rec.SetCurrentY(y);
        PrintSectionOn(rec, PrintAnchorageCheck);
        return rec;
    }

    static Lines Texts(double height = 1e7) {
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, height);
        return TextsOf(LinesOf(Print(rec)));
    }
};

TEST_F(AnchorageSectionTest, PrintsInputsResultsAndAPositiveVerdict) {
    // l_bd,A = (1 − (1 − 60/80)^½) · 250 = 125 mm.
    const Lines expected = {
        "        ",
        "Sprawdzanie zamocowania",
        "Własności przekroju",
        "     Wytrzymałość średnia podłoża na rozciąganie    f_{ctm} = 2,56 N/mm²",
        "     Moment obliczeniowy w przekroju A    M_{sd,A} = 40 kNm",
        "        ",
        "Zbrojenie w przekroju A",
        "     Moduł sprężystości    E_{s} = 200 kN/mm²",
        "     Charakterystyczne granica plastyczności    f_{yk} = 500 N/mm²",
        "     Górne    A_{s2} = 226 mm²      w odległości    d_{2} = 0,04 m",
        "     Dolne    A_{s12} = 0 mm²      w odległości    d_{12} = 0,075 m",
        "     Dolne    A_{s11} = 942 mm²      w odległości    d_{11} = 0,05 m",
        "        ",
        "Wzmocnienie taśmami kompozytowymi w przekroju A",
        "     Liczba taśm:  2 Liczba warstw: 1",
        "        ",
        "Wyniki",
        "     Maksymalna siła, jak może być przeniesiona przez wzmocnienie    N_{bd,max} = 80,00 "
        "kN",
        "     Siła rozciągająca we wzmocnieniu    N_{fd,A} = 60,00 kN",
        "     Długość zamocowania odpowiadająca sile N_{bd,max}    l_{bd,max} = 250 mm",
        "        ",
        "Sprawdzenie",
        "     Wynik sprawdzenia zamocowania jest POZYTYWNY.",
        "     Wymagana długość zamocowania dla przekroju A    l_{bd,A} = 125 mm",
    };
    EXPECT_EQ(Texts(), expected);
}

TEST_F(AnchorageSectionTest, VerdictAtAndAroundEqualForces) {
    struct Case {
        double Nbd, Nfd;
        Lines tail;
    };
    const Case cases[] = {
        {80,
         80,
         {"     Wynik sprawdzenia zamocowania jest POZYTYWNY.",
          "     Wymagana długość zamocowania dla przekroju A    l_{bd,A} = 250 mm"}},
        {80,
         0,
         {"     Wynik sprawdzenia zamocowania jest POZYTYWNY.",
          "     Wymagana długość zamocowania dla przekroju A    l_{bd,A} = 0 mm"}},
        {79.99,
         80,
         {"     Wynik sprawdzenia zamocowania jest NEGATYWNY.",
          "     - Należy zwiększyć przekrój wzmocnienia",
          "     - Należy taśmę zamocować mechanicznie"}},
    };
    for (const Case& c : cases) {
        State().Nbd_max = c.Nbd;
        State().Nfd_A = c.Nfd;
        const Lines lines = Texts();
        const Lines tail(lines.end() - static_cast<long>(c.tail.size()), lines.end());
        EXPECT_EQ(tail, c.tail) << c.Nbd << " " << c.Nfd;
        EXPECT_EQ(lines[lines.size() - c.tail.size() - 1], "Sprawdzenie");
    }
}

TEST_F(AnchorageSectionTest, WithoutACheckOfTheAppliedLaminateItSaysSoAndNothingElse) {
    const Lines expected = {"        ", "Sprawdzanie zamocowania",
                            "     Dla zastosowanego wzmocnienia nie wykonano sprawdzenia "
                            "zamocowania."};
    struct Case {
        const char* why;
        void (*spoil)(DesignState&);
    };
    const Case cases[] = {
        {"never checked", [](DesignState& s) { s.BondCheckGeneration = 0; }},
        {"newer recomputation", [](DesignState& s) { s.LaminateGeneration = 4; }},
        {"newer design", [](DesignState& s) { s.LaminateApplied = false; }},
    };
    for (const Case& c : cases) {
        SetCheck();
        c.spoil(State());
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
        Print(rec);
        EXPECT_EQ(TextsOf(LinesOf(rec)), expected) << c.why;
        EXPECT_EQ(rec.Count(PrintRecord::Kind::Picture), 0) << c.why;
    }
}

TEST_F(AnchorageSectionTest, TheDrawingStandsInOneOfThreeBands) {
    // With H the page height and C the position after the heading and the 80-twip lead: below
    // H − 4600 the drawing stands at C + 100; between H − 4600 and H − 4500 at C; from H − 4500
    // on a new page starts and the drawing stands under its frame.
    const double H = 16000;
    RecordingSurface probe("Recording", RecordingSurface::kA4Width, 1e7);
    Print(probe, 1000);
    auto drawingOf = [](const RecordingSurface& rec) {
        for (const PrintRecord& r : rec.OfKind(PrintRecord::Kind::Picture))
            if (r.picturePath.find("bond.jpg") != std::string::npos) return r;
        ADD_FAILURE() << "no drawing";
        return PrintRecord{};
    };
    const double afterHeading = drawingOf(probe).y - 100 - 1000;
    struct Case {
        double c;  // where the drawing's band is decided
        bool newPage;
        double drawingFromC;
    };
    const Case cases[] = {{H - 4650, false, 100}, {H - 4550, false, 0}, {H - 4500, true, 0}};
    for (const Case& c : cases) {
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, H);
        Print(rec, c.c - afterHeading);
        const PrintRecord drawing = drawingOf(rec);
        EXPECT_EQ(drawing.page, c.newPage ? 2 : 1) << c.c;
        if (!c.newPage) {
            EXPECT_NEAR(drawing.y, c.c + c.drawingFromC, 0.5) << c.c;
        } else {
            // Where the next line would start: under the rule of its frame, clear of it.
            const auto rules = rec.OfKind(PrintRecord::Kind::Line);
            ASSERT_FALSE(rules.empty());
            EXPECT_EQ(rules.back().page, 2);
            EXPECT_DOUBLE_EQ(drawing.y,
                             rules.back().y - 100 + PrinterSurface::LineHeightOf(Font{.size = 12}));
        }
        EXPECT_DOUBLE_EQ(drawing.x, 1000);
    }
}

}  // namespace
}  // namespace kord::test

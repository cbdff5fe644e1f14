// Random inputs for the three designs, typed into the fields or read from an input file: in
// range, at the edges and beyond (0, negatives, 1e300, texts that are no number). Whatever comes,
// the program neither crashes nor shows a non-finite value, and every refusal has its message.
//
// The suite runs a few hundred inputs per case; KORDELAN_ROBUSTNESS_RUNS=10000 (see
// scripts/robustness.sh) runs that many per case and also holds each design to 2 s.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/InputFile.h"
#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "app/ReportSnapshot.h"
#include "engine/DesignState.h"
#include "report/PrintDriver.h"
#include "review/AnchorageWindow.h"
#include "review/DimensioningWindow.h"
#include "review/ResultsWindow.h"
#include "review/StrainWindow.h"
#include "tests/CpuTime.h"
#include "tests/app/AppFixture.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

struct Case {
    const char* name;
    int tab;
    void (*fill)(FrmData&);
    std::vector<const char*> boxes;
    std::vector<std::vector<const char*>> choices;  // groups of option buttons, one is clicked
};

const Case kCases[] = {
    {"Flexure",
     0,
     FillFlexure,
     {"Text4(0)",  "Text1(0)",  "Text3(0)", "Text2(0)", "Text22(0)", "Text34",   "Text24(0)",
      "Text26(0)", "Text32",    "Text30",   "Text5(0)", "Text16",    "Text6(0)", "Text9(0)",
      "Text17",    "Text10(0)", "Text7",    "Text8",    "Text31",    "Text33"},
     {{"Option4", "Option5"}, {"Option10(0)", "Option11(0)"}}},
    {"Shear",
     1,
     FillShear,
     {"Text4(1)", "Text14(1)", "Text13(1)", "Text22(1)", "Text24(1)", "Text15(1)", "Text26(1)",
      "Text18", "Text19", "Text12"},
     {{"Option1", "Option2"}, {"Option10(1)", "Option11(1)"}, {"Option6", "Option7"}}},
    {"Confinement",
     2,
     FillConfinement,
     {"Text4(2)", "Text1(2)", "Text20", "Text27", "Text22(2)", "Text24(2)", "Text11", "Text25",
      "Text28", "Text29", "Text21", "Text23"},
     {{"Option8", "Option9"}, {"Option10(2)", "Option11(2)"}, {"Option3", "Option12"}}},
};

int Runs() {
    const char* runs = std::getenv("KORDELAN_ROBUSTNESS_RUNS");
    return runs ? std::atoi(runs) : 0;
}

// A text for a field whose designable value is `base`.
std::string RandomText(std::mt19937& rng, const std::string& base) {
    static const char* const kFixed[] = {"0",
                                         "-0",
                                         "0,000001",
                                         "-1",
                                         "-0,5",
                                         "1e300",
                                         "-1e300",
                                         "1e-300",
                                         "1E+308",
                                         "1e400",
                                         "99999999999999999999",
                                         "",
                                         " ",
                                         "abc",
                                         "1,2,3",
                                         "1.5",
                                         "--1",
                                         "1e",
                                         "NaN",
                                         "inf",
                                         ",",
                                         "+",
                                         "0x10"};
    // Mostly designable values, so that the results and the report are reached often.
    std::discrete_distribution<int> kind({3, 4, 2, 1});
    switch (kind(rng)) {
        case 0:
            return kFixed[std::uniform_int_distribution<std::size_t>(0,
                                                                     std::size(kFixed) - 1)(rng)];
        case 1: {
            // In range: the designable value scaled, written as typed in the comma form.
            const auto v = ParseNumber(base);
            std::ostringstream out;
            out << (v ? *v : 1.0) * std::uniform_real_distribution<double>(0.5, 2.0)(rng);
            std::string text = out.str();
            for (char& c : text)
                if (c == '.') c = ',';
            return text;
        }
        case 2:
            return base;
        default:
            return std::to_string(std::uniform_int_distribution<int>(-1000, 100000)(rng));
    }
}

bool ShowsNonFinite(const std::string& text) {
    static const std::regex kNonFinite("(^|[^a-z])(nan|inf)([^a-z]|$)", std::regex::icase);
    return std::regex_search(text, kNonFinite);
}

class DesignRobustnessTest : public ::testing::TestWithParam<Case> {
  protected:
    // One input: a fresh program with the designable inputs, options chosen at random and a few
    // fields changed, typed (or set, for a file); then "Obliczanie".
    void RunOne(std::mt19937& rng, bool fromFile) {
        const Case& c = GetParam();
        std::vector<std::string> typed;
        std::string what;
        {
            ScriptedHostScope scope;
            Prepare();
            FrmData& w = frmData();
            w.Show();
            c.fill(w);
            w.TabStrip1.Select(c.tab);
            for (const auto& group : c.choices) {
                const char* name =
                    group[std::uniform_int_distribution<std::size_t>(0, group.size() - 1)(rng)];
                w.Find(name)->UserClick();
                what += std::string(name) + " ";
            }
            const int changes = std::uniform_int_distribution<int>(1, 3)(rng);
            for (int k = 0; k < changes; ++k) {
                const char* name =
                    c.boxes[std::uniform_int_distribution<std::size_t>(0, c.boxes.size() - 1)(rng)];
                auto& box = static_cast<TextBox&>(*w.Find(name));
                typed.push_back(RandomText(rng, box.Text()));
                what += std::string(name) + "=\"" + typed.back() + "\" ";
                if (fromFile)
                    box.SetText(typed.back());
                else
                    box.UserType(typed.back());
            }
            SCOPED_TRACE(what);
            if (!fromFile) return Design(scope.host, typed, what);
            ASSERT_TRUE(SaveInputFile(File()));
        }
        SCOPED_TRACE("from a file: " + what);
        ScriptedHostScope scope;
        Prepare();
        frmData().Show();
        ASSERT_TRUE(OpenInputFile(File()));
        frmData().TabStrip1.Select(c.tab);
        Design(scope.host, typed, "from a file: " + what);
    }

    // The slowest design met, so that a slow input shows in the log even when within its limit.
    int input_ = 0;
    double slowestMs_ = 0;
    std::string slowest_;

  private:
    static void Prepare() {
        SetCurrentLocale(NumericLocale::FromName("pl_PL"));
        State() = DesignState{};
        State().DecimalComma = true;
    }

    static std::string File() {
        static const std::string path =
            (std::filesystem::temp_directory_path() /
             ("kordelan-robustness-" + std::to_string(::getpid()) + ".inp"))
                .string();
        return path;
    }

    void Design(ScriptedHost& host, const std::vector<std::string>& typed,
                const std::string& what) {
        FrmData& w = frmData();
        State().ResultKind = -1;
        const auto start = ThreadCpuTime();
        w.Command1.UserClick();
        const std::chrono::duration<double, std::milli> took = ThreadCpuTime() - start;
        if (Runs() > 0) {
            EXPECT_LT(took, std::chrono::seconds(2));
        }
        if (took.count() > slowestMs_) {
            slowestMs_ = took.count();
            slowest_ = "input " + std::to_string(input_) + ", " + what;
        }
        const bool designed = frmResult.Exists() && frmResult().IsVisible();
        if (designed) {
            EXPECT_EQ(State().ResultKind, GetParam().tab);
            // The review windows the results lead to, and the report.
            for (CommandButton* b :
                 {&frmResult().Command3, &frmResult().Command5, &frmResult().Command7}) {
                b->UserClick();
                ExpectFiniteWindows();
                frmStrain.Unload();
                frmDim.Unload();
                frmBond.Unload();
                Forms::Collect();
            }
            RecordingSurface report;
            PrintReport(report, DesignedInputs(), PrintOptionsOf(frmOptions()));
            for (const TextRun& r : report.Texts()) EXPECT_FALSE(ShowsNonFinite(r.text)) << r.text;
        } else {
            EXPECT_FALSE(host.messages.empty()) << "refused without a message";
        }
        for (const MsgBoxCall& m : host.messages) {
            EXPECT_FALSE(m.text.empty());
            EXPECT_FALSE(m.title.empty());
            // The user's own texts may be quoted; nothing else may be non-finite.
            std::string text = m.text;
            for (const std::string& t : typed)
                for (std::size_t at; !t.empty() && (at = text.find(t)) != std::string::npos;)
                    text.erase(at, t.size());
            EXPECT_FALSE(ShowsNonFinite(text)) << m.text;
        }
    }

    static void ExpectFiniteWindows() {
        for (Window* win : Forms::Loaded()) {
            for (const auto& control : win->Controls()) {
                // The typed texts themselves.
                if (win == &frmData() && control->Kind() == ControlKind::TextBox) continue;
                EXPECT_FALSE(ShowsNonFinite(control->Text()))
                    << win->Name() << "." << control->Name() << ": " << control->Text();
            }
        }
    }
};

TEST_P(DesignRobustnessTest, RandomInputsNeitherCrashNorShowNonFiniteValues) {
    const int runs = Runs() > 0 ? Runs() : 150;
    std::mt19937 rng(20'261'209u + static_cast<unsigned>(GetParam().tab));
    for (int i = 0; i < runs && !HasFailure(); ++i) {
        SCOPED_TRACE("input " + std::to_string(i));
        input_ = i;
        RunOne(rng, i % 2 == 1);
    }
    std::printf("%s: slowest design %.1f ms: %s\n", GetParam().name, slowestMs_, slowest_.c_str());
}

INSTANTIATE_TEST_SUITE_P(Designs, DesignRobustnessTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kord::test

// From the "Obliczanie" click to the results window shown, through the real input window and Qt
// widgets (offscreen unless QT_QPA_PLATFORM says otherwise): the fields are read and checked, the
// design runs, the input window hides and the results window is built, laid out and painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "platform/Window.h"
#include "platform/qt/QtBinding.h"
#include "platform/qt/QtHost.h"
#include "review/ResultsWindow.h"
#include "tests/engine/DesignInputs.h"
#include "tests/engine/LiteralScans.h"

namespace kord {
namespace {

QtHost& App() {
    static int argc = 1;
    static char name[] = "kordelan_bench";
    static char* argv[] = {name, nullptr};
    static const bool platform = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }();
    (void)platform;
    static QApplication app(argc, argv);
    static QtHost host;
    return host;
}

void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void FillBeam(FrmData& w) {
    w.Option5.SetValue(true);
    const std::pair<TextBox*, const char*> fields[] = {
        {&w.Text4(0), "0,30"}, {&w.Text1(0), "0,50"},  {&w.Text3(0), "0"},    {&w.Text2(0), "0"},
        {&w.Text5(0), "0"},    {&w.Text9(0), "0"},     {&w.Text16, "0"},      {&w.Text17, "0"},
        {&w.Text6(0), "1000"}, {&w.Text10(0), "0,05"}, {&w.Text24(0), "165"}, {&w.Text7, "50"},
        {&w.Text8, "250"},     {&w.Text31, "100"},     {&w.Text33, "80"}};
    for (const auto& [box, text] : fields) box->SetText(text);
    w.Option10(0).SetValue(true);
    w.Combo1(0).SetListIndex(2);
}

void FillShear(FrmData& w) {
    const test::ShearInput in;
    w.Combo3.SetListIndex(in.fibre);
    w.Option6.SetValue(true);
    w.Option1.SetValue(true);
    const std::pair<TextBox*, const char*> fields[] = {
        {&w.Text4(1), in.b},   {&w.Text14(1), in.d},   {&w.Text13(1), in.alpha},
        {&w.Text24(1), in.Ef}, {&w.Text15(1), in.efu}, {&w.Text26(1), in.limit},
        {&w.Text12, in.Vfd},   {&w.Text18, in.bf},     {&w.Text19, in.sf}};
    for (const auto& [box, text] : fields) box->SetText(text);
    w.Option10(1).SetValue(true);
    w.Combo1(1).SetListIndex(in.concreteClass);
}

void FillColumn(FrmData& w) {
    const test::ColumnInput in;
    w.Option8.SetValue(true);
    w.Option3.SetValue(true);
    w.Check1.SetValue(1);
    w.Check2.SetValue(0);
    const std::pair<TextBox*, const char*> fields[] = {
        {&w.Text4(2), in.b},   {&w.Text1(2), in.h}, {&w.Text20, in.R},      {&w.Text27, in.D},
        {&w.Text24(2), in.Ef}, {&w.Text11, in.efu}, {&w.Text25, in.factor}, {&w.Text28, in.bf},
        {&w.Text29, in.sf},    {&w.Text21, in.fcc}, {&w.Text23, in.ecu}};
    for (const auto& [box, text] : fields) box->SetText(text);
    w.Option10(2).SetValue(true);
    w.Combo1(2).SetListIndex(in.concreteClass);
}

// Notes the results window's first paint.
class PaintWatch : public QObject {
  public:
    bool seen = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched->objectName() == "frmResult") seen = true;
        return false;
    }
};

void ClickCase(benchmark::State& bs, int tab, void (*fill)(FrmData&), bool literal) {
    QtHost& host = App();
    PaintWatch painted;
    qApp->installEventFilter(&painted);
    SetHost(&host);
    SetCurrentLocale(NumericLocale::FromName("pl_PL"));
    State() = DesignState{};
    State().DecimalComma = true;
    const Searches saved = DesignSearches();
    if (literal) DesignSearches() = test::LiteralSearches();
    FrmData& w = frmData();
    w.Show();
    w.TabStrip1.UserSelect(tab);
    fill(w);
    Settle();
    for (auto _ : bs) {
        const auto start = std::chrono::steady_clock::now();
        w.Command1.UserClick();
        // Shown: drawn and handed to the display. A display server may expose the new window
        // only after a round trip, so events are taken until the window has painted.
        const auto limit = start + std::chrono::seconds(1);
        painted.seen = false;
        do {
            QApplication::processEvents();
        } while (!painted.seen && std::chrono::steady_clock::now() < limit);
        const auto end = std::chrono::steady_clock::now();
        bs.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (!frmResult.Exists() || !frmResult().IsVisible()) {
            bs.SkipWithError("no results window");
            break;
        }
        frmResult().Command2.UserClick();
        Settle();
    }
    DesignSearches() = saved;
    while (!Forms::Loaded().empty()) Forms::Loaded().back()->Unload();
    Settle();
    Forms::Collect();
    QtBinding::DropKeptWidgets();
    SetHost(nullptr);
    SetCurrentLocale(NumericLocale::FromName("en_US"));
    State() = DesignState{};
}

[[maybe_unused]] const bool registered = [] {
    struct Case {
        const char* name;
        int tab;
        void (*fill)(FrmData&);
    };
    // An ordinary beam, 0.30 × 0.50 m with 1000 mm² of steel, C20/25, Mo 50, Msd 250, Mser
    // 100/80; the shear and column tabs as the tests fill them by default.
    const Case cases[] = {{"ClickFlexureBeam", Flexure, FillBeam},
                          {"ClickShearTypical", Shear, FillShear},
                          {"ClickConfinementTypical", Confinement, FillColumn}};
    for (const Case& c : cases) {
        for (bool literal : {true, false})
            benchmark::RegisterBenchmark(
                (std::string(c.name) + (literal ? "/literal" : "/fast")).c_str(),
                [c, literal](benchmark::State& bs) { ClickCase(bs, c.tab, c.fill, literal); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.2);
        // The first click of a program just started, when nothing of the results window has
        // been built, laid out or drawn yet: only run alone in its own process does it time that.
        benchmark::RegisterBenchmark(
            (std::string(c.name) + "/first").c_str(),
            [c](benchmark::State& bs) { ClickCase(bs, c.tab, c.fill, false); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    return true;
}();

}  // namespace
}  // namespace kord

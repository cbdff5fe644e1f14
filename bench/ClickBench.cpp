// From the "Obliczanie" click to the results window shown, through the real input window and Qt
// widgets (offscreen unless QT_QPA_PLATFORM says otherwise): the fields are read and checked, the
// design runs, the input window hides and the results window is built, laid out and painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "app/Startup.h"
#include "engine/AnchorageCheck.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/Window.h"
#include "qt/KeptWidgets.h"
#include "qt/QtHost.h"
#include "review/AnchorageWindow.h"
#include "review/DimensioningWindow.h"
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

// Notes a paint in a window.
class PaintWatch : public QObject {
  public:
    void Await(const char* window) {
        window_ = window;
        seen_ = false;
    }
    // Shown: drawn and handed to the display. A display server may expose a new window only
    // after a round trip, so events are taken until the window has painted (a second at most).
    void Wait(std::chrono::steady_clock::time_point start) {
        const auto limit = start + std::chrono::seconds(1);
        do {
            QApplication::processEvents();
        } while (!seen_ && std::chrono::steady_clock::now() < limit);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        // A window drawn again in part paints only the controls that changed.
        if (e->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == window_)
            seen_ = true;
        return false;
    }

  private:
    const char* window_ = "";
    bool seen_ = false;
};

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The input window filled for a tab, with the literal scans or the program's searches, for the
// life of the scope; everything loaded goes at its end.
class Session {
  public:
    Session(int tab, void (*fill)(FrmData&), bool literal) : saved_(DesignSearches()) {
        SetHost(&App());
        ConnectWindows();
        qApp->installEventFilter(&painted);
        SetCurrentLocale(NumericLocale::FromName("pl_PL"));
        State() = DesignState{};
        State().DecimalComma = true;
        if (literal) DesignSearches() = test::LiteralSearches();
        FrmData& w = frmData();
        w.Show();
        w.TabStrip1.UserSelect(tab);
        fill(w);
        Settle();
    }
    ~Session() {
        DesignSearches() = saved_;
        while (!Forms::Loaded().empty()) Forms::Loaded().back()->Unload();
        Settle();
        Forms::Collect();
        KeptWidgets::Drop();
        SetHost(nullptr);
        SetCurrentLocale(NumericLocale::FromName("en_US"));
        State() = DesignState{};
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // "Obliczanie", up to the results window drawn: the seconds it took, none when no results
    // window came.
    std::optional<double> Design() {
        painted.Await("frmResult");
        const auto start = std::chrono::steady_clock::now();
        frmData().Command1.UserClick();
        painted.Wait(start);
        const double seconds = Since(start);
        if (!frmResult.Exists() || !frmResult().IsVisible()) return std::nullopt;
        return seconds;
    }

    PaintWatch painted;

  private:
    Searches saved_;
};

// Runs `inside` once the modal window that `open` shows is running.
void InModal(const std::function<void()>& open, std::function<void()> inside) {
    QTimer::singleShot(0, std::move(inside));
    open();
}

void ClickCase(benchmark::State& bs, int tab, void (*fill)(FrmData&), bool literal) {
    Session session(tab, fill, literal);
    for (auto _ : bs) {
        const std::optional<double> seconds = session.Design();
        if (!seconds) {
            bs.SkipWithError("no results window");
            break;
        }
        bs.SetIterationTime(*seconds);
        frmResult().Command2.UserClick();
        Settle();
    }
}

// Strips of the given width [mm], 1,2 mm thick, counted by "Obliczenia" in the dimensioning
// window.
void Dimension(FrmDim& d, const char* width) {
    d.Text1.SetText(width);
    d.Text2.SetText("1,2");
    d.Command3.UserClick();
}

// The dimensioning window's "back, results recomputed" after the ordinary beam's design, up to
// the results window drawn again with the applied laminate.
void ClickApplied(benchmark::State& bs, bool literal) {
    Session session(Flexure, FillBeam, literal);
    if (!session.Design()) bs.SkipWithError("no results window");
    // Strips of two widths by turns, so that every laminate changes the results shown.
    bool wide = false;
    while (bs.KeepRunning()) {
        auto start = std::chrono::steady_clock::now();
        wide = !wide;
        InModal([] { frmResult().Command5.UserClick(); },
                [&] {
                    Dimension(frmDim(), wide ? "60" : "50");
                    session.painted.Await("frmResult");
                    start = std::chrono::steady_clock::now();
                    frmDim().Command5.UserClick();
                });
        session.painted.Wait(start);
        bs.SetIterationTime(Since(start));
        if (frmDim.Exists()) {
            frmDim.Unload();
            bs.SkipWithError("the laminate was not applied");
            break;
        }
    }
}

// The anchorage window's "Obliczanie" for the laminate applied to the ordinary beam, up to its
// verdict drawn.
void ClickAnchorage(benchmark::State& bs, bool literal) {
    Session session(Flexure, FillBeam, literal);
    if (!session.Design()) bs.SkipWithError("no results window");
    InModal([] { frmResult().Command5.UserClick(); },
            [] {
                Dimension(frmDim(), "50");
                frmDim().Command5.UserClick();
            });
    InModal([] { frmResult().Command7.UserClick(); },
            [&] {
                FrmBond& b = frmBond();
                b.Text1.SetText("2,2");
                b.Text2.SetText("80");
                for (auto _ : bs) {
                    session.painted.Await("frmBond");
                    const auto start = std::chrono::steady_clock::now();
                    b.Command4.UserClick();
                    session.painted.Wait(start);
                    bs.SetIterationTime(Since(start));
                    if (!AnchorageCheckCurrent(State())) {
                        bs.SkipWithError("no anchorage verdict");
                        break;
                    }
                }
                b.Command2.UserClick();
            });
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
    // The laminate applied to that beam, and the anchorage check of its strips.
    struct Review {
        const char* name;
        void (*run)(benchmark::State&, bool);
    };
    for (const Review& r :
         {Review{"ClickApplied", ClickApplied}, Review{"ClickAnchorage", ClickAnchorage}})
        for (bool literal : {true, false})
            benchmark::RegisterBenchmark(
                (std::string(r.name) + (literal ? "/literal" : "/fast")).c_str(),
                [r, literal](benchmark::State& bs) { r.run(bs, literal); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.2);
    return true;
}();

}  // namespace
}  // namespace kord

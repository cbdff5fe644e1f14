#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "platform/TextMetrics.h"
#include "review/AnchorageWindow.h"
#include "review/DimensioningWindow.h"
#include "review/ResultsWindow.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

// The widest text a number pattern writes: every place a digit.
std::string Widest(const std::string& pattern) {
    std::string s = pattern;
    for (char& c : s)
        if (c == '#' || c == '0') c = '8';
    return s;
}

int TextLeft(const Label& l, const std::string& text) {
    const int w = TextWidthTwips(text, l.Font());
    switch (l.TextAlign()) {
        case Alignment::Right:
            return l.Left() + l.Width() - w;
        case Alignment::Center:
            return l.Left() + (l.Width() - w) / 2;
        case Alignment::Left:
            break;
    }
    return l.Left();
}

// Where the texts left of a value on its row end: its symbol, or its row's text.
int RightOfRowBefore(const Window& w, const Label& value) {
    int right = INT_MIN;
    for (const auto& c : w.Controls()) {
        if (c.get() == &value || c->Kind() != ControlKind::Label) continue;
        const Label& l = static_cast<const Label&>(*c);
        if (l.Container() != value.Container() || l.Left() >= value.Left() || l.Caption().empty())
            continue;
        if (l.Top() >= value.Top() + value.Height() || value.Top() >= l.Top() + l.Height())
            continue;
        // A wrapped text keeps within its label.
        right = std::max(
            right, l.WordWrap() ? l.Left() + l.Width()
                                : TextLeft(l, l.Caption()) + TextWidthTwips(l.Caption(), l.Font()));
    }
    return right;
}

// The values of a window written with one pattern.
struct Room {
    const char* pattern;
    std::vector<const char*> values;
};

void ExpectRoom(const Window& w, const std::vector<Room>& rooms) {
    for (const Room& r : rooms)
        for (const char* name : r.values) {
            const Label& v = static_cast<const Label&>(*w.Find(name));
            const int gap = TextLeft(v, Widest(r.pattern)) - RightOfRowBefore(w, v);
            EXPECT_GE(gap, 60) << w.Name() << " " << name << " " << Widest(r.pattern);
        }
}

class ValueRoom : public AppTest {};

// Values written by the windows themselves and by the recomputation of the applied laminate.
TEST_F(ValueRoom, WidestValuesStayClearOfTheirSymbols) {
    ExpectRoom(
        frmResult(),
        {{"####0.00",
          {"Label25", "Label1", "Label52", "Label68", "Label82", "Label94", "Label41", "Label33",
           "Label40", "Label77"}},
         {"###0.00", {"Label59", "Label103", "Label73", "Label43", "Label48"}},
         {"##0.00", {"Label62", "Label104", "Label75", "Label102", "Label5", "Label13", "Label14"}},
         {"0.00000", {"Label15"}}});
    ExpectRoom(frmDim(), {{"####0.00", {"Label8", "Label7"}},
                          {"###0.00", {"Label32", "Label48", "Label55", "Label35"}},
                          {"##0.00", {"Label39", "Label14"}},
                          {"##0.000", {"Label27"}},
                          {"0.00000", {"Label43"}}});
    ExpectRoom(frmBond(),
               {{"####0.00", {"Label11", "Label14"}}, {"####0", {"Label27", "Label34"}}});
}

}  // namespace
}  // namespace kord::test

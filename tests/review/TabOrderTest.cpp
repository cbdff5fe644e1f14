#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "review/AnchorageWindow.h"
#include "review/DimensioningWindow.h"
#include "review/ResultsWindow.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

using Names = std::vector<std::string>;

class ReviewTabOrder : public AppTest {};

// Frames top to bottom, rows left to right, then the buttons.
TEST_F(ReviewTabOrder, FollowsTheReadingOrderOfEachWindow) {
    EXPECT_EQ(TabOrder(frmResult()), (Names{"Command7", "Command3", "Command4", "Command5",
                                            "Command6", "Command2", "Command1"}));
    EXPECT_EQ(TabOrder(frmDim()),
              (Names{"Command6(0)", "Text1", "Text2", "Command3", "Text5", "Command6(1)", "Text3",
                     "Command4", "Text4", "Command2", "Command5", "Command1"}));
    EXPECT_EQ(TabOrder(frmBond()),
              (Names{"Text1", "Text2", "Text32", "Text30", "Text3", "Text5", "Text16", "Text17",
                     "Text4", "Text6", "Text7", "Command4", "Command3", "Command2", "Command1"}));
}

}  // namespace
}  // namespace kord::test

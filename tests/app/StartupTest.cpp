#include <gtest/gtest.h>

#include "app/AboutWindow.h"
#include "app/DialogWindow.h"
#include "app/InputWindow.h"
#include "app/Startup.h"
#include "kit/Exit.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, MainDecidesTheSeparatorAndShowsTheStatement) {
    SetCurrentLocale(NumericLocale::FromName("de_DE"));
    State().DecimalComma = false;
    Main();
    EXPECT_TRUE(State().DecimalComma);
    EXPECT_EQ(LoadedNames(), std::vector<std::string>{"frmDialog"});
    EXPECT_TRUE(frmDialog().IsVisible());
    EXPECT_EQ(frmDialog().Label3.Caption(), "®");
    EXPECT_EQ(frmDialog().DefaultButton(), &frmDialog().OKButton);
}

TEST_F(StartupTest, AcceptingLeadsThroughTheAboutBoxToTheInputWindow) {
    Main();
    frmDialog().OKButton.UserClick();
    Forms::Collect();
    EXPECT_FALSE(frmDialog.Exists());
    ASSERT_TRUE(frmAbout.Exists());
    EXPECT_TRUE(frmAbout().IsVisible());
    EXPECT_EQ(frmAbout().Label3.Caption(), "®");
    EXPECT_EQ(frmAbout().Label4.Caption(), "®");

    frmAbout().cmdOK.UserClick();
    Forms::Collect();
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_TRUE(frmData().IsVisible());
    EXPECT_EQ(host.windowsCreated, (std::vector<std::string>{"frmDialog", "frmAbout", "frmData"}));
    EXPECT_EQ(host.quitCount, 0);
}

TEST_F(StartupTest, RefusingTheStatementEndsTheProgramWithoutAnyOtherWindow) {
    Main();
    frmDialog().CancelButton.UserClick();
    Forms::Collect();
    EXPECT_TRUE(Forms::Loaded().empty());
    EXPECT_EQ(host.windowsCreated, std::vector<std::string>{"frmDialog"});
    EXPECT_EQ(host.quitCount, 1);
}

TEST_F(StartupTest, ExitFromTheAboutBoxAtStartEndsBeforeTheInputWindowExists) {
    Main();
    frmDialog().OKButton.UserClick();
    frmAbout().Command1.UserClick();
    Forms::Collect();
    EXPECT_TRUE(Forms::Loaded().empty());
    EXPECT_FALSE(frmData.Exists());
    EXPECT_EQ(host.quitCount, 1);
}

TEST_F(StartupTest, ExitClosesTheCallerFirstButTheInputWindowLast) {
    frmData().Show();
    frmAbout().Show();
    UnloadRecorder fromAbout;
    fromAbout.Watch(frmData());
    fromAbout.Watch(frmAbout());
    ExitProgram(frmAbout());
    EXPECT_EQ(fromAbout.order, (std::vector<std::string>{"frmAbout", "frmData"}));
    Forms::Collect();

    frmData().Show();
    frmAbout().Show();
    UnloadRecorder fromInput;
    fromInput.Watch(frmData());
    fromInput.Watch(frmAbout());
    frmData().Command3.UserClick();
    EXPECT_EQ(fromInput.order, (std::vector<std::string>{"frmAbout", "frmData"}));
    EXPECT_TRUE(Forms::Loaded().empty());
}

TEST_F(StartupTest, ClosingTheInputWindowByItsTitleBarEndsTheProgram) {
    frmData().Show();
    frmAbout().Show();
    frmData().UserCloseBox();
    EXPECT_TRUE(Forms::Loaded().empty());
    Forms::Collect();
    EXPECT_EQ(host.quitCount, 1);
}

TEST_F(StartupTest, AboutFromTheInputWindowReturnsWithoutReloadingIt) {
    frmData().Show();
    frmData().Text7.SetText("12");
    frmData().Option5.SetValue(true);
    frmData().Command6.UserClick();
    ASSERT_TRUE(frmAbout().IsVisible());
    // A second "O programie..." only brings the open box to the front.
    frmData().Command6.UserClick();
    frmAbout().cmdOK.UserClick();
    Forms::Collect();
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_EQ(frmData().Text7.Text(), "12");
    EXPECT_TRUE(frmData().Option5.Value());
    EXPECT_EQ(std::count(host.windowsCreated.begin(), host.windowsCreated.end(), "frmData"), 1);
    EXPECT_EQ(std::count(host.windowsCreated.begin(), host.windowsCreated.end(), "frmAbout"), 1);
}

TEST_F(StartupTest, SystemInfoIsReportedUnavailableWithoutIconOrTitle) {
    frmAbout().Show();
    frmAbout().cmdSysInfo.UserClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Informacja o systemie jest w tym momencie niedostępna");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[0].title, "");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OK);
    EXPECT_TRUE(frmAbout().IsVisible());
}

TEST_F(StartupTest, AboutBoxTakesEnterAndEscapeAsOk) {
    frmData().Show();
    frmAbout().Show();
    frmAbout().UserPressEscape();
    Forms::Collect();
    EXPECT_FALSE(frmAbout.Exists());
    frmAbout().Show();
    frmAbout().UserPressEnter();
    Forms::Collect();
    EXPECT_FALSE(frmAbout.Exists());
    EXPECT_TRUE(frmData().IsVisible());
}

}  // namespace
}  // namespace kord::test

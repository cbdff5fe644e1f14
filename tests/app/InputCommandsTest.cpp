#include <gtest/gtest.h>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

using InputCommandsTest = AppTest;

TEST_F(InputCommandsTest, HelpOpensTheHelpFileBesideTheProgram) {
    FrmData& w = frmData();
    w.Show();
    w.Command7.UserClick();
    ASSERT_EQ(host.helpShown.size(), 1u);
    EXPECT_EQ(host.helpShown[0], ProgramPath("Help/Kordelan-Help.hlp"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(InputCommandsTest, DataSheetTriesThePdfThenTheDocumentThenSaysSo) {
    FrmData& w = frmData();
    w.Show();
    const std::string pdf = ProgramPath("Vendrik/Plankor.pdf");
    const std::string doc = ProgramPath("Vendrik/Plankor.doc");

    host.documentOpens = [&](const std::string& p) { return p == pdf; };
    w.Command9(0).UserClick();
    EXPECT_EQ(host.documentsAsked, std::vector<std::string>{pdf});

    host.documentsAsked.clear();
    host.documentOpens = [&](const std::string& p) { return p == doc; };
    w.TabStrip1.Select(2);
    w.Command9(2).UserClick();
    EXPECT_EQ(host.documentsAsked, (std::vector<std::string>{pdf, doc}));
    EXPECT_TRUE(host.messages.empty());

    host.documentOpens = [](const std::string&) { return false; };
    w.Command9(2).UserClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("Plankor.pdf"), std::string::npos);
}

TEST_F(InputCommandsTest, OptionsOpenModallyAndKeepTheirSettings) {
    FrmData& w = frmData();
    w.Show();
    host.modalScripts.push_back([](Window& win) {
        auto& o = static_cast<FrmOptions&>(win);
        o.Text9.SetText("Most");
        o.cmdOK.UserClick();
    });
    w.Command5.UserClick();
    EXPECT_EQ(host.modalWindows, std::vector<std::string>{"frmOptions"});
    EXPECT_FALSE(frmOptions().IsVisible());
    EXPECT_EQ(w.StatusBar1.Panels(1).text, "Projekt: Most");
    host.modalScripts.push_back([](Window& win) { win.Hide(); });
    w.Command5.UserClick();
    EXPECT_EQ(frmOptions().Text9.Text(), "Most");
}

}  // namespace
}  // namespace kord::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "qt/QtBinding.h"
#include "qt/QtHost.h"

namespace kord::test {
namespace {

// The real input window as real widgets, offscreen.
class InputWindowQtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetHost(&host);
        SetCurrentLocale(NumericLocale::FromName("pl_PL"));
        State() = DesignState{};
        State().DecimalComma = true;
        frmData().Show();
        QApplication::processEvents();
        window = QtBinding::Of(frmData())->WindowWidget();
    }
    void TearDown() override {
        while (!Forms::Loaded().empty()) Forms::Loaded().back()->Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::Collect();
        SetHost(nullptr);
    }
    template <class W>
    W* Widget(const char* name) {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QtHost host;
    QWidget* window = nullptr;
};

TEST_F(InputWindowQtTest, WidgetsCarryTheControlNamesAndMirrorTheModel) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "frmData");
    EXPECT_EQ(window->windowTitle(), "Kordelan");
    EXPECT_EQ(Widget<QLineEdit>("Text22(1)")->text(), "20,20");
    EXPECT_FALSE(Widget<QLineEdit>("Text22(1)")->isEnabled());
    EXPECT_EQ(Widget<QLineEdit>("Text34")->text(), "2,5");
    EXPECT_EQ(Widget<QComboBox>("Combo3")->currentText(), " Włókno węglowe   (CFRP) ");
    // Pages behind the front one are not shown.
    EXPECT_TRUE(Widget<QLineEdit>("Text4(0)")->isVisibleTo(window));
    EXPECT_FALSE(Widget<QLineEdit>("Text4(1)")->isVisibleTo(window));
}

// A box shows the whole text the model holds: Qt's default limit would cut it at 32767.
TEST_F(InputWindowQtTest, ALongTextIsShownWhole) {
    frmData().Text7.SetText(std::string(40000, '7'));
    EXPECT_EQ(Widget<QLineEdit>("Text7")->text().size(), 40000);
}

// Runs `then` on the modal widget of type W once it is open; gives up after a second.
template <class W>
void WhenModal(std::function<void(W&)> then, int tries = 0) {
    if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget()))
        then(*w);
    else if (tries < 100)
        QTimer::singleShot(10, [then, tries] { WhenModal<W>(then, tries + 1); });
}

// "Zapisz" over a read-only file: the dialog says so and stays open for another name, before
// any question about replacing the file.
TEST_F(InputWindowQtTest, TheSaveDialogRefusesAReadOnlyFileAndStaysOpen) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tylko.inp"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stare");
    }
    QFile::setPermissions(file, QFileDevice::ReadOwner);
    QString refusal;
    bool stillOpen = false;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(file);
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            refusal = box.text();
            box.accept();
            QTimer::singleShot(0, [&] {
                stillOpen = dialog.isVisible();
                dialog.reject();
            });
        });
        static_cast<QDialog&>(dialog).accept();  // the Save button
    });
    frmData().Command4.UserClick();
    EXPECT_EQ(refusal.toStdString(),
              "tylko.inp\nPlik lub folder jest tylko do odczytu albo nie można w nim "
              "zapisywać.\nProszę podać inną nazwę pliku.");
    EXPECT_TRUE(stillOpen);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "stare");
}

TEST_F(InputWindowQtTest, ClickingRealWidgetsRunsTheOptionRules) {
    Widget<QRadioButton>("Option5")->click();
    QApplication::processEvents();
    EXPECT_TRUE(frmData().Option5.Value());
    EXPECT_FALSE(Widget<QLineEdit>("Text2(0)")->isEnabled());
    EXPECT_NE(frmData().Picture1(0).Picture().Path().find("flexure-2.jpg"), std::string::npos);

    frmData().TabStrip1.UserSelect(2);
    QApplication::processEvents();
    EXPECT_TRUE(Widget<QLineEdit>("Text4(2)")->isVisibleTo(window));
    EXPECT_FALSE(Widget<QLineEdit>("Text4(0)")->isVisibleTo(window));
    Widget<QRadioButton>("Option9")->click();
    QApplication::processEvents();
    EXPECT_TRUE(Widget<QLineEdit>("Text27")->isEnabled());
    EXPECT_FALSE(Widget<QLineEdit>("Text20")->isEnabled());
}

}  // namespace
}  // namespace kord::test

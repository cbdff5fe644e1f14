#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

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
#include <filesystem>
#include <fstream>
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

// The file dialogs are Qt's own, titled, on every desktop. A name that cannot be used is refused
// with its reason and the dialog stays open for another, before any question about replacing a
// file; naming a new file asks whether to create it.
TEST_F(InputWindowQtTest, TheFileDialogsRefuseWithTheirReasonAndAskBeforeCreating) {
    // A Latin-2 name: "łódź" is not UTF-8.
    const std::string latin2 = "\263\363d\277.inp";
    struct Case {
        const char* what;
        bool save;
        std::string name;
        bool exists;
        const char* says;
        QMessageBox::StandardButton answer;
        const char* left;  // the file's content afterwards; nullptr: there is none
    } const cases[] = {
        {"read-only", true, "tylko.inp", true,
         "tylko.inp\nPlik jest tylko do odczytu.\nProszę podać inną nazwę pliku.", QMessageBox::Ok,
         "stare"},
        {"not UTF-8, save", true, latin2, true,
         "\nNazwa pliku lub folderu nie jest zapisana w UTF-8, więc nie można jej użyć.\nProszę "
         "podać inną nazwę pliku.",
         QMessageBox::Ok, "stare"},
        {"not UTF-8, open", false, latin2, true,
         "\nNazwa pliku lub folderu nie jest zapisana w UTF-8, więc nie można jej użyć.\nProszę "
         "wybrać inny plik.",
         QMessageBox::Ok, "stare"},
        {"new, not created", true, "nowy.inp", false,
         "nowy.inp\nTen plik nie istnieje.\nCzy utworzyć nowy plik?", QMessageBox::No, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Raw bytes throughout: Qt would read the Latin-2 name as another one.
        const std::filesystem::path dir =
            std::filesystem::temp_directory_path() /
            ("kordelan-dialog-" + std::to_string(::getpid()) + "-" + std::to_string(&c - cases));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directory(dir);
        const std::string path = (dir / c.name).string();
        if (c.exists) {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0444);
            ASSERT_EQ(::write(fd, "stare", 5), 5);
            ::close(fd);
        }
        QString said;
        bool ownDialog = false, stillOpen = false;
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            ownDialog = dialog.testOption(QFileDialog::DontUseNativeDialog) &&
                        !dialog.windowTitle().isEmpty();
            // Typed as a whole path: the folder's list is read in the background.
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QFile::decodeName(path.c_str()));
            WhenModal<QMessageBox>([&](QMessageBox& box) {
                said = box.text();
                box.button(c.answer)->click();
                QTimer::singleShot(0, [&] {
                    stillOpen = dialog.isVisible();
                    dialog.reject();
                });
            });
            static_cast<QDialog&>(dialog).accept();  // the Save or Open button
        });
        // Whatever goes wrong, the dialog does not stay open for ever.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        giveUp.start(5000);
        (c.save ? frmData().Command4 : frmData().Command8).UserClick();
        EXPECT_TRUE(ownDialog);
        EXPECT_TRUE(said.endsWith(QString::fromUtf8(c.says))) << said.toStdString();
        EXPECT_TRUE(stillOpen);
        // Nothing else was written into the folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), c.exists ? 1 : 0);
        if (c.left) {
            std::ifstream in(path);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.left);
        }
        std::filesystem::remove_all(dir);
    }
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

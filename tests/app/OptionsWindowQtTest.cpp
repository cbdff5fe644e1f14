#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <string>
#include <vector>

#include "app/OptionsWindow.h"
#include "app/ReportSnapshot.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "qt/QtHost.h"
#include "report/PrintDriver.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

// Runs `answer` on the font dialog once it is open; gives up after a second.
void AnswerFontDialog(std::function<void(QFontDialog&)> answer, int tries = 0) {
    QTimer::singleShot(tries ? 10 : 0, [answer = std::move(answer), tries]() mutable {
        if (auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget()))
            answer(*d);
        else if (tries < 100)
            AnswerFontDialog(std::move(answer), tries + 1);
    });
}

QPushButton* OkOf(QFontDialog& d) {
    return d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

QLineEdit* SizeEditOf(QFontDialog& d) {
    for (auto* e : d.findChildren<QLineEdit*>())
        if (e->validator()) return e;
    return nullptr;
}

class OptionsWindowQtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetHost(&host);
        State() = DesignState{};
        frmOptions().Show();
        QApplication::processEvents();
    }
    void TearDown() override {
        while (!Forms::Loaded().empty()) Forms::Loaded().back()->Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::Collect();
        SetHost(nullptr);
    }
    QtHost host;
};

TEST_F(OptionsWindowQtTest, FontDialogOpensOnTheReportFontOffersOnlyItsSizesAndOkKeepsTheFont) {
    // As the program runs: Qt's own texts in Polish.
    QTranslator polish;
    if (polish.load("qtbase_pl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&polish);
    QString family;
    // The rows each list shows: families, styles, sizes.
    std::vector<QStringList> shown;
    bool okAfterFive = true;
    AnswerFontDialog([&](QFontDialog& d) {
        family = d.currentFont().family();
        for (auto* list : d.findChildren<QListView*>()) {
            shown.emplace_back();
            for (int row = 0; row < list->model()->rowCount(); ++row)
                if (!list->isRowHidden(row))
                    shown.back() << list->model()->index(row, 0).data().toString();
        }
        QLineEdit* size = SizeEditOf(d);
        for (const char* typed : {"5", "12"}) {
            size->selectAll();
            for (const char c : std::string(typed)) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier,
                              QString(QChar(c)));
                QApplication::sendEvent(size, &key);
            }
            if (typed[0] == '5') okAfterFive = OkOf(d)->isEnabled();
        }
        OkOf(d)->click();
    });
    frmOptions().tbsOptions.Select(1);
    frmOptions().Command2.UserClick();
    EXPECT_EQ(family, "Liberation Sans");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[0].contains("Liberation Sans")) << shown[0].join(",").toStdString();
    EXPECT_TRUE(shown[1].contains("Regular")) << shown[1].join(",").toStdString();
    EXPECT_EQ(shown[2], (QStringList{"10", "11", "12", "14"}));
    EXPECT_FALSE(okAfterFive);
    EXPECT_EQ(frmOptions().ReportFont, (Font{"Arial", 12}));

    RecordingSurface rec;
    PrintReport(rec, DesignedInputs(), PrintOptionsOf(frmOptions()));
    const TextRun* title = rec.FindText("Wzmocnienie konstrukcji");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, (Font{.name = "Arial", .size = 16, .bold = true}));
}

}  // namespace
}  // namespace kord::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListView>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
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
#include "qt/QtPrinterSurface.h"
#include "report/PrintDriver.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

// Runs `answer` on the dialog once it is open; gives up after a second.
template <class Dialog>
void AnswerDialog(std::function<void(Dialog&)> answer, int tries = 0) {
    QTimer::singleShot(tries ? 10 : 0, [answer = std::move(answer), tries]() mutable {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(*d);
        else if (tries < 100)
            AnswerDialog<Dialog>(std::move(answer), tries + 1);
    });
}

// fontconfig's own account of the installed families matching a pattern.
QStringList FontconfigFamilies(const QString& pattern) {
    QProcess list;
    list.start(QStringLiteral("fc-list"), {pattern, QStringLiteral("family")});
    list.waitForFinished();
    QStringList families;
    for (const QString& line :
         QString::fromUtf8(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        families << line.split(',');
    return families;
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
    AnswerDialog<QFontDialog>([&](QFontDialog& d) {
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
    // Only TrueType faces that write Polish: none of the Type 1, CFF or symbol faces installed
    // (C059 is one). Where two foundries make a family, the list names it "Family [Foundry]".
    const QStringList polishTrueType = FontconfigFamilies(":fontformat=TrueType:lang=pl");
    ASSERT_TRUE(FontconfigFamilies(":fontformat=CFF").contains("C059"));
    for (const QString& f : shown[0])
        EXPECT_TRUE(polishTrueType.contains(f.section(" [", 0, 0))) << f.toStdString();
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

// "Ustawienia drukarki" chooses and confirms with "OK", offers nothing the report would not keep,
// and a cancelled dialog leaves the earlier choice; the report then prints to the file chosen.
TEST_F(OptionsWindowQtTest, PrinterSetUpOnlyChoosesThePrinterOrFile) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("raport.pdf");
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm);
        QString okText;
        bool optionsOffered = true, propertiesOffered = true;
        QAbstractPrintDialog::PrintDialogOptions offered;
        AnswerDialog<QPrintDialog>([&](QPrintDialog& d) {
            auto* box = d.findChild<QDialogButtonBox*>();
            okText = box->button(QDialogButtonBox::Ok)->text();
            optionsOffered = false;
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == QDialogButtonBox::ResetRole)
                    optionsOffered = optionsOffered || b->isVisible();
            propertiesOffered = d.findChild<QPushButton*>("properties")->isVisible();
            offered = d.options();
            // The PDF file is the last entry of the printers.
            auto* printers = d.findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->count() - 1);
            d.findChild<QLineEdit*>("filename")->setText(confirm ? pdf : pdf + ".inny.pdf");
            box->button(confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        frmOptions().tbsOptions.Select(1);
        frmOptions().Command1.UserClick();
        EXPECT_EQ(okText, "OK");
        EXPECT_FALSE(optionsOffered);
        EXPECT_FALSE(propertiesOffered);
        EXPECT_EQ(offered, QAbstractPrintDialog::PrintToFile);
        EXPECT_EQ(frmOptions().Printer.outputFile, pdf.toStdString());
    }
    QtPrinterSurface printer(frmOptions().Printer);
    PrintReport(printer, DesignedInputs(), PrintOptionsOf(frmOptions()));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

}  // namespace
}  // namespace kord::test

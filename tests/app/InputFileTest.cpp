#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <random>
#include <sstream>

#include "app/InputFile.h"
#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "tests/CpuTime.h"
#include "tests/FileBytes.h"
#include "tests/SmallDisk.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

namespace fs = std::filesystem;

// The file of a freshly loaded program, written out by hand line by line.
std::string FreshFile(bool comma) {
    auto d = [comma](const char* c, const char* p) { return comma ? c : p; };
    const std::string fcm = d("20,20", "20.20");
    const std::vector<std::string> lines = {
        "\"\"", "\"\"", "\"\"", "#TRUE#", "\"0\"", "\"0\"", "\"0\"", "\"0\"", "#TRUE#",
        "\" C 12/15 \"", "\"" + fcm + "\"", std::string("\"") + d("2,5", "2.5") + "\"", "\"0\"",
        std::string("\"") + d("0,008", "0.008") + "\"", "\"200\"", "\"500\"", "\"0\"", "\"0\"",
        "\"0\"", "\"0\"", "\"0\"", "\"0\"", "\"0\"", "\"0\"", "\"0\"", "\"0\"", "#TRUE#", "\"0\"",
        "\"0\"", "\"90\"", "#TRUE#", "\" C 12/15 \"", "\"" + fcm + "\"", "\"0\"", "\"0\"",
        std::string("\"") + d("0,006", "0.006") + "\"",
        // " Włókno węglowe   (CFRP) " in windows-1250: ł is 0xB3, ę is 0xEA.
        "\" W\xB3ókno w\xEAglowe   (CFRP) \"", "#TRUE#", "\"0\"", "\"0\"", "\"0\"", "#TRUE#",
        "\"0\"", "\"0\"", "\"0\"", "\"0\"", "#TRUE#", "\" C 12/15 \"", "\"" + fcm + "\"", "\"0\"",
        "\"0\"", std::string("\"") + d("0,9", "0.9") + "\"", "#TRUE#", "\"0\"", "\"0\"", "#TRUE#",
        "#TRUE#", "\"0\"", "\"0\"", std::string("\"") + d("0,8", "0.8") + "\"",
        std::string("\"") + d("1,30", "1.30") + "\"", std::string("\"") + d("1,25", "1.25") + "\"",
        std::string("\"") + d("1,20", "1.20") + "\"", std::string("\"") + d("1,25", "1.25") + "\"",
        std::string("\"") + d("1,30", "1.30") + "\"", "#TRUE#", "#FALSE#", "#FALSE#", "#TRUE#"};
    // Replace the "ó" of the fibre line, written above as UTF-8, by its code page byte 0xF3.
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    const std::string o = "ó";
    for (std::size_t at; (at = out.find(o)) != std::string::npos;)
        out.replace(at, o.size(), "\xF3");
    return out;
}

class InputFileTest : public AppTest {
  protected:
    InputFileTest() {
        dir = fs::temp_directory_path() / ("kordelan-inp-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    ~InputFileTest() override { fs::remove_all(dir); }

    // Every control the file holds, and the status bar, as the user sees them.
    std::vector<std::string> Everything() {
        std::vector<std::string> all;
        for (const InputValue& v : CollectInputValues())
            all.push_back(v.isYesNo ? (v.yes ? "yes" : "no") : v.text);
        for (int k = 1; k <= 3; ++k) all.push_back(frmData().StatusBar1.Panels(k).text);
        for (int k = 0; k < 3; ++k) {
            all.push_back(frmData().Picture1(k).Picture().Path());
            all.push_back(frmData().Text22(k).Enabled() ? "on" : "off");
        }
        all.push_back(frmData().Text18.Enabled() ? "on" : "off");
        all.push_back(frmData().Text27.Enabled() ? "on" : "off");
        return all;
    }

    fs::path dir;
};

TEST_F(InputFileTest, FreshWindowsWriteTheGoldenFileUnderBothSeparators) {
    for (bool comma : {true, false}) {
        UseLocale(comma);
        frmData();
        const fs::path file = dir / (comma ? "comma" : "point");
        ASSERT_TRUE(SaveInputFile(file.string()));
        EXPECT_EQ(ReadAll(file), FreshFile(comma)) << comma;
        EXPECT_FALSE(fs::exists(file.string() + ".inp"));
        frmData().Unload();
        frmOptions().Unload();
        Forms::Collect();
    }
}

TEST_F(InputFileTest, RoundTripRestoresAllValuesInAFreshProgram) {
    FrmData& w = frmData();
    FrmOptions& o = frmOptions();
    o.Text1.SetText("Anna \"Nowak\"");
    o.Text2.SetText("Biuro Żółć");
    o.Text9.SetText("");
    o.Check2.SetValue(1);
    o.Check4.SetValue(0);
    o.Text6.SetText("1,4");
    w.Option5.SetValue(true);
    w.Text4(0).SetText("0,35");
    w.Option11(0).SetValue(true);
    w.Text22(0).SetText("31,5");
    w.Combo1(1).SetListIndex(6);
    w.Option2.SetValue(true);
    w.Option7.SetValue(true);
    w.Combo3.SetListIndex(2);
    w.Option9.SetValue(true);
    w.Option12.SetValue(true);
    w.Check1.SetValue(0);
    w.Text27.SetText("abc");
    w.Text31.SetText("");
    const auto before = CollectInputValues();
    const fs::path file = dir / "all.inp";
    ASSERT_TRUE(SaveInputFile(file.string()));
    const auto beforeAll = Everything();

    w.Unload();
    o.Unload();
    Forms::Collect();
    host.messages.clear();
    ASSERT_TRUE(OpenInputFile(file.string()));
    EXPECT_EQ(CollectInputValues(), before);
    auto after = Everything();
    // The status bar shows the opened user data, which the saving program had not confirmed.
    EXPECT_EQ(after[kInputValueCount], "Projekt: ");
    EXPECT_EQ(after[kInputValueCount + 1], "Autor: Anna \"Nowak\"");
    EXPECT_EQ(after[kInputValueCount + 2], "Firma: Biuro Żółć");
    for (std::size_t i = kInputValueCount + 3; i < after.size(); ++i)
        EXPECT_EQ(after[i], beforeAll[i]) << i;
    // The options window was created for the file, not shown.
    EXPECT_FALSE(frmOptions().IsVisible());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(InputFileTest, ReadingRunsTheRulesAndTheFileTextsWin) {
    std::string file = FreshFile(true);
    // Value 9 "no" (mean strength), value 10 C 30/37, value 11 "41,7".
    auto replaceLine = [&](int n, const std::string& text) {
        std::size_t at = 0;
        for (int k = 1; k < n; ++k) at = file.find("\r\n", at) + 2;
        file.replace(at, file.find("\r\n", at) - at, text);
    };
    replaceLine(9, "#FALSE#");
    replaceLine(10, "\" C 30/37 \"");
    replaceLine(11, "\"41,7\"");
    replaceLine(42, "#TRUE#");
    replaceLine(53, "#FALSE#");
    WriteAll(dir / "rules.inp", file);
    ASSERT_TRUE(OpenInputFile((dir / "rules.inp").string()));
    FrmData& w = frmData();
    EXPECT_TRUE(w.Option11(0).Value());
    EXPECT_EQ(w.Combo1(0).ListIndex(), 4);
    EXPECT_EQ(w.Text22(0).Text(), "41,7");
    EXPECT_TRUE(w.Text22(0).Enabled());
    EXPECT_TRUE(w.Text28.Enabled());
    // The class rule wrote fck for each list in turn: the confinement list came last.
    EXPECT_EQ(State().fck, 12);
    // Rectangular with strips: warned once, at the end.
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("przy użyciu taśm"), std::string::npos);
}

TEST_F(InputFileTest, BadFilesChangeNothingAndTheNextSaveAndOpenWork) {
    const std::string good = FreshFile(false);
    std::string upper = good;
    for (std::size_t at; (at = upper.find("#TRUE#")) != std::string::npos;)
        upper.replace(at, 6, "#true#");
    struct BadCase {
        const char* name;
        std::string bytes;
        const char* expected;  // part of the message
    };
    std::string noQuotes = good;
    noQuotes.replace(noQuotes.find("\"500\""), 5, "500");
    std::string badList = good;
    badList.replace(badList.find("\" C 12/15 \""), 11, "\" C 12/15\"");
    const BadCase cases[] = {
        {"empty", "", "nie jest plikiem danych"},
        {"short", good.substr(0, good.rfind("#TRUE#")), "zawiera 68 z 69"},
        {"binary", std::string("\x00\x01\x02\xff\xfe", 5), "nie jest plikiem danych"},
        {"text in yes/no", good.substr(0, good.find("#TRUE#")) + "\"x\"\r\n", "nie jest plikiem"},
        {"no quotes", noQuotes, "nie jest plikiem danych"},
        {"unknown class", badList, "„ C 12/15”"},
        // What opens must save again: a bare CR, invalid UTF-8 after the mark.
        {"bare CR", "\"a\rb\"\r\n" + good.substr(good.find('\n') + 1), "„Autor”"},
        {"bad UTF-8", "\xEF\xBB\xBF\"\xC1\x81\"\r\n" + good.substr(good.find('\n') + 1),
         "nie można zapisać"},
    };
    FrmData& w = frmData();
    w.Text7.SetText("123");
    frmOptions().Text1.SetText("Ja");
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = Everything();
        WriteAll(dir / "bad.inp", c.bytes);
        host.messages.clear();
        EXPECT_FALSE(OpenInputFile((dir / "bad.inp").string()));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].text.find(c.expected), std::string::npos)
            << host.messages[0].text;
        EXPECT_EQ(Everything(), before);
    }
    // Lower-case yes/no, LF-only line ends and lines after the 69th are accepted.
    std::string lf = upper;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.replace(at, 2, "\n");
    lf += "\"extra\"\nmore\n";
    WriteAll(dir / "lf.inp", lf);
    EXPECT_TRUE(OpenInputFile((dir / "lf.inp").string()));
    EXPECT_EQ(w.Text7.Text(), "0");
    EXPECT_TRUE(SaveInputFile((dir / "again.inp").string()));
    // What was opened is saved back exactly, in the standard form.
    EXPECT_EQ(ReadAll(dir / "again.inp"), good);
}

TEST_F(InputFileTest, AMegabyteOfBlanksIsReadAtOnce) {
    std::string bytes = FreshFile(true);
    bytes.insert(bytes.find("#TRUE#"), 1'048'000, ' ');
    const auto start = ThreadCpuTime();
    EXPECT_TRUE(ParseInputFile(bytes, nullptr).has_value());
    // Tens of milliseconds when linear, a few hundred under the sanitizers; a
    // character-by-character trim takes many seconds.
    EXPECT_LT(ThreadCpuTime() - start, std::chrono::seconds(1));
}

TEST_F(InputFileTest, CommaTextsStayUnderAPointLocaleAndUtf8WithMarkIsRead) {
    UseLocale(false);
    WriteAll(dir / "comma.inp", FreshFile(true));
    ASSERT_TRUE(OpenInputFile((dir / "comma.inp").string()));
    EXPECT_EQ(frmData().Text34.Text(), "2,5");
    EXPECT_EQ(frmOptions().Text4.Text(), "1,30");

    std::string utf8 = "\xEF\xBB\xBF" + FreshFile(true);
    utf8.replace(3, 2, "\"Łukasz Żak\"");
    utf8.replace(utf8.find("W\xB3"), std::string("W\xB3\xF3kno w\xEAglowe").size(),
                 "Włókno węglowe");
    WriteAll(dir / "utf8.inp", utf8);
    ASSERT_TRUE(OpenInputFile((dir / "utf8.inp").string()));
    EXPECT_EQ(frmOptions().Text1.Text(), "Łukasz Żak");
    EXPECT_EQ(frmData().Combo3.ListIndex(), 0);
}

TEST_F(InputFileTest, UnwritableCharactersAreRefusedAndTheOldFileStays) {
    const fs::path file = dir / "keep.inp";
    WriteAll(file, "old");
    frmOptions().Text2.SetText("Firma 日本");
    EXPECT_FALSE(SaveInputFile(file.string()));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("„Firma”"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find("日"), std::string::npos);
    EXPECT_EQ(ReadAll(file), "old");

    frmOptions().Text2.SetText("Firma");
    const fs::path missing = dir / "no-such-folder" / "x.inp";
    EXPECT_FALSE(SaveInputFile(missing.string()));
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[1].text.find("Nie można zapisać"), std::string::npos);
}

// On a full disk or a read-only one, "Zapisz" fails with its message: an old file keeps every
// byte, a new one is not left behind empty, and no temporary file stays.
TEST_F(InputFileTest, AFullOrReadOnlyDiskKeepsTheOldFileAndLeavesNothing) {
    const std::string old = FreshFile(false);
    for (const bool readOnly : {false, true}) {
        for (const bool existed : {true, false}) {
            SCOPED_TRACE(std::string(readOnly ? "read-only" : "full") +
                         (existed ? ", over a file" : ", a new file"));
            SmallDisk disk;
            if (!disk.Mounted()) GTEST_SKIP() << "No disk to fill: " << disk.Why();
            const fs::path file = disk.Path() / "dane.inp";
            if (existed) WriteAll(file, old);
            if (readOnly)
                ASSERT_TRUE(disk.MakeReadOnly());
            else
                disk.Fill();
            std::vector<fs::path> before(fs::directory_iterator(disk.Path()), {});
            host.messages.clear();
            // A long author name: more than a full disk takes.
            frmOptions().Text1.SetText(std::string(8000, 'a'));
            EXPECT_FALSE(SaveInputFile(file.string()));
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_NE(host.messages[0].text.find("Nie można zapisać pliku „dane.inp”."),
                      std::string::npos);
            EXPECT_EQ(host.messages[0].text.find("pozostała bez zmian") != std::string::npos,
                      existed);
            EXPECT_EQ(fs::exists(file), existed);
            if (existed) {
                EXPECT_EQ(ReadAll(file), old);
            }
            std::vector<fs::path> after(fs::directory_iterator(disk.Path()), {});
            std::sort(before.begin(), before.end());
            std::sort(after.begin(), after.end());
            EXPECT_EQ(after, before);
        }
    }
}

// Whatever the path turns out to be, "Zapisz" ends in its message or in the saved file: never in
// an exception, and never over a read-only file.
TEST_F(InputFileTest, OddTargetsOfASaveFailWithTheirMessageAndKeepWhatWasThere) {
    const std::string old = "stare dane";
    fs::create_symlink("loop2.inp", dir / "loop1.inp");
    fs::create_symlink("loop1.inp", dir / "loop2.inp");
    WriteAll(dir / "tylko.inp", old);
    fs::permissions(dir / "tylko.inp",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(::mkfifo((dir / "potok").c_str(), 0600), 0);
    fs::create_symlink(dir / "potok", dir / "do-potoku.inp");
    fs::create_symlink("/dev/null", dir / "null.inp");
    struct Case {
        const char* name;
        fs::path path;
        const char* reason;
    };
    const Case cases[] = {
        {"link loop", dir / "loop1.inp", "Dowiązania symboliczne tworzą pętlę."},
        {"read-only file", dir / "tylko.inp", "Plik jest tylko do odczytu."},
        {"link to a pipe", dir / "do-potoku.inp", "To nie jest zwykły plik."},
        {"link to a device", dir / "null.inp", "To nie jest zwykły plik."},
        {"name too long", dir / (std::string(252, 'd') + ".inp"),
         "Nazwa pliku lub ścieżka jest dłuższa, niż system pozwala."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.messages.clear();
        EXPECT_FALSE(SaveInputFile(c.path.string()));
        ASSERT_EQ(host.messages.size(), 1u);
        std::error_code ec;
        const bool existed = fs::exists(fs::symlink_status(c.path, ec));
        EXPECT_EQ(host.messages[0].text,
                  "Nie można zapisać pliku „" + c.path.filename().string() + "”. " + c.reason +
                      (existed ? " Poprzednia zawartość pliku pozostała bez zmian." : ""));
    }
    EXPECT_EQ(fs::read_symlink(dir / "loop1.inp"), "loop2.inp");
    EXPECT_EQ(ReadAll(dir / "tylko.inp"), old);

    // The longest name the file system takes is saved, with nothing left beside it.
    const fs::path longest = dir / (std::string(251, 'd') + ".inp");
    ASSERT_TRUE(SaveInputFile(longest.string()));
    EXPECT_EQ(ReadAll(longest), FreshFile(true));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 7);
}

TEST_F(InputFileTest, AFolderThatCannotBeEnteredIsAFileThatCannotBeWritten) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "Root enters every folder: run as a user who is not root.";
    fs::create_directory(dir / "zamknięty");
    fs::permissions(dir / "zamknięty", fs::perms::none);
    EXPECT_FALSE(SaveInputFile((dir / "zamknięty" / "x.inp").string()));
    fs::permissions(dir / "zamknięty", fs::perms::owner_all);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Nie można zapisać pliku „x.inp”. Nie można wejść do folderu (brak uprawnień).");
}

// "Otwórz" refuses at once what is not a regular file, and calls a file too large what it cuts.
TEST_F(InputFileTest, PipesFoldersAndOversizedFilesAreRefusedWithTheirMessage) {
    const fs::path pipe = dir / "potok.inp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(dir / "folder.inp");
    std::string large = FreshFile(true);
    large.replace(0, 2, "\"" + std::string(1100000, 'a') + "\"");
    WriteAll(dir / "duży.inp", large);
    struct Case {
        fs::path path;
        const char* message;
    };
    const Case cases[] = {
        {pipe, "Nie można odczytać pliku „potok.inp”. To nie jest zwykły plik."},
        {dir / "folder.inp", "Nie można odczytać pliku „folder.inp”. To nie jest zwykły plik."},
        {dir / "duży.inp",
         "Plik jest zbyt duży, aby był plikiem danych programu Kordelan (ponad 1 MB). Plik: "
         "„duży.inp”. Dane nie zostały zmienione."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.filename());
        host.messages.clear();
        auto opening = std::async(std::launch::async, [&] { return OpenInputFile(c.path); });
        if (opening.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            // Let the blocked open go, so the test can end.
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
            ADD_FAILURE() << "the open blocked";
        }
        EXPECT_FALSE(opening.get());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.message);
    }
}

TEST_F(InputFileTest, DialogsStartInTheDataFolderAndCancelDoesNothing) {
    SetProgramFolder(dir.string());
    FrmData& w = frmData();
    w.Show();
    host.fileAnswers.push_back(std::nullopt);
    w.Command4.UserClick();
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_TRUE(host.fileRequests[0].save);
    EXPECT_EQ(host.fileRequests[0].initialDir, (dir / "Data").string());
    EXPECT_TRUE(fs::is_directory(dir / "Data"));
    EXPECT_EQ(host.fileRequests[0].filters[0].first, "Input Files (*.inp)");
    EXPECT_TRUE(host.messages.empty());

    host.fileAnswers.push_back((dir / "Data" / "projekt").string());
    w.Command4.UserClick();
    EXPECT_TRUE(fs::exists(dir / "Data" / "projekt"));
    w.Text8.SetText("99");
    host.fileAnswers.push_back((dir / "Data" / "projekt").string());
    w.Command8.UserClick();
    EXPECT_FALSE(host.fileRequests.back().save);
    EXPECT_EQ(w.Text8.Text(), "0");
}

// Installed, the input files go to the user's documents folder as XDG names it; nothing is
// written into the installed tree.
TEST_F(InputFileTest, InstalledDialogsStartInDataOfTheDocumentsFolder) {
    const fs::path tree = dir / "share" / "kordelan";
    const fs::path home = dir / "home";
    fs::create_directories(tree);
    fs::create_directories(home / "config");
    std::ofstream(home / "config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n";
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / "config").string()));
    SetProgramFolder(tree.string(), true);

    frmData().Show();
    host.fileAnswers.push_back(std::nullopt);
    frmData().Command8.UserClick();
    qputenv("HOME", oldHome);
    if (oldConfig.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].initialDir, (home / "Dokumenty" / "Data").string());
    EXPECT_TRUE(fs::is_directory(home / "Dokumenty" / "Data"));
    EXPECT_TRUE(fs::is_empty(tree));
}

TEST_F(InputFileTest, RandomAndMutatedFilesNeverCrashAndOnlyValidFilesChangeInputs) {
    const std::string good = FreshFile(true);
    std::mt19937 rng(20261208);
    frmData().Text7.SetText("marker");
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        const int kind = round % 3;
        if (kind == 0) {
            bytes.assign(static_cast<std::size_t>(rng() % 3000), '\0');
            for (char& ch : bytes) ch = static_cast<char>(rng() & 0xFF);
        } else {
            const int edits = 1 + static_cast<int>(rng() % 8);
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
                const std::size_t at = rng() % bytes.size();
                switch (rng() % 3) {
                    case 0:
                        bytes[at] = static_cast<char>(rng() & 0xFF);
                        break;
                    case 1:
                        bytes.erase(at, 1 + rng() % 20);
                        break;
                    default:
                        bytes.insert(at, 1, "\"\r\n#"[rng() % 4]);
                        break;
                }
            }
        }
        std::string problem;
        const auto parsed = ParseInputFile(bytes, &problem);
        const auto before = CollectInputValues();
        WriteAll(dir / "fuzz.inp", bytes);
        host.messages.clear();
        const bool opened = OpenInputFile((dir / "fuzz.inp").string());
        EXPECT_EQ(opened, parsed.has_value());
        if (!opened) {
            EXPECT_EQ(CollectInputValues(), before);
            EXPECT_FALSE(problem.empty());
        } else {
            frmData().Text7.SetText("marker");
        }
    }
}

}  // namespace
}  // namespace kord::test

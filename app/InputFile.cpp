#include "app/InputFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/MessageTexts.h"
#include "platform/Cp1250.h"
#include "platform/FileIO.h"
#include "platform/Host.h"

namespace kord {

namespace {

enum class Form { Text, YesNo };
enum class Where { Input, Options };

struct Entry {
    Form form;
    Where where;
    const char* control;
    const char* partner;  // the other button of an option pair
    const char* label;    // how the user knows the field, for messages
};

// The fixed order of the file: the position alone says what a value is.
constexpr std::array<Entry, kInputValueCount> kEntries{{
    {Form::Text, Where::Options, "Text1", nullptr, "Autor"},
    {Form::Text, Where::Options, "Text2", nullptr, "Firma"},
    {Form::Text, Where::Options, "Text9", nullptr, "Projekt"},
    {Form::YesNo, Where::Input, "Option4", "Option5", "Typ przekroju (zginanie)"},
    {Form::Text, Where::Input, "Text4(0)", nullptr, "Szerokość b (zginanie)"},
    {Form::Text, Where::Input, "Text1(0)", nullptr, "Wysokość h (zginanie)"},
    {Form::Text, Where::Input, "Text3(0)", nullptr, "Szerokość półki beff"},
    {Form::Text, Where::Input, "Text2(0)", nullptr, "Grubość półki hf"},
    {Form::YesNo, Where::Input, "Option10(0)", "Option11(0)", "Beton (zginanie)"},
    {Form::Text, Where::Input, "Combo1(0)", nullptr, "Klasa betonu (zginanie)"},
    {Form::Text, Where::Input, "Text22(0)", nullptr, "Średnia wytrzymałość fcm (zginanie)"},
    {Form::Text, Where::Input, "Text34", nullptr, "Współczynnik pełzania"},
    {Form::Text, Where::Input, "Text24(0)", nullptr, "Moduł sprężystości Ef (zginanie)"},
    {Form::Text, Where::Input, "Text26(0)", nullptr, "Odkształcenie graniczne (zginanie)"},
    {Form::Text, Where::Input, "Text32", nullptr, "Moduł sprężystości Es"},
    {Form::Text, Where::Input, "Text30", nullptr, "Granica plastyczności fyk"},
    {Form::Text, Where::Input, "Text5(0)", nullptr, "Zbrojenie górne As2"},
    {Form::Text, Where::Input, "Text16", nullptr, "Zbrojenie dolne As12"},
    {Form::Text, Where::Input, "Text6(0)", nullptr, "Zbrojenie dolne As11"},
    {Form::Text, Where::Input, "Text9(0)", nullptr, "Odległość d2"},
    {Form::Text, Where::Input, "Text17", nullptr, "Odległość d12"},
    {Form::Text, Where::Input, "Text10(0)", nullptr, "Odległość d11"},
    {Form::Text, Where::Input, "Text7", nullptr, "Moment Mo"},
    {Form::Text, Where::Input, "Text8", nullptr, "Moment Msd"},
    {Form::Text, Where::Input, "Text31", nullptr, "Moment Mser,r"},
    {Form::Text, Where::Input, "Text33", nullptr, "Moment Mser,q-p"},
    {Form::YesNo, Where::Input, "Option1", "Option2", "Metoda zamocowania"},
    {Form::Text, Where::Input, "Text4(1)", nullptr, "Szerokość b (ścinanie)"},
    {Form::Text, Where::Input, "Text14(1)", nullptr, "Wysokość użyteczna d"},
    {Form::Text, Where::Input, "Text13(1)", nullptr, "Kąt włókien"},
    {Form::YesNo, Where::Input, "Option10(1)", "Option11(1)", "Beton (ścinanie)"},
    {Form::Text, Where::Input, "Combo1(1)", nullptr, "Klasa betonu (ścinanie)"},
    {Form::Text, Where::Input, "Text22(1)", nullptr, "Średnia wytrzymałość fcm (ścinanie)"},
    {Form::Text, Where::Input, "Text24(1)", nullptr, "Moduł sprężystości Ef (ścinanie)"},
    {Form::Text, Where::Input, "Text15(1)", nullptr, "Wydłużenie przy zerwaniu (ścinanie)"},
    {Form::Text, Where::Input, "Text26(1)", nullptr, "Odkształcenie graniczne (ścinanie)"},
    {Form::Text, Where::Input, "Combo3", nullptr, "Rodzaj włókien"},
    {Form::YesNo, Where::Input, "Option6", "Option7", "Forma wzmocnienia (ścinanie)"},
    {Form::Text, Where::Input, "Text18", nullptr, "Szerokość L-kształtki (ścinanie)"},
    {Form::Text, Where::Input, "Text19", nullptr, "Odległość L-kształtek (ścinanie)"},
    {Form::Text, Where::Input, "Text12", nullptr, "Dodatkowe ścinanie Vfd"},
    {Form::YesNo, Where::Input, "Option8", "Option9", "Typ przekroju (ściskanie)"},
    {Form::Text, Where::Input, "Text4(2)", nullptr, "Szerokość b (ściskanie)"},
    {Form::Text, Where::Input, "Text1(2)", nullptr, "Wysokość h (ściskanie)"},
    {Form::Text, Where::Input, "Text20", nullptr, "Wyoblenie R"},
    {Form::Text, Where::Input, "Text27", nullptr, "Średnica D"},
    {Form::YesNo, Where::Input, "Option10(2)", "Option11(2)", "Beton (ściskanie)"},
    {Form::Text, Where::Input, "Combo1(2)", nullptr, "Klasa betonu (ściskanie)"},
    {Form::Text, Where::Input, "Text22(2)", nullptr, "Średnia wytrzymałość fcm (ściskanie)"},
    {Form::Text, Where::Input, "Text24(2)", nullptr, "Moduł sprężystości Ef (ściskanie)"},
    {Form::Text, Where::Input, "Text11", nullptr, "Wydłużenie przy zerwaniu (ściskanie)"},
    {Form::Text, Where::Input, "Text25", nullptr, "Obliczeniowa wartość wydłużenia"},
    {Form::YesNo, Where::Input, "Option3", "Option12", "Forma wzmocnienia (ściskanie)"},
    {Form::Text, Where::Input, "Text28", nullptr, "Szerokość taśmy (ściskanie)"},
    {Form::Text, Where::Input, "Text29", nullptr, "Odległość taśm (ściskanie)"},
    {Form::YesNo, Where::Input, "Check1", nullptr, "Przyrost średniej wytrzymałości"},
    {Form::YesNo, Where::Input, "Check2", nullptr, "Przyrost odkształcenia przy zniszczeniu"},
    {Form::Text, Where::Input, "Text21", nullptr, "Średnia wytrzymałość po wzmocnieniu"},
    {Form::Text, Where::Input, "Text23", nullptr, "Odkształcenie przy zniszczeniu"},
    {Form::Text, Where::Options, "Text3", nullptr, "Współczynnik k"},
    {Form::Text, Where::Options, "Text4", nullptr, "Współczynnik γf,b"},
    {Form::Text, Where::Options, "Text5", nullptr, "Współczynnik γf,l"},
    {Form::Text, Where::Options, "Text6", nullptr, "Współczynnik γf,f CFRP"},
    {Form::Text, Where::Options, "Text7", nullptr, "Współczynnik γf,f AFRP"},
    {Form::Text, Where::Options, "Text8", nullptr, "Współczynnik γf,f GFRP"},
    {Form::YesNo, Where::Options, "Check1", nullptr, "Wydruk: Data/Godzina"},
    {Form::YesNo, Where::Options, "Check2", nullptr, "Wydruk: Dane użytkownika"},
    {Form::YesNo, Where::Options, "Check3", nullptr, "Wydruk: Projekt"},
    {Form::YesNo, Where::Options, "Check4", nullptr, "Tylko pożądane stany zniszczenia"},
}};

// No input file is anywhere near this size; a larger file is not read whole.
constexpr std::size_t kMaxFileBytes = 1 << 20;

const char* const kNotInputFile = "Wybrany plik nie jest plikiem danych programu Kordelan.";

Control& ControlOf(const Entry& e, const char* name) {
    Window& w = e.where == Where::Input ? static_cast<Window&>(frmData())
                                        : static_cast<Window&>(frmOptions());
    Control* c = w.Find(name);
    if (!c) throw std::logic_error(std::string("no control ") + name);
    return *c;
}

bool IsTicked(Control& c) {
    if (c.Kind() == ControlKind::CheckBox) return static_cast<CheckBox&>(c).Value() == 1;
    return static_cast<OptionButton&>(c).Value();
}

std::string Quoted(const std::string& s) {
    return "„" + s + "”";
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Lines of the file, without their CR LF or LF ends.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t length = end - start;
        if (length > 0 && text[end - 1] == '\r') --length;
        lines.emplace_back(text, start, length);
        start = end + 1;
    }
    return lines;
}

std::optional<bool> ParseYesNo(std::string_view s) {
    // Trimmed by moving the view's ends: a line may hold a megabyte of blanks.
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    s = s.substr(first, s.find_last_not_of(" \t") - first + 1);
    std::string word(s.substr(0, 8));
    if (word.size() != s.size()) return std::nullopt;
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (word == "#TRUE#") return true;
    if (word == "#FALSE#") return false;
    return std::nullopt;
}

// The first character of a text that the file cannot hold, in the code page or as a line end
// (which would move every later value to the wrong position); nullopt when it can be written.
std::optional<std::string> UnwritableCharacter(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos) return "¶";
    std::string bad;
    if (!Utf8ToCp1250(text, &bad)) return bad;
    return std::nullopt;
}

std::string UnwritableMessage(const Entry& e, const std::string& bad) {
    return "Pole " + Quoted(e.label) + " zawiera znak " + Quoted(bad) +
           ", którego nie można zapisać w pliku danych.";
}

}  // namespace

std::vector<InputValue> CollectInputValues() {
    std::vector<InputValue> values;
    for (const Entry& e : kEntries) {
        Control& c = ControlOf(e, e.control);
        if (e.form == Form::YesNo)
            values.push_back({true, "", IsTicked(c)});
        else
            values.push_back({false, c.Text(), false});
    }
    return values;
}

std::optional<std::string> EncodeInputFile(const std::vector<InputValue>& values,
                                           std::string* problem) {
    std::string out;
    for (std::size_t i = 0; i < values.size() && i < kEntries.size(); ++i) {
        const InputValue& v = values[i];
        if (v.isYesNo) {
            out += v.yes ? "#TRUE#" : "#FALSE#";
        } else {
            if (const auto bad = UnwritableCharacter(v.text)) {
                if (problem)
                    *problem = UnwritableMessage(kEntries[i], *bad) +
                               " Proszę go usunąć lub zastąpić innym.";
                return std::nullopt;
            }
            const std::optional<std::string> bytes = Utf8ToCp1250(v.text);
            out += "\"" + *bytes + "\"";
        }
        out += "\r\n";
    }
    return out;
}

std::optional<std::vector<InputValue>> ParseInputFile(const std::string& bytes,
                                                      std::string* problem) {
    // A file saved by a modern editor may be UTF-8 with its mark; every other file is the
    // system's own code page.
    static const std::string kBom = "\xEF\xBB\xBF";
    const std::string text =
        bytes.compare(0, kBom.size(), kBom) == 0 ? bytes.substr(kBom.size()) : Cp1250ToUtf8(bytes);
    const std::vector<std::string> lines = SplitLines(text);
    std::vector<InputValue> values;
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        if (i >= lines.size()) {
            if (problem)
                *problem = values.empty() ? kNotInputFile
                                          : "Plik danych jest niekompletny: zawiera " +
                                                std::to_string(values.size()) + " z " +
                                                std::to_string(kInputValueCount) + " wartości.";
            return std::nullopt;
        }
        const std::string& line = lines[i];
        const Entry& e = kEntries[i];
        if (e.form == Form::YesNo) {
            const std::optional<bool> yes = ParseYesNo(line);
            if (!yes) {
                if (problem) *problem = kNotInputFile;
                return std::nullopt;
            }
            values.push_back({true, "", *yes});
            continue;
        }
        const std::size_t first = line.find('"');
        const std::size_t last = line.rfind('"');
        if (first == std::string::npos || first == last) {
            if (problem) *problem = kNotInputFile;
            return std::nullopt;
        }
        std::string value = line.substr(first + 1, last - first - 1);
        // What is opened must save again: refused here rather than at the next "Zapisz".
        if (const auto bad = UnwritableCharacter(value)) {
            if (problem) *problem = "Plik danych: " + UnwritableMessage(e, *bad);
            return std::nullopt;
        }
        Control& c = ControlOf(e, e.control);
        if (c.Kind() == ControlKind::ComboBox) {
            const auto& items = static_cast<ComboBox&>(c).Items();
            if (std::find(items.begin(), items.end(), value) == items.end()) {
                if (problem)
                    *problem = "Plik danych zawiera pozycję " + Quoted(value) +
                               ", której nie ma na liście " + Quoted(e.label) + ".";
                return std::nullopt;
            }
        }
        values.push_back({false, std::move(value), false});
    }
    return values;
}

void ApplyInputValues(const std::vector<InputValue>& values) {
    FrmData& input = frmData();
    FrmOptions& options = frmOptions();
    // The warning about strips on a rectangular column speaks of the opened inputs, not of the
    // states on the way there.
    input.SetStripsWarningSuspended(true);
    for (std::size_t i = 0; i < values.size() && i < kEntries.size(); ++i) {
        const Entry& e = kEntries[i];
        const InputValue& v = values[i];
        Control& c = ControlOf(e, e.control);
        if (e.form == Form::YesNo) {
            if (c.Kind() == ControlKind::CheckBox)
                static_cast<CheckBox&>(c).SetValue(v.yes ? 1 : 0);
            else
                static_cast<OptionButton&>(v.yes ? c : ControlOf(e, e.partner)).SetValue(true);
        } else if (c.Kind() == ControlKind::ComboBox) {
            auto& list = static_cast<ComboBox&>(c);
            const auto& items = list.Items();
            list.SetListIndex(
                static_cast<int>(std::find(items.begin(), items.end(), v.text) - items.begin()));
        } else {
            c.SetText(v.text);
        }
        if (i == 2) {
            input.StatusBar1.SetPanelText(1, "Projekt: " + options.Text9.Text());
            input.StatusBar1.SetPanelText(2, "Autor: " + options.Text1.Text());
            input.StatusBar1.SetPanelText(3, "Firma: " + options.Text2.Text());
        }
    }
    input.SetStripsWarningSuspended(false);
}

bool SaveInputFile(const std::string& path) {
    std::string problem;
    const std::optional<std::string> bytes = EncodeInputFile(CollectInputValues(), &problem);
    if (!bytes) {
        Warn(problem, kWarningTitle);
        return false;
    }
    // Asked without an exception: a link loop or a folder that cannot be entered is a file
    // that cannot be written, not the end of the program.
    std::error_code ec;
    const bool existed = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    const WriteResult result = WriteFileAtomically(path, *bytes);
    if (!result.written) {
        std::string text = "Nie można zapisać pliku " + Quoted(FileName(path)) + ".";
        if (result.refusal != SaveRefusal::None) text += " " + RefusalText(result.refusal);
        if (!result.oldIntact)
            text += result.keptCopy.empty()
                        ? " Poprzedniej zawartości pliku nie udało się przywrócić."
                        : " Poprzednia zawartość pliku została zachowana w pliku " +
                              Quoted(result.keptCopy) + ".";
        else if (existed)
            text += " Poprzednia zawartość pliku pozostała bez zmian.";
        Warn(text, kWarningTitle);
        return false;
    }
    return true;
}

bool OpenInputFile(const std::string& path) {
    const FileHead head = ReadFileHead(path, kMaxFileBytes);
    if (head.status != FileHead::Status::Read) {
        Warn("Nie można odczytać pliku " + Quoted(FileName(path)) + "." +
                 (head.status == FileHead::Status::NotAFile ? " To nie jest zwykły plik." : ""),
             kWarningTitle);
        return false;
    }
    std::string problem;
    const auto values = ParseInputFile(head.bytes, &problem);
    if (!values) {
        // Whatever the head lacks, the file it was cut from is far larger than an input file.
        if (head.cut)
            problem = "Plik jest zbyt duży, aby był plikiem danych programu Kordelan (ponad " +
                      std::to_string(kMaxFileBytes / (1 << 20)) + " MB).";
        Warn(problem + " Plik: " + Quoted(FileName(path)) + ". Dane nie zostały zmienione.",
             kWarningTitle);
        return false;
    }
    ApplyInputValues(*values);
    return true;
}

namespace {
FileDialogRequest Request(bool save) {
    FileDialogRequest r;
    r.save = save;
    r.initialDir = DataFolder();
    r.filters = {{"Input Files (*.inp)", "*.inp"}, {"All Files (*)", "*"}};
    return r;
}
}  // namespace

void SaveInputFileAs() {
    if (const auto path = TheHost().FileDialog(Request(true))) SaveInputFile(*path);
}

void OpenInputFileChosen() {
    if (const auto path = TheHost().FileDialog(Request(false))) OpenInputFile(*path);
}

}  // namespace kord

#pragma once
// The input file: the 69 values of the input and options windows, one per line, CR LF after each,
// windows-1250, texts in double quotes exactly as typed, yes/no values as #TRUE# / #FALSE#.

#include <optional>
#include <string>
#include <vector>

namespace kord {

// One value as it stands in the file: a text, or a yes/no.
struct InputValue {
    bool isYesNo = false;
    std::string text;  // UTF-8
    bool yes = false;
    bool operator==(const InputValue&) const = default;
};

inline constexpr int kInputValueCount = 69;

// The 69 values as the windows hold them now.
std::vector<InputValue> CollectInputValues();
// The file's bytes; nullopt with a message for the user when a text cannot be written.
std::optional<std::string> EncodeInputFile(const std::vector<InputValue>& values,
                                           std::string* problem);
// The 69 values of a file's bytes, all checked (forms, list entries); nullopt with a message.
std::optional<std::vector<InputValue>> ParseInputFile(const std::string& bytes,
                                                      std::string* problem);
// Puts checked values into the windows, through the same rules as the user's clicks.
void ApplyInputValues(const std::vector<InputValue>& values);

// "Zapisz" and "Otwórz" after the dialog: write or read the named file; problems are shown.
bool SaveInputFile(const std::string& path);
bool OpenInputFile(const std::string& path);

// The dialogs of "Zapisz" and "Otwórz", then the file.
void SaveInputFileAs();
void OpenInputFileChosen();

}  // namespace kord

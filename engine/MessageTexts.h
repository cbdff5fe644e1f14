#pragma once
// The texts that more than one design or window shows, written once. A text shown in one place
// only stays with the code that shows it.

namespace kord {

// The title of every warning; the dimensioning and anchorage buttons write it without a blank.
inline constexpr const char* kWarningTitle = "Uwaga !!!";
inline constexpr const char* kTightWarningTitle = "Uwaga!!!";

// A field that holds no number, and the head of a range message ("… 0,05 a 2,00 m.").
inline constexpr const char* kNotNumberMessage = "Proszę wpisać wartość liczbową.";
inline constexpr const char* kRangeHead = "Proszę wpisać wartość pomiędzy ";

inline constexpr const char* kEmptyFieldsMessage =
    "Zostały niewypełnione pola. Proszę je wypełnić, wpisując żądane wartości.";
inline constexpr const char* kNoMeanStrengthMessage =
    "Proszę podać średnią wytrzymałość betonu w jednoosiowym stanie naprężenia fcm lub klasę "
    "betonu.";
inline constexpr const char* kDepthsTooLargeMessage =
    "Zbyt duża wartość d11, d12 lub d2. Proszę podać wartość prawidłową.";
inline constexpr const char* kStripsOverlapMessage =
    "Szerokość taśm wzmacniających bf przekracza ich rozstaw osiowy sf (taśmy na siebie "
    "zachodzą). Proszę zmniejszyć szerokość taśm lub zwiększyć ich rozstaw.";
// The head of the refusals of a strain state at bonding that cannot be found.
inline constexpr const char* kNoInitialStateHead =
    "Odkształcenia profilu poprzecznego podczas wzmacniania nie mogą być poprawnie policzone. "
    "Rozwiązaniem problemu jest podanie innej wartości ";

// The closing requests of the refusals of a requirement that is too high or too low.
inline constexpr const char* kAskLower =
    "Proszę skorygować obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";
inline constexpr const char* kAskHigher =
    "Proszę podać wyższą wartość wymaganej wielkości albo wzmocnienie nie będzie konieczne.";

}  // namespace kord

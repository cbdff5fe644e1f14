#pragma once
// The program's UTF-8 text as a Qt string, for the code that hands texts to Qt.

#include <QString>
#include <string>

namespace kord {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace kord

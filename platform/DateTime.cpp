#include "platform/DateTime.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace kord {

std::string CurrentDateText() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string CurrentTimeText() {
    // The long form without its time zone ('t' outside quoted literals).
    const QString longFormat = QLocale::system().timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : longFormat) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) format += c;
    }
    return QLocale::system().toString(QTime::currentTime(), format.trimmed()).toStdString();
}

}  // namespace kord

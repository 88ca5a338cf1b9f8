#pragma once

// Lets GoogleTest print Qt strings and colors readably in failure messages; every test file gets
// this header through the compiler's -include option.
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toPercentEncoding(" !#$&'()*+,/:;=?@[]{}<>|~").toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0)
            *out << ", ";
        PrintTo(list[i], out);
    }
    *out << '}';
}

inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << color.name(QColor::HexArgb).toStdString();
}

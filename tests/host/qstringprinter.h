// Failed comparisons of Qt texts print the texts, not their bytes.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '\n';
    for (const QString& text : texts)
        *out << "  " << text.toStdString() << '\n';
}

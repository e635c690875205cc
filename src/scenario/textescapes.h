// Escapes of scenario texts: \" \\ \t \r \n \xHH, read in scripts and written in transcripts.
#pragma once

#include <QString>
#include <optional>

namespace scenario {

class TextEscapes {
public:
    // Reads the escape starting at the backslash text[pos]; returns its character and sets pos past
    // it, or nullopt for an unknown or incomplete escape.
    static std::optional<QChar> read(const QString& text, qsizetype& pos);
    // Replaces every escape of the text; nullopt when one is not valid.
    static std::optional<QString> unescape(const QString& text);
    // The text with backslashes, control characters and, when asked, double quotes escaped.
    static QString escape(const QString& text, bool quotes = true);
    // The text escaped and enclosed in double quotes.
    static QString quoted(const QString& text);
};

} // namespace scenario

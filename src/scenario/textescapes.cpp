// Reading and writing escaped texts.
#include "textescapes.h"

namespace scenario {

namespace {

bool isHexDigit(QChar character) {
    const char16_t code = character.toLower().unicode();
    return (code >= u'0' && code <= u'9') || (code >= u'a' && code <= u'f');
}

// The character of a one-letter escape, or 0.
char16_t plainEscape(QChar kind) {
    switch (kind.unicode()) {
    case u'"':
        return u'"';
    case u'\\':
        return u'\\';
    case u't':
        return u'\t';
    case u'r':
        return u'\r';
    case u'n':
        return u'\n';
    default:
        return 0;
    }
}

} // namespace

std::optional<QChar> TextEscapes::read(const QString& text, qsizetype& pos) {
    if (pos + 1 >= text.size()) return std::nullopt;
    if (const char16_t plain = plainEscape(text[pos + 1])) {
        pos += 2;
        return QChar(plain);
    }
    if (text[pos + 1] != u'x' || pos + 3 >= text.size() || !isHexDigit(text[pos + 2]) ||
        !isHexDigit(text[pos + 3]))
        return std::nullopt;
    const QChar character(text.mid(pos + 2, 2).toUShort(nullptr, 16));
    pos += 4;
    return character;
}

std::optional<QString> TextEscapes::unescape(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype pos = 0; pos < text.size();) {
        if (text[pos] != u'\\') {
            result += text[pos++];
            continue;
        }
        const std::optional<QChar> character = read(text, pos);
        if (!character) return std::nullopt;
        result += *character;
    }
    return result;
}

QString TextEscapes::escape(const QString& text, bool quotes) {
    QString result;
    result.reserve(text.size());
    for (QChar character : text) {
        const char16_t code = character.unicode();
        if (code == u'\\')
            result += QStringLiteral("\\\\");
        else if (code == u'"' && quotes)
            result += QStringLiteral("\\\"");
        else if (code == u'\t')
            result += QStringLiteral("\\t");
        else if (code == u'\r')
            result += QStringLiteral("\\r");
        else if (code == u'\n')
            result += QStringLiteral("\\n");
        else if (code < 0x20 || code == 0x7F)
            result += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            result += character;
    }
    return result;
}

QString TextEscapes::quoted(const QString& text) {
    return QLatin1Char('"') + escape(text) + QLatin1Char('"');
}

} // namespace scenario

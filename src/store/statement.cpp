// Filling the named places of a statement text.
#include "statement.h"

#include "platform/core/runtimeerror.h"

namespace store {

namespace {

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

const QString& valueOf(QStringView name, std::initializer_list<StatementValue> values) {
    for (const StatementValue& value : values)
        if (value.first == name) return value.second;
    throw core::RuntimeError(core::err::InvalidCall,
                             QStringLiteral("No value for :%1 in the statement").arg(name));
}

} // namespace

// A colon not followed by a letter or an underscore, as in a time, stays as it is.
QString statement(const QString& text, std::initializer_list<StatementValue> values) {
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool startsName =
            text[i] == u':' && i + 1 < text.size() && (text[i + 1].isLetter() || text[i + 1] == u'_');
        if (!startsName) {
            filled += text[i];
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        filled += valueOf(QStringView(text).sliced(i + 1, end - i - 1), values);
        i = end - 1;
    }
    return filled;
}

} // namespace store

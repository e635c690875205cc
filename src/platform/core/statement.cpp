// Filling the named places of a statement text.
#include "statement.h"

#include "platform/core/runtimeerror.h"

namespace core {

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

// A colon not followed by a letter or an underscore, as in a time, stays as it is. The text between named
// places is copied a run at a time.
QString statement(const QString& text, std::initializer_list<StatementValue> values) {
    QString filled;
    filled.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = text.indexOf(u':'); i >= 0; i = text.indexOf(u':', i + 1)) {
        if (i + 1 >= text.size() || !(text[i + 1].isLetter() || text[i + 1] == u'_')) continue;
        qsizetype end = i + 1;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        filled += QStringView(text).sliced(copied, i - copied);
        filled += valueOf(QStringView(text).sliced(i + 1, end - i - 1), values);
        copied = end;
        i = end - 1;
    }
    filled += QStringView(text).sliced(copied);
    return filled;
}

} // namespace core

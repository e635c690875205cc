// SQLite implementations of the dialect's functions on top of the server's rules.
#include "sqlitefunctions.h"

#include "platform/ado/dialect/datetext.h"
#include "platform/ado/dialect/servervalues.h"
#include "sqliteerror.h"
#include "sqliterewriter.h"

#include <sqlite3.h>

namespace ado::sqlite {

namespace {

bool isNull(sqlite3_value* value) {
    return sqlite3_value_type(value) == SQLITE_NULL;
}

QString textOf(sqlite3_value* value) {
    auto text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void resultText(sqlite3_context* context, const QString& text) {
    QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QDateTime dateOf(sqlite3_value* value) {
    auto date =
        sqlite3_value_type(value) == SQLITE_TEXT ? dialect::parseDateText(textOf(value)) : std::nullopt;
    if (!date)
        throw dialect::ValueError(
            QStringLiteral("Conversion failed when converting date and/or time from character string."));
    return *date;
}

dialect::DatePart partOf(sqlite3_value* value) {
    QString name = textOf(value);
    auto part = dialect::datePartNamed(name);
    if (!part) throw dialect::ValueError(QStringLiteral("'%1' is not a recognized date part.").arg(name));
    return *part;
}

// Runs a function body; a value the server refuses becomes the statement's error.
template <typename Body> void guarded(sqlite3_context* context, Body body) {
    try {
        body();
    } catch (const dialect::ValueError& error) {
        sqlite3_result_error(context, error.what(), -1);
    }
}

void isNullFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_result_value(context, argv[isNull(argv[0]) ? 1 : 0]);
}

void lenFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (!isNull(argv[0])) sqlite3_result_int64(context, dialect::trimmedLength(textOf(argv[0])));
}

void rightFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (isNull(argv[0]) || isNull(argv[1])) return;
    guarded(context,
            [&] { resultText(context, dialect::rightPart(textOf(argv[0]), sqlite3_value_int64(argv[1]))); });
}

void isNumericFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    int type = sqlite3_value_type(argv[0]);
    bool numeric = type == SQLITE_INTEGER || type == SQLITE_FLOAT ||
                   (type == SQLITE_TEXT && dialect::isNumericText(textOf(argv[0])));
    sqlite3_result_int(context, numeric ? 1 : 0);
}

void toIntFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_value* value = argv[0];
    if (isNull(value)) return;
    guarded(context, [&] {
        int type = sqlite3_value_type(value);
        qint32 result = type == SQLITE_INTEGER || type == SQLITE_FLOAT
                            ? dialect::convertToInt(sqlite3_value_double(value))
                            : dialect::convertToInt(textOf(value));
        sqlite3_result_int(context, result);
    });
}

void dateDiffFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    guarded(context, [&] {
        dialect::DatePart part = partOf(argv[0]);
        if (isNull(argv[1]) || isNull(argv[2])) return;
        sqlite3_result_int64(context, dialect::dateDifference(part, dateOf(argv[1]), dateOf(argv[2])));
    });
}

void dateAddFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    guarded(context, [&] {
        dialect::DatePart part = partOf(argv[0]);
        if (isNull(argv[1]) || isNull(argv[2])) return;
        QDateTime moved = dialect::dateAdded(part, sqlite3_value_int64(argv[1]), dateOf(argv[2]));
        resultText(context, dialect::canonicalDateText(moved));
    });
}

int collationCallback(void*, int leftLength, const void* left, int rightLength, const void* right) {
    return compareIgnoringCase(leftLength, left, rightLength, right);
}

int trimmedLength(int length, const char* text) {
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

void addFunction(sqlite3* db, const char* name, int arguments,
                 void (*function)(sqlite3_context*, int, sqlite3_value**)) {
    int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc =
        sqlite3_create_function_v2(db, name, arguments, flags, nullptr, function, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) raiseEngineError(db, rc, Stage::Run);
}

} // namespace

int compareIgnoringCase(int leftLength, const void* left, int rightLength, const void* right) {
    auto a = static_cast<const char*>(left);
    auto b = static_cast<const char*>(right);
    leftLength = trimmedLength(leftLength, a);
    rightLength = trimmedLength(rightLength, b);
    int common = std::min(leftLength, rightLength);
    int i = 0;
    for (; i < common && (a[i] & 0x80) == 0 && (b[i] & 0x80) == 0; ++i) {
        char x = foldAscii(a[i]), y = foldAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i == common) return leftLength == rightLength ? 0 : (leftLength < rightLength ? -1 : 1);
    // Past the plain ASCII prefix: fold the rest through Unicode case folding.
    QString restA = QString::fromUtf8(a + i, leftLength - i),
            restB = QString::fromUtf8(b + i, rightLength - i);
    return restA.compare(restB, Qt::CaseInsensitive);
}

void registerDialect(sqlite3* db) {
    namespace name = fn;
    addFunction(db, name::isNull, 2, isNullFunction);
    addFunction(db, name::len, 1, lenFunction);
    addFunction(db, name::right, 2, rightFunction);
    addFunction(db, name::isNumeric, 1, isNumericFunction);
    addFunction(db, name::toInt, 1, toIntFunction);
    addFunction(db, name::dateDiff, 3, dateDiffFunction);
    addFunction(db, name::dateAdd, 3, dateAddFunction);
    int rc = sqlite3_create_collation_v2(db, textCollation, SQLITE_UTF8, nullptr, collationCallback, nullptr);
    if (rc != SQLITE_OK) raiseEngineError(db, rc, Stage::Run);
}

} // namespace ado::sqlite

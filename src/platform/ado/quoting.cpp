// Literals and quoted names.
#include "quoting.h"

namespace ado {

namespace {

QString enclosed(const QString& text, QChar mark) {
    return mark + QString(text).replace(mark, QString(2, mark)) + mark;
}

} // namespace

QString quoted(const QString& text) {
    return enclosed(text, u'\'');
}

QString quotedName(const QString& name) {
    return enclosed(name, u'"');
}

} // namespace ado

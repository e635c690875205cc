// Standard descriptions of the runtime's error numbers.
#include "runtimeerror.h"

#include <map>

namespace core {

RuntimeError::RuntimeError(qint64 number, const QString& description, const QString& source)
    : std::runtime_error(description.toStdString()), number_(number), source_(source),
      description_(description) {}

RuntimeError RuntimeError::of(qint64 number) {
    return RuntimeError(number, standardDescription(number));
}

QString standardDescription(qint64 number) {
    static const std::map<qint64, const char*> texts = {
        {err::InvalidCall, "Invalid procedure call or argument"},
        {err::Overflow, "Overflow"},
        {err::SubscriptOutOfRange, "Subscript out of range"},
        {err::DivisionByZero, "Division by zero"},
        {err::TypeMismatch, "Type mismatch"},
        {err::BadFileName, "Bad file name or number"},
        {err::FileNotFound, "File not found"},
        {err::InputPastEnd, "Input past end of file"},
        {err::PathAccess, "Path/File access error"},
        {err::ObjectNotSet, "Object variable or With block variable not set"},
        {err::InvalidUseOfNull, "Invalid use of Null"},
        {err::NoCurrentRecord,
         "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
         "requires a current record."},
        {err::ItemNotFound, "Item cannot be found in the collection corresponding to the requested name or "
                            "ordinal."},
        {err::ObjectClosed, "Operation is not allowed when the object is closed."},
    };
    auto found = texts.find(number);
    return found == texts.end() ? QStringLiteral("Application-defined or object-defined error")
                                : QString::fromLatin1(found->second);
}

} // namespace core

// The run-time error every platform layer and conversion throws: number, source and description.
#pragma once

#include <QString>
#include <stdexcept>

namespace core {

// Source of errors raised by the module's own code.
inline const QString componentName = QStringLiteral("k8tr4072");

// Error numbers as the host's runtime numbers them.
namespace err {
constexpr qint64 InvalidCall = 5;
constexpr qint64 Overflow = 6;
constexpr qint64 SubscriptOutOfRange = 9;
constexpr qint64 DivisionByZero = 11;
constexpr qint64 TypeMismatch = 13;
constexpr qint64 BadFileName = 52;
constexpr qint64 FileNotFound = 53;
constexpr qint64 InputPastEnd = 62;
constexpr qint64 PathAccess = 75;
constexpr qint64 ObjectNotSet = 91;
constexpr qint64 InvalidUseOfNull = 94;
constexpr qint64 NoCurrentRecord = 3021;
constexpr qint64 ItemNotFound = 3265;
constexpr qint64 ObjectClosed = 3704;
constexpr qint64 DbStatementRejected = -2147217900;
constexpr qint64 DbConstraintViolation = -2147217873;
constexpr qint64 DbTimeout = -2147217871;
constexpr qint64 DbFailure = -2147467259;
} // namespace err

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(qint64 number, const QString& description, const QString& source = componentName);

    // An error with the runtime's standard description for its number.
    static RuntimeError of(qint64 number);

    qint64 number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    qint64 number_;
    QString source_;
    QString description_;
};

// The runtime's standard description of an error number ("Type mismatch", ...).
QString standardDescription(qint64 number);

} // namespace core

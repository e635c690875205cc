// The members of the suite's six service classes that the module calls.
#pragma once

#include "platform/ado/connection.h"
#include "serviceobject.h"

#include <QDateTime>
#include <QVariant>

namespace forms {
class ComboBox;
class TextBox;
class Form;
class Grid;
class TabControl;
} // namespace forms

namespace suite {

// Single-field look-ups and combo filling over a table expression: a table, optionally with a where clause,
// given with each call.
class ClsCommonDb : public ServiceObject {
public:
    ado::ConnectionPtr adocon;
    // The field of the first row meeting the condition; an empty text when no row or a null.
    virtual QVariant fnreturnfield(const QString& table, const QString& field,
                                   const QString& condition = QString()) = 0;
    virtual void populatecomboorlist(forms::ComboBox& combo, const QString& table, const QString& idField,
                                     const QString& textField, const QString& condition = QString()) = 0;
};

class ClsCommonGen : public ServiceObject {
public:
    // Selects the item whose item data equals value (its Click runs); nothing changes when none does.
    virtual void SelectComboItemByValue(forms::ComboBox& combo, qint32 value) = 0;
    // Filters one key typed into a numeric box: digits and separators, at most `limit` characters and
    // `decimals` digits after the point; the locale's decimal separator types the point, Backspace and
    // Enter pass. Rejects by setting keyAscii to 0, with a beep.
    virtual void textvalidatenum(forms::TextBox& box, int& keyAscii, int limit, int decimals) = 0;
};

class ErrorDetails : public ServiceObject {
public:
    // Where the error log is kept; set by whoever creates the object.
    ado::ConnectionPtr adocon;
    virtual bool ErrorTrack(const QString& moduleName, const QString& userName, const QString& procedureName,
                            qint64 errorNumber, const QString& errorSource, const QString& errorDescription,
                            const QString& mode, bool showMessage) = 0;
};

class ClsFormcolor : public ServiceObject {
public:
    ado::ConnectionPtr adocon;
    virtual void Applyformcolor(forms::Form& form) = 0;
    virtual void Applytabcolor(forms::TabControl& tabs) = 0;
};

class ClsUserAuditing : public ServiceObject {
public:
    QDateTime LoggedTime;
    virtual void OpenObject(ado::ConnectionPtr& connection, qint32 companyId, qint32 shopId, qint32 userId,
                            qint32 interfaceId, const QDateTime& now) = 0;
    virtual void SaveInToTag(forms::Form& form) = 0;
    virtual bool DataChanged(forms::Form& form) = 0;
    virtual void SaveUserAuditingInfo(const QString& documentId, const QString& documentNo, bool saved,
                                      const QString& mode, forms::Form* form = nullptr) = 0;
};

class ClsMasterGridSetting : public ServiceObject {
public:
    virtual void fnGridSettings(qint16 userId, qint16 companyId, forms::Grid& grid,
                                ado::ConnectionPtr& connection) = 0;
};

} // namespace suite

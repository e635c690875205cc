// Audit rows in aUserAuditing; snapshots of the values a window's controls hold.
#include "userauditing.h"

#include "platform/ado/recordset.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace suite {

void UserAuditing::OpenObject(ado::ConnectionPtr& connection, qint32 companyId, qint32 shopId, qint32 userId,
                              qint32 interfaceId, const QDateTime& now) {
    connection_ = connection;
    companyId_ = companyId;
    shopId_ = shopId;
    userId_ = userId;
    interfaceId_ = interfaceId;
    openedTime_ = now;
    LoggedTime = now;
}

// The value a user can change in each control; labels and buttons carry none.
UserAuditing::Snapshot UserAuditing::snapshotOf(const forms::Form& form) {
    static const QHash<forms::ControlKind, QString> valueProperty = {
        {forms::ControlKind::TextBox, QStringLiteral("text")},
        {forms::ControlKind::ComboBox, QStringLiteral("listindex")},
        {forms::ControlKind::OptionButton, QStringLiteral("value")},
        {forms::ControlKind::CheckBox, QStringLiteral("value")},
        {forms::ControlKind::DatePicker, QStringLiteral("value")},
        {forms::ControlKind::ListView, QStringLiteral("count")},
    };
    Snapshot snapshot;
    for (const forms::Control* control : form.controls()) {
        const auto property = valueProperty.find(control->kind());
        if (property != valueProperty.end()) snapshot.insert(control->name(), control->property(*property));
    }
    return snapshot;
}

void UserAuditing::SaveInToTag(forms::Form& form) {
    snapshots_[form.name()] = snapshotOf(form);
}

bool UserAuditing::DataChanged(forms::Form& form) {
    const auto saved = snapshots_.find(form.name());
    return saved == snapshots_.end() || *saved != snapshotOf(form);
}

QString UserAuditing::describeChanges(const Snapshot& before, const Snapshot& after) {
    QStringList changes;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key()) != it.value()) changes << it.key() + QLatin1Char('=') + it.value();
    changes.sort();
    return changes.join(QLatin1Char(';'));
}

void UserAuditing::SaveUserAuditingInfo(const QString& documentId, const QString& documentNo, bool saved,
                                        const QString& mode, forms::Form* form) {
    if (!connection_) throw core::RuntimeError::of(core::err::ObjectNotSet);
    ado::Recordset rs;
    rs.open(QStringLiteral("select * from aUserAuditing where 1=0"), connection_);
    rs.addNew();
    rs.setField(QStringLiteral("companyid"), companyId_);
    rs.setField(QStringLiteral("shopid"), shopId_);
    rs.setField(QStringLiteral("userid"), userId_);
    rs.setField(QStringLiteral("interfaceid"), interfaceId_);
    rs.setField(QStringLiteral("openedtime"), openedTime_);
    rs.setField(QStringLiteral("loggedtime"), LoggedTime);
    rs.setField(QStringLiteral("savedtime"), QDateTime::currentDateTime());
    rs.setField(QStringLiteral("documentid"), documentId);
    rs.setField(QStringLiteral("documentno"), documentNo);
    rs.setField(QStringLiteral("mode"), saved ? mode : mode + QStringLiteral(" (not saved)"));
    if (form)
        rs.setField(QStringLiteral("details"),
                    describeChanges(snapshots_.value(form->name()), snapshotOf(*form)));
    rs.update();
    rs.close();
}

} // namespace suite

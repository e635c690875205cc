// The user audit trail and the change detection of entry windows.
#pragma once

#include "servicesinterfaces.h"

#include <QHash>

namespace suite {

class UserAuditing : public ClsUserAuditing {
public:
    void OpenObject(ado::ConnectionPtr& connection, qint32 companyId, qint32 shopId, qint32 userId,
                    qint32 interfaceId, const QDateTime& now) override;
    void SaveInToTag(forms::Form& form) override;
    bool DataChanged(forms::Form& form) override;
    void SaveUserAuditingInfo(const QString& documentId, const QString& documentNo, bool saved,
                              const QString& mode, forms::Form* form = nullptr) override;

private:
    using Snapshot = QHash<QString, QString>;
    static Snapshot snapshotOf(const forms::Form& form);
    static QString describeChanges(const Snapshot& before, const Snapshot& after);

    ado::ConnectionPtr connection_;
    qint32 companyId_ = 0, shopId_ = 0, userId_ = 0, interfaceId_ = 0;
    QDateTime openedTime_;
    QHash<QString, Snapshot> snapshots_;
};

} // namespace suite

// A fresh database with the full schema in a temporary folder, for tests of the layers above ado.
#pragma once

#include "platform/ado/connection.h"

#include <QTemporaryDir>

namespace testing_support {

class TestDatabase {
public:
    TestDatabase();
    const ado::ConnectionPtr& connection() const { return connection_; }
    QString folder() const { return dir_.path(); }
    // The first column of the first row as text; an empty text for no row or null.
    QString scalar(const QString& sql) const;
    void execute(const QString& sql) const { connection_->execute(sql); }

private:
    QTemporaryDir dir_;
    ado::ConnectionPtr connection_;
};

} // namespace testing_support

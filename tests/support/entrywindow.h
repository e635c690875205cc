// The shop most tests start from, and the entry window on it as a user reaches it, New in the register.
#pragma once

#include "component/clsreceiptsshop.h"
#include "entry/frmreceiptshop.h"
#include "recordingbackend.h"
#include "testdatabase.h"
#include "windowcontrols.h"

#include <QVariant>
#include <functional>
#include <gtest/gtest.h>

namespace testing_support {

// The shop and process date of the scenarios' shared/shop.scn: books in Rufiyaa (1, rate 15.42), US Dollars
// (2, rate 1) the cash group, shop 1 with a bank rate, user 1 "ahmed", customer 1 "Abc Ltd" in Rufiyaa, 10
// March 2024; the session of testsession.h in financial year 1. Its shopsetting.txt asks before printing.
// The database is an SQLite file unless the test names the server. The component is ready to Show; what
// the module's windows do when they open is for the test to say (ui.backend.onModal).
class TestShop {
public:
    explicit TestShop(Engine engine = Engine::Sqlite);

    void sql(const QString& statement) const { database.execute(statement); }
    QString scalar(const QString& query) const { return database.scalar(query); }

    TestDatabase database;
    RecordingBackend ui;
    component::clsReceiptsShop component;
};

// The test shop's entry window, opened by New in its register.
class EntryWindowTest : public ::testing::Test, protected TestShop {
public:
    // Picks the item whose text starts with the given text, as a user does.
    static void pick(forms::ComboBox& combo, const QString& startOfText);

protected:
    explicit EntryWindowTest(Engine engine = Engine::Sqlite);
    void SetUp() override { database.requireConnection(); }

    // Opens the register, presses New and runs act in the entry window. A window still open afterwards
    // closes without its close check, then the register closes.
    void inEntry(const std::function<void(EntryControls&)>& act);
    // Runs for each modal window the entry window opens (the settle dialog), which must close by then.
    std::function<void(forms::Form&)> inDialog;

private:
    void onModal(forms::Form& form);
    std::function<void(EntryControls&)> act_;
};

// What a call returns as text, or "error N" for the run-time error it fails with.
QString outcome(const std::function<QString()>& call);
inline QString failsWith(qint64 errorNumber) {
    return QStringLiteral("error %1").arg(errorNumber);
}

// The text with %1, %2, ... replaced by the values.
template <typename... Values> QString filled(const char* text, const Values&... values) {
    return QString::fromUtf8(text).arg(QVariant(values).toString()...);
}

} // namespace testing_support

using testing_support::filled;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << texts.join(QStringLiteral(" / ")).toStdString();
}

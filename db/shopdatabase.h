// Setting up the shop database: the schema, the demo data set and bulk data for benchmarks.
#pragma once

#include "platform/ado/connection.h"

#include <QDate>

namespace db {

// Creates every table, view, trigger and stored procedure of the shop database with the catalogue rows
// the register needs, and what upgradeDatabase makes. Harmless on a database that already has them.
void createSchema(const ado::ConnectionPtr& connection);
void createSchema(ado::Connection& connection);

// Whether the database already holds the shop's tables (a database set up by createSchema).
bool hasSchema(const ado::ConnectionPtr& connection);

// Fills a new schema with the demo data set. Its dates count back from `today`, so the register always
// shows recent receipts.
void loadDemo(const ado::ConnectionPtr& connection, const QDate& today = QDate::currentDate());
void loadDemo(ado::Connection& connection, const QDate& today = QDate::currentDate());

// Adds, in one transaction, `customers` new customers of the shop with `documentsPerCustomer` documents
// each and `receipts` receipts spread over the 365 days up to `today`; a missing shop is created in
// company 1 with a register window covering every receipt. Needs at least one customer when receipts are
// asked for. No statement time-out applies meanwhile.
void generateLargeDataSet(const ado::ConnectionPtr& connection, int shopId, int receipts, int customers,
                          int documentsPerCustomer, const QDate& today = QDate::currentDate());

} // namespace db

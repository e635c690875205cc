// Looking up, preparing and reusing the statements of a connection's query shapes.
#include "sqlitestatementcache.h"

#include "platform/core/runtimeerror.h"
#include "sqliteerror.h"
#include "sqlitestatement.h"

#include <QCoreApplication>
#include <mutex>
#include <set>

namespace ado::sqlite {

namespace {

struct LiveCaches {
    std::mutex mutex;
    std::set<StatementCache*> caches;
    bool finalizedWithTheApplication = false;
};

// Never destroyed: a connection a static object holds may close after static destruction began.
LiveCaches& liveCaches() {
    static auto* live = new LiveCaches;
    return *live;
}

void finalizeLiveCaches() {
    LiveCaches& live = liveCaches();
    std::lock_guard lock(live.mutex);
    for (StatementCache* cache : live.caches)
        cache->finalizeAll();
    live.finalizedWithTheApplication = false;
}

} // namespace

StatementCache::StatementCache(sqlite3* db) : db_(db) {
    LiveCaches& live = liveCaches();
    std::lock_guard lock(live.mutex);
    live.caches.insert(this);
    if (!live.finalizedWithTheApplication) qAddPostRoutine(finalizeLiveCaches);
    live.finalizedWithTheApplication = true;
}

StatementCache::~StatementCache() {
    LiveCaches& live = liveCaches();
    std::lock_guard lock(live.mutex);
    live.caches.erase(this);
}

std::shared_ptr<Statement> StatementCache::prepare(const QString& sql) {
    QByteArray utf8 = sql.toUtf8();
    const char* tail = utf8.constData();
    auto statement = std::make_shared<Statement>(db_, tail, tail + utf8.size());
    if (statement->isEmpty())
        raiseDriverError(core::err::DbStatementRejected, QStringLiteral("no statement to run"));
    std::erase_if(prepared_, [](const auto& weak) { return weak.expired(); });
    prepared_.push_back(statement);
    return statement;
}

StatementCache::Shape& StatementCache::shape(const QString& key, const std::function<QString()>& translate) {
    return shapes_.shape(key, [&] { return Shape{translate(), true, nullptr}; });
}

std::shared_ptr<Statement> StatementCache::statementOf(Shape& shape) {
    if (!shape.statement) {
        shape.statement = prepare(shape.translated);
        return shape.statement;
    }
    if (shape.statement.use_count() > 1) return prepare(shape.translated);
    shape.statement->reset();
    return shape.statement;
}

void StatementCache::clear() {
    shapes_.clear();
}

void StatementCache::finalizeAll() {
    for (auto& weak : prepared_)
        if (auto statement = weak.lock()) statement->finalize();
    prepared_.clear();
    clear();
}

} // namespace ado::sqlite

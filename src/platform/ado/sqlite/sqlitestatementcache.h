// The translations and prepared statements of the queries a connection runs, kept per statement shape.
#pragma once

#include "platform/ado/dialect/shapecache.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;

namespace ado::sqlite {

class Statement;

// A bounded cache, the least recently used shape leaving first. Dropping a shape only lets go of its
// statement: a cursor still reading it keeps it until the cursor goes.
//
// QtSql closes a connection still open when the program ends, after the application object has gone,
// and the engine refuses to close (and so keeps its memory) while a statement is prepared: a session
// may hold its connection that long. So every cache's statements are finalized when the application
// object goes; a connection still used after that prepares its statements again.
class StatementCache {
public:
    explicit StatementCache(sqlite3* db);
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // What the cache keeps of one shape: its engine text and its prepared statement, if any yet.
    struct Shape {
        QString translated;
        // False once the shape's lifted literals showed in its result columns' names: its statements are
        // then run with their literals, uncached.
        bool lifts = true;
        std::shared_ptr<Statement> statement;
    };

    // The shape with this key, translated by `translate` when the cache does not hold it.
    Shape& shape(const QString& key, const std::function<QString()>& translate);
    // The shape's statement, reset, when no cursor is reading it; otherwise one prepared afresh that
    // the cache does not keep, so that two cursors never step one statement.
    std::shared_ptr<Statement> statementOf(Shape& shape);
    // Prepares the first statement of the text (error when it holds none), to be finalized by
    // finalizeAll() if still alive then.
    std::shared_ptr<Statement> prepare(const QString& sql);
    // Forgets every shape.
    void clear();
    // Finalizes every statement prepared here that is still alive: the connection is closing.
    void finalizeAll();

private:
    sqlite3* db_;
    dialect::ShapeCache<Shape> shapes_;
    std::vector<std::weak_ptr<Statement>> prepared_;
};

} // namespace ado::sqlite

// What a connection keeps of the statements it runs again and again, by their shape (see liftLiterals),
// their text or the table and columns a row goes into.
#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <list>
#include <utility>

namespace ado::dialect {

// A bounded map from a shape to what a driver keeps of it (its translation, its prepared statement), the
// least recently used shape leaving first. `dropped` hears of every shape that leaves, so that a driver can
// let go of what the engine holds for it.
template <typename Shape> class ShapeCache {
public:
    explicit ShapeCache(std::function<void(Shape&)> dropped = {}) : dropped_(std::move(dropped)) {}

    // The shape with this key, made by `make` when the cache does not hold it.
    Shape& shape(const QString& key, const std::function<Shape()>& make) {
        auto found = byKey_.constFind(key);
        if (found != byKey_.constEnd()) {
            shapes_.splice(shapes_.begin(), shapes_, *found);
            return shapes_.front().second;
        }
        Shape made = make();
        if (shapes_.size() >= capacity) drop(std::prev(shapes_.end()));
        shapes_.emplace_front(key, std::move(made));
        byKey_.insert(key, shapes_.begin());
        return shapes_.front().second;
    }

    // Forgets every shape.
    void clear() {
        while (!shapes_.empty())
            drop(shapes_.begin());
    }

private:
    using Entries = std::list<std::pair<QString, Shape>>; // most recently used first
    static constexpr size_t capacity = 256;
    Entries shapes_;
    QHash<QString, typename Entries::iterator> byKey_;
    std::function<void(Shape&)> dropped_;

    void drop(typename Entries::iterator entry) {
        if (dropped_) dropped_(entry->second);
        byKey_.remove(entry->first);
        shapes_.erase(entry);
    }
};

} // namespace ado::dialect

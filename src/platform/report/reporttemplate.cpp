// Parsing a layout into text, fields and sections, and filling it from a run's rows.
#include "reporttemplate.h"

#include "reportfailure.h"

#include "platform/core/conversions.h"

#include <utility>

namespace report {

namespace {
const QString Open = QStringLiteral("{{");
const QString Close = QStringLiteral("}}");
} // namespace

class ReportTemplate::Parser {
public:
    explicit Parser(const QString& layout) : layout_(layout) {}

    std::vector<Node> parse() { return until(QString()); }

private:
    static core::RuntimeError invalid(const QString& reason) {
        return failure(core::err::InvalidCall, QStringLiteral("Report layout: ") + reason);
    }

    // Nodes up to the end of the layout, or up to {{/closing}} when a section is open.
    std::vector<Node> until(const QString& closing) {
        std::vector<Node> nodes;
        while (position_ < layout_.size()) {
            const qsizetype start = layout_.indexOf(Open, position_);
            if (start < 0) break;
            if (start > position_) nodes.push_back(text(layout_.mid(position_, start - position_)));
            const qsizetype end = layout_.indexOf(Close, start + Open.size());
            if (end < 0) throw invalid(QStringLiteral("a {{ without its }}"));
            const QString marker = layout_.mid(start + Open.size(), end - start - Open.size()).trimmed();
            position_ = end + Close.size();
            if (marker.startsWith(QLatin1Char('/'))) {
                if (marker.mid(1).trimmed().compare(closing, Qt::CaseInsensitive) != 0 || closing.isEmpty())
                    throw invalid(QStringLiteral("{{%1}} closes no open section").arg(marker));
                return nodes;
            }
            nodes.push_back(node(marker));
        }
        if (position_ < layout_.size()) nodes.push_back(text(layout_.mid(position_)));
        position_ = layout_.size();
        if (!closing.isEmpty()) throw invalid(QStringLiteral("{{#%1}} is not closed").arg(closing));
        return nodes;
    }

    Node node(const QString& marker) {
        if (marker.startsWith(QLatin1Char('#'))) {
            const QString name = named(marker.mid(1));
            return {Node::Kind::Section, name, QString(), until(name)};
        }
        const bool parameter = marker.startsWith(QLatin1Char('?'));
        const QString body = parameter ? marker.mid(1) : marker;
        const qsizetype bar = body.indexOf(QLatin1Char('|'));
        const QString name = named(bar < 0 ? body : body.left(bar));
        const QString format = bar < 0 ? QString() : body.mid(bar + 1).trimmed();
        return {parameter ? Node::Kind::Parameter : Node::Kind::Field, name, format, {}};
    }

    static Node text(const QString& literal) { return {Node::Kind::Text, literal, QString(), {}}; }

    static QString named(const QString& text) {
        const QString name = text.trimmed();
        if (name.isEmpty()) throw invalid(QStringLiteral("a marker without a name"));
        return name;
    }

    const QString& layout_;
    qsizetype position_ = 0;
};

class ReportTemplate::Renderer {
public:
    Renderer(const ReportData& data, const std::vector<ParameterField>& parameters,
             const ReportFunctions& functions)
        : data_(data), parameters_(parameters), functions_(functions) {}

    void render(const std::vector<Node>& nodes) {
        for (const Node& node : nodes) {
            switch (node.kind) {
            case Node::Kind::Text:
                html_ += node.name;
                break;
            case Node::Kind::Field:
                html_ += formatted(fieldValue(node.name), node.format).toHtmlEscaped();
                break;
            case Node::Kind::Parameter:
                html_ += formatted(parameterValue(node.name), node.format).toHtmlEscaped();
                break;
            case Node::Kind::Section:
                repeat(node);
                break;
            }
        }
    }

    QString html() && { return std::move(html_); }

private:
    struct Scope {
        const RowSet* rows;
        int row;
    };

    void repeat(const Node& section) {
        const RowSet& rows = data_.section(section.name);
        for (int row = 0; row < rows.size(); ++row) {
            scopes_.push_back({&rows, row});
            render(section.children);
            scopes_.pop_back();
        }
    }

    QVariant fieldValue(const QString& name) const {
        for (auto scope = scopes_.rbegin(); scope != scopes_.rend(); ++scope)
            if (scope->rows->hasField(name)) return scope->rows->value(scope->row, name);
        const RowSet& records = data_.records();
        return records.size() > 0 ? records.value(0, name) : QVariant();
    }

    QVariant parameterValue(const QString& name) const {
        for (const ParameterField& parameter : parameters_)
            if (parameter.name().compare(name, Qt::CaseInsensitive) == 0) return parameter.text();
        throw failure(core::err::InvalidCall,
                      QStringLiteral("{{?%1}} is not a parameter of the report").arg(name));
    }

    QString formatted(const QVariant& value, const QString& format) const {
        if (core::isNull(value)) return QString();
        if (format.isEmpty()) return core::toText(value);
        const auto function = functions_.find(format.toLower());
        if (function != functions_.end()) return function->second(value);
        return core::format(value, format);
    }

    const ReportData& data_;
    const std::vector<ParameterField>& parameters_;
    const ReportFunctions& functions_;
    std::vector<Scope> scopes_;
    QString html_;
};

ReportTemplate::ReportTemplate(const QString& layout) : nodes_(Parser(layout).parse()) {}

QStringList ReportTemplate::sectionNames() const {
    QStringList names;
    std::vector<const std::vector<Node>*> pending{&nodes_};
    while (!pending.empty()) {
        const std::vector<Node>* nodes = pending.back();
        pending.pop_back();
        for (const Node& node : *nodes) {
            if (node.kind != Node::Kind::Section) continue;
            names << node.name;
            pending.push_back(&node.children);
        }
    }
    return names;
}

QString ReportTemplate::render(const ReportData& data, const std::vector<ParameterField>& parameters,
                               const ReportFunctions& functions) const {
    Renderer renderer(data, parameters, functions);
    renderer.render(nodes_);
    return std::move(renderer).html();
}

} // namespace report

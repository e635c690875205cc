// Reading a report file's text into its parts, and the checks a complete definition must pass.
#include "reportdefinition.h"

#include "reportfailure.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>
#include <utility>

namespace report {

namespace {

enum class Part { None, Report, Parameters, Query, Section, Layout };

const QRegularExpression& headerLine() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\[\s*(report|parameters|query|layout|section\s+([A-Za-z_]\w*))\s*\]\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression& identifier() {
    static const QRegularExpression pattern(QStringLiteral(R"(^[A-Za-z_]\w*$)"));
    return pattern;
}

std::optional<QPageSize::PageSizeId> pageSizeNamed(const QString& name) {
    const std::pair<const char*, QPageSize::PageSizeId> sizes[] = {{"A3", QPageSize::A3},
                                                                   {"A4", QPageSize::A4},
                                                                   {"A5", QPageSize::A5},
                                                                   {"Letter", QPageSize::Letter},
                                                                   {"Legal", QPageSize::Legal}};
    for (const auto& [text, id] : sizes)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return id;
    return std::nullopt;
}

bool isCommentOrBlank(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

class Parser {
public:
    explicit Parser(const QString& fileName) : fileName_(fileName) {}

    ReportDefinition parse(const QString& text) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            line_ = i + 1;
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
            take(line);
        }
        finishBlock();
        return std::move(definition_);
    }

private:
    core::RuntimeError invalid(const QString& reason) const {
        return failure(core::err::InvalidCall,
                       QStringLiteral("%1, line %2: %3").arg(fileName_).arg(line_).arg(reason));
    }

    void take(const QString& line) {
        const QRegularExpressionMatch header = headerLine().match(line);
        if (header.hasMatch()) return startPart(header);
        switch (part_) {
        case Part::None:
            if (!isCommentOrBlank(line)) throw invalid(QStringLiteral("text before the first [part]"));
            return;
        case Part::Report:
            if (const auto entry = keyValue(line)) setting(entry->first, entry->second);
            return;
        case Part::Parameters:
            if (const auto entry = keyValue(line)) declare(entry->first, entry->second);
            return;
        default:
            block_ << line;
        }
    }

    void startPart(const QRegularExpressionMatch& header) {
        finishBlock();
        const QString word = header.captured(1).section(QLatin1Char(' '), 0, 0).toLower();
        sectionName_ = header.captured(2);
        part_ = word == u"report"       ? Part::Report
                : word == u"parameters" ? Part::Parameters
                : word == u"query"      ? Part::Query
                : word == u"layout"     ? Part::Layout
                                        : Part::Section;
        const QString seenName =
            part_ == Part::Section ? QStringLiteral("section ") + sectionName_.toLower() : word;
        if (seen_.contains(seenName)) throw invalid(QStringLiteral("[%1] appears twice").arg(seenName));
        seen_ << seenName;
    }

    void finishBlock() {
        QString text = block_.join(QLatin1Char('\n')).trimmed();
        block_.clear();
        if (part_ == Part::Query) definition_.query = std::move(text);
        if (part_ == Part::Layout) definition_.layout = std::move(text);
        if (part_ == Part::Section) definition_.sections.push_back({sectionName_, std::move(text)});
    }

    std::optional<std::pair<QString, QString>> keyValue(const QString& line) const {
        if (isCommentOrBlank(line)) return std::nullopt;
        const qsizetype assign = line.indexOf(QLatin1Char('='));
        if (assign < 0) throw invalid(QStringLiteral("expected NAME = VALUE"));
        return std::pair{line.left(assign).trimmed(), line.mid(assign + 1).trimmed()};
    }

    void setting(const QString& key, const QString& value) {
        const QString name = key.toLower();
        if (name == u"title") {
            definition_.title = value;
        } else if (name == u"page") {
            const auto size = pageSizeNamed(value);
            if (!size) throw invalid(QStringLiteral("unknown page size ") + value);
            definition_.pageSize = *size;
        } else if (name == u"orientation") {
            orientation(value);
        } else if (name == u"margins") {
            bool ok = false;
            definition_.marginMillimetres = value.toDouble(&ok);
            if (!ok || definition_.marginMillimetres < 0)
                throw invalid(QStringLiteral("margins must be millimetres"));
        } else if (name == u"data") {
            definition_.dataFile = value;
        } else if (name == u"layout") {
            definition_.layoutFile = value;
        } else {
            throw invalid(QStringLiteral("unknown setting ") + key);
        }
    }

    void orientation(const QString& value) {
        if (value.compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0)
            definition_.orientation = QPageLayout::Portrait;
        else if (value.compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0)
            definition_.orientation = QPageLayout::Landscape;
        else
            throw invalid(QStringLiteral("orientation is portrait or landscape"));
    }

    void declare(const QString& name, const QString& type) {
        if (!identifier().match(name).hasMatch()) throw invalid(QStringLiteral("bad parameter name ") + name);
        if (definition_.parameter(name))
            throw invalid(QStringLiteral("parameter %1 declared twice").arg(name));
        ParameterType declared;
        if (type.compare(QLatin1String("text"), Qt::CaseInsensitive) == 0)
            declared = ParameterType::Text;
        else if (type.compare(QLatin1String("number"), Qt::CaseInsensitive) == 0)
            declared = ParameterType::Number;
        else
            throw invalid(QStringLiteral("parameter type is text or number"));
        definition_.parameters.push_back({name, declared});
    }

    QString fileName_;
    int line_ = 0;
    Part part_ = Part::None;
    QString sectionName_;
    QStringList block_;
    QStringList seen_;
    ReportDefinition definition_;
};

core::RuntimeError incomplete(const QString& fileName, const QString& reason) {
    return failure(core::err::InvalidCall, fileName + QStringLiteral(": ") + reason);
}

} // namespace

const QRegularExpression& parameterMarker() {
    static const QRegularExpression pattern(QStringLiteral(R"(\{\?([A-Za-z_]\w*)\})"));
    return pattern;
}

ReportDefinition ReportDefinition::parse(const QString& text, const QString& fileName) {
    return Parser(fileName).parse(text);
}

void ReportDefinition::takeDataFrom(const ReportDefinition& other, const QString& otherName) {
    if (!other.dataFile.isEmpty())
        throw incomplete(otherName, QStringLiteral("a data file cannot take its data from another"));
    if (!query.isEmpty() || !parameters.empty() || !sections.empty())
        throw incomplete(otherName,
                         QStringLiteral("a report taking its data from it has queries of its own"));
    parameters = other.parameters;
    query = other.query;
    sections = other.sections;
}

void ReportDefinition::takeLayoutFrom(const ReportDefinition& other, const QString& otherName) {
    if (!other.layoutFile.isEmpty())
        throw incomplete(otherName, QStringLiteral("a layout file cannot take its layout from another"));
    if (!layout.isEmpty())
        throw incomplete(otherName,
                         QStringLiteral("a report taking its layout from it has a layout of its own"));
    layout = other.layout;
}

void ReportDefinition::validate(const QString& fileName) const {
    if (query.isEmpty()) throw incomplete(fileName, QStringLiteral("no [query]"));
    if (layout.isEmpty()) throw incomplete(fileName, QStringLiteral("no [layout]"));
    QStringList statements{query};
    for (const SectionQuery& section : sections) {
        if (section.sql.isEmpty())
            throw incomplete(fileName, QStringLiteral("[section %1] is empty").arg(section.name));
        statements << section.sql;
    }
    for (const QString& sql : statements) {
        for (const QRegularExpressionMatch& marker : parameterMarker().globalMatch(sql)) {
            if (!parameter(marker.captured(1)))
                throw incomplete(fileName,
                                 QStringLiteral("{?%1} is not a declared parameter").arg(marker.captured(1)));
        }
    }
}

QPageLayout ReportDefinition::pageLayout() const {
    const double m = marginMillimetres;
    return QPageLayout(QPageSize(pageSize), orientation, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

const ParameterDeclaration* ReportDefinition::parameter(const QString& name) const {
    for (const ParameterDeclaration& declaration : parameters)
        if (declaration.name.compare(name, Qt::CaseInsensitive) == 0) return &declaration;
    return nullptr;
}

} // namespace report

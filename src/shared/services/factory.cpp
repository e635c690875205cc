// The ProgID registry of the service classes.
#include "serviceobject.h"

#include "platform/core/runtimeerror.h"
#include "realservices.h"

#include <map>

namespace suite {
namespace {

std::map<QString, Creator>& registry() {
    static std::map<QString, Creator> creators = [] {
        std::map<QString, Creator> defaults;
        for (auto& [progId, creator] : realServiceCreators())
            defaults[progId.toLower()] = creator;
        return defaults;
    }();
    return creators;
}

} // namespace

void Factory::registerClass(const QString& progId, Creator creator) {
    registry()[progId.toLower()] = creator;
}

std::shared_ptr<ServiceObject> Factory::createObject(const QString& progId) {
    auto found = registry().find(progId.toLower());
    if (found == registry().end())
        throw core::RuntimeError(429, QStringLiteral("ActiveX component can't create object"));
    return found->second();
}

void Factory::throwWrongInterface(const QString& progId) {
    throw core::RuntimeError(430, QStringLiteral("Class does not support Automation or does not support "
                                                 "expected interface"));
}

} // namespace suite

// Base of the suite's service classes and the factory that creates them by ProgID.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace suite {

class ServiceObject {
public:
    virtual ~ServiceObject() = default;
};

using Creator = std::function<std::shared_ptr<ServiceObject>()>;

// Creates service objects by ProgID (without regard to case). The real classes are registered on
// first use; a host or a test may register its own creator for any ProgID.
class Factory {
public:
    static void registerClass(const QString& progId, Creator creator);
    // Error 429 when nothing is registered under the ProgID.
    static std::shared_ptr<ServiceObject> createObject(const QString& progId);

    template <class T> static std::shared_ptr<T> create(const QString& progId) {
        auto object = std::dynamic_pointer_cast<T>(createObject(progId));
        if (!object) throwWrongInterface(progId);
        return object;
    }

private:
    [[noreturn]] static void throwWrongInterface(const QString& progId);
};

// ProgIDs of the six classes.
namespace progid {
inline const QString CommonDb = QStringLiteral("CommonModule.ClsCommonDb");
inline const QString CommonGen = QStringLiteral("CommonModule.clsCommonGen");
inline const QString ErrorDetails = QStringLiteral("ErrorHandler.ErrorDetails");
inline const QString FormColor = QStringLiteral("Formcolor.clsFormcolor");
inline const QString UserAuditing = QStringLiteral("PosUserAuditing.clsUserAuditing");
inline const QString MasterGridSetting = QStringLiteral("MasterGridSetting.clsMasterGridSetting");
} // namespace progid

} // namespace suite

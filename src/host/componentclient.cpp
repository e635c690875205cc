// Registration, look-up by ProgID, loading and driving the component through its C interface.
#include "componentclient.h"

#include "component/oledate.h"
#include "k8tr4072.h"
#include "platform/os/installedtree.h"

#include <QByteArray>
#include <QFileInfo>
#include <dlfcn.h>
#include <memory>

namespace host {
namespace {

[[noreturn]] void fail(const QString& message) {
    throw ComponentError(message.toStdString());
}

void check(K8Result result, const QString& step) {
    if (K8_FAILED(result))
        fail(step + QStringLiteral(" failed with 0x") + QString::number(quint32(result), 16).toUpper());
}

QString registeredClsid() {
    char clsid[64];
    return k8tr4072_ProgIdToClsid(K8TR4072_PROGID, clsid, sizeof clsid) ? QString::fromUtf8(clsid)
                                                                        : QString();
}

QString registeredPath(const QString& clsid) {
    char path[4096];
    return k8tr4072_ClsidToPath(clsid.toUtf8().constData(), path, sizeof path) ? QString::fromUtf8(path)
                                                                               : QString();
}

// The library stays loaded until the process ends: its objects and its Qt state live in it.
void* openLibrary(const QString& path) {
    void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        fail(QStringLiteral("cannot load ") + path + QStringLiteral(": ") +
             QString::fromLocal8Bit(dlerror()));
    return library;
}

template <typename EntryPoint> EntryPoint entryPoint(void* library, const char* name) {
    auto entry = reinterpret_cast<EntryPoint>(dlsym(library, name));
    if (!entry) fail(QStringLiteral("the component has no entry point ") + QLatin1String(name));
    return entry;
}

struct Releaser {
    void operator()(K8ReceiptsShop* object) const { object->vtbl->Release(object); }
};
using ObjectPtr = std::unique_ptr<K8ReceiptsShop, Releaser>;

ObjectPtr createInstance() {
    const QString clsidText = registeredClsid();
    K8Guid clsid;
    if (clsidText.isEmpty() || !k8tr4072_GuidFromText(clsidText.toUtf8().constData(), &clsid))
        fail(QStringLiteral(K8TR4072_PROGID " is not registered"));
    const QString path = registeredPath(clsidText);
    if (path.isEmpty()) fail(QStringLiteral("no library is registered for ") + clsidText);
    const auto getClassObject = entryPoint<K8DllGetClassObject>(openLibrary(path), "DllGetClassObject");
    void* factory = nullptr;
    check(getClassObject(&clsid, &K8_IID_IClassFactory, &factory), QStringLiteral("DllGetClassObject"));
    auto* classFactory = static_cast<K8ClassFactory*>(factory);
    void* object = nullptr;
    const K8Result created =
        classFactory->vtbl->CreateInstance(classFactory, nullptr, &K8_IID__clsReceiptsShop, &object);
    classFactory->vtbl->Release(classFactory);
    check(created, QStringLiteral("CreateInstance"));
    return ObjectPtr(static_cast<K8ReceiptsShop*>(object));
}

void put(K8ReceiptsShop* object, const char* name, const K8Value& value) {
    check(object->vtbl->PutProperty(object, name, &value),
          QStringLiteral("PutProperty ") + QLatin1String(name));
}

void putText(K8ReceiptsShop* object, const char* name, const QString& text) {
    QByteArray utf8 = text.toUtf8();
    K8Value value{K8_VT_TEXT, {}};
    value.u.text = utf8.data();
    put(object, name, value);
}

void putNumber(K8ReceiptsShop* object, const char* name, qint32 number) {
    K8Value value{K8_VT_I4, {}};
    value.u.i4 = number;
    put(object, name, value);
}

void putDate(K8ReceiptsShop* object, const QDate& day) {
    K8Value value{K8_VT_DATE, {}};
    value.u.date = component::OleDate::fromDateTime(QDateTime(day, QTime(0, 0)));
    put(object, "dtProcessDate", value);
}

QString registryFile() {
    char file[4096];
    return k8tr4072_RegistryPath(file, sizeof file) ? QFile::decodeName(file) : QString();
}

// The file the library's registration names: the one it was loaded from, links resolved.
QString realPath(const QString& library) {
    const QString real = QFileInfo(library).canonicalFilePath();
    return real.isEmpty() ? library : real;
}

} // namespace

QString ComponentClient::ownLibrary(const QString& requested) {
    if (!requested.isEmpty()) return requested;
    const QString installed = os::installedPath(QStringLiteral(K8TR4072_INSTALLED_LIBRARY));
    return installed.isEmpty() ? QStringLiteral(K8TR4072_LIBRARY) : installed;
}

ComponentChoice ComponentClient::choice(const QString& library) {
    const QString clsid = registeredClsid();
    const QString registered = clsid.isEmpty() ? QString() : registeredPath(clsid);
    if (!registered.isEmpty() && QFileInfo::exists(registered)) return {registered, registryFile(), true};
    return {realPath(library), registryFile(), false};
}

void ComponentClient::ensureRegistered(const QString& library) {
    if (!choice(library).registered) registerLibrary(library);
}

ComponentChoice ComponentClient::registerLibrary(const QString& library) {
    const auto registerServer = entryPoint<K8DllRegisterServer>(openLibrary(library), "DllRegisterServer");
    check(registerServer(), QStringLiteral("DllRegisterServer of ") + library);
    return choice(library);
}

void ComponentClient::unregisterLibrary(const QString& library) {
    const ComponentChoice found = choice(library);
    if (!found.registered || realPath(found.library) != realPath(library)) return;
    const auto unregisterServer =
        entryPoint<K8DllUnregisterServer>(openLibrary(library), "DllUnregisterServer");
    check(unregisterServer(), QStringLiteral("DllUnregisterServer of ") + library);
}

void ComponentClient::show(const scenario::SessionValues& session, const QString& connectionString) {
    const ObjectPtr object = createInstance();
    putText(object.get(), "adocon", connectionString);
    putNumber(object.get(), "intCompanyID", session.companyId);
    putNumber(object.get(), "intShopID", session.shopId);
    putNumber(object.get(), "intUserID", session.userId);
    putNumber(object.get(), "intFinancialID", session.financialId);
    putText(object.get(), "strMsgboxCaption", session.caption);
    putDate(object.get(), session.processDate);
    check(object->vtbl->Invoke(object.get(), "Show"), QStringLiteral("Show"));
}

} // namespace host

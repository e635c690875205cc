// The four entry points a host finds with dlsym.
#include "callbarrier.h"
#include "classfactory.h"
#include "registryfile.h"
#include "serverlifetime.h"

#include <QFileInfo>
#include <dlfcn.h>

namespace {

const QString ProgId = QStringLiteral(K8TR4072_PROGID);
const QString Clsid = QStringLiteral(K8TR4072_CLSID_TEXT);

// The path this library was loaded from, so that the registration names the file that wrote it.
QString libraryPath() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&libraryPath), &info) || !info.dli_fname) return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

} // namespace

#define K8_EXPORT extern "C" __attribute__((visibility("default")))

K8_EXPORT K8Result DllRegisterServer() {
    return component::guarded("DllRegisterServer", K8_SELFREG_E_CLASS, [] {
        const QString path = libraryPath();
        if (path.isEmpty()) return K8_SELFREG_E_CLASS;
        const component::Registration entry{ProgId, Clsid, path, QStringLiteral("Receipts For Shop"),
                                            QStringLiteral("_clsReceiptsShop")};
        return component::RegistryFile::add(entry) ? K8_S_OK : K8_SELFREG_E_CLASS;
    });
}

K8_EXPORT K8Result DllUnregisterServer() {
    return component::guarded("DllUnregisterServer", K8_SELFREG_E_CLASS, [] {
        return component::RegistryFile::remove(ProgId, Clsid) ? K8_S_OK : K8_SELFREG_E_CLASS;
    });
}

K8_EXPORT K8Result DllGetClassObject(const K8Guid* clsid, const K8Guid* iid, void** object) {
    if (!object) return K8_E_POINTER;
    *object = nullptr;
    if (!clsid || !iid) return K8_E_POINTER;
    if (!k8tr4072_GuidEqual(clsid, &K8_CLSID_clsReceiptsShop)) return K8_CLASS_E_CLASSNOTAVAILABLE;
    return component::guarded("DllGetClassObject", K8_E_UNEXPECTED, [&] {
        K8ClassFactory* factory = component::ClassFactory::acquire();
        const K8Result result = factory->vtbl->QueryInterface(factory, iid, object);
        factory->vtbl->Release(factory);
        return result;
    });
}

// Only compares counts: it cannot throw.
K8_EXPORT K8Result DllCanUnloadNow() noexcept {
    return component::ServerLifetime::canUnload() ? K8_S_OK : K8_S_FALSE;
}

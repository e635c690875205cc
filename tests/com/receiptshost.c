/* receiptshost GROUP LIBRARY FOLDER: one group of checks a C host makes on the component. */
#define _POSIX_C_SOURCE 200809L
#include "hostsupport.h"

#include <dlfcn.h>

static const double March10th2024 = 45361.0;

static const char* folder = "";

static void registryFile(char* path, size_t size) {
    CHECK(k8tr4072_RegistryPath(path, size));
}

static char* fileText(const char* path) {
    static char buffer[65536];
    FILE* in = fopen(path, "r");
    size_t length = in ? fread(buffer, 1, sizeof buffer - 1, in) : 0;
    if (in) fclose(in);
    buffer[length] = '\0';
    return buffer;
}

static int occurrences(const char* haystack, const char* needle) {
    int count = 0;
    const char* at = haystack;
    while ((at = strstr(at, needle)) != NULL) {
        ++count;
        at += strlen(needle);
    }
    return count;
}

/* Registration twice, lookup, the entry's fields, unregistration twice; another entry survives. */
static void registry(const char* library) {
    char file[4096], value[4096];
    Component component;
    K8Guid clsid;
    void* object = &clsid;
    FILE* out;
    registryFile(file, sizeof file);
    out = fopen(file, "w");
    CHECK(out != NULL);
    if (out) {
        fputs("[ProgID other.Thing]\nCLSID={00000000-0000-0000-0000-000000000001}\n", out);
        fclose(out);
    }
    if (!loadRegistered(library, &component, &clsid)) return;
    CHECK_RESULT(K8_S_OK, component.registerServer());
    CHECK(occurrences(fileText(file), "[ProgID " K8TR4072_PROGID "]") == 1);
    CHECK(occurrences(fileText(file), "[CLSID " K8TR4072_CLSID_TEXT "]") == 1);
    CHECK(k8tr4072_RegistryValue("CLSID " K8TR4072_CLSID_TEXT, "HelpString", value, sizeof value) &&
          strcmp(value, "Receipts For Shop") == 0);
    CHECK(k8tr4072_RegistryValue("CLSID " K8TR4072_CLSID_TEXT, "DefaultInterface", value, sizeof value) &&
          strcmp(value, "_clsReceiptsShop") == 0);
    CHECK(k8tr4072_RegistryValue("CLSID " K8TR4072_CLSID_TEXT, "ProgID", value, sizeof value) &&
          strcmp(value, K8TR4072_PROGID) == 0);

    CHECK_RESULT(K8_CLASS_E_CLASSNOTAVAILABLE,
                 component.getClassObject(&K8_IID_IUnknown, &K8_IID_IClassFactory, &object));
    CHECK(object == NULL);
    CHECK_RESULT(K8_E_NOINTERFACE, component.getClassObject(&clsid, &K8_IID__clsReceiptsShop, &object));
    CHECK(object == NULL);
    CHECK_RESULT(K8_E_POINTER, component.getClassObject(&clsid, &K8_IID_IClassFactory, NULL));
    CHECK_RESULT(K8_S_OK, component.canUnloadNow());

    CHECK_RESULT(K8_S_OK, component.unregisterServer());
    CHECK_RESULT(K8_S_OK, component.unregisterServer());
    CHECK(!k8tr4072_ProgIdToClsid(K8TR4072_PROGID, value, sizeof value));
    CHECK(!k8tr4072_ClsidToPath(K8TR4072_CLSID_TEXT, value, sizeof value));
    CHECK(k8tr4072_ProgIdToClsid("other.Thing", value, sizeof value));
    CHECK(occurrences(fileText(file), "[") == 1);
    dlclose(component.library);
}

static void shareConnection(K8ReceiptsShop* from, K8ReceiptsShop* to) {
    char connection[4200];
    K8Value v, handle;
    snprintf(connection, sizeof connection, "Driver=sqlite;Database=%s/shared.db", folder);
    v = text(connection);
    CHECK_RESULT(K8_S_OK, from->vtbl->PutProperty(from, "adocon", &v));
    handle = get(from, "adocon");
    CHECK(handle.type == K8_VT_CONNECTION && handle.u.connection != NULL);
    CHECK_RESULT(K8_S_OK, to->vtbl->PutProperty(to, "ADOCON", &handle));
    v = get(to, "adocon");
    CHECK(v.type == K8_VT_CONNECTION && v.u.connection == handle.u.connection);
}

static void checkLockedServer(const Component* component, const K8Guid* clsid) {
    K8ClassFactory* factory = factoryOf(component, clsid);
    if (!factory) return;
    CHECK_RESULT(K8_S_OK, factory->vtbl->LockServer(factory, 1));
    CHECK(factory->vtbl->Release(factory) == 0);
    CHECK_RESULT(K8_S_FALSE, component->canUnloadNow());
    factory = factoryOf(component, clsid);
    CHECK_RESULT(K8_S_OK, factory->vtbl->LockServer(factory, 0));
    CHECK_RESULT(K8_S_FALSE, component->canUnloadNow());
    CHECK(factory->vtbl->Release(factory) == 0);
    CHECK_RESULT(K8_S_OK, component->canUnloadNow());
}

/* The whole life of a host: two instances, every property, Show on a scenario, unload, unregister. */
static void host(const char* library) {
    char value[4096];
    Component component;
    K8Guid clsid;
    K8ClassFactory* factory;
    K8ReceiptsShop *first, *second;
    if (!loadRegistered(library, &component, &clsid)) return;
    CHECK_RESULT(K8_S_OK, component.canUnloadNow());
    factory = factoryOf(&component, &clsid);
    if (!factory) return;
    CHECK_RESULT(K8_S_FALSE, component.canUnloadNow());
    first = createObject(factory);
    second = createObject(factory);
    CHECK(factory->vtbl->Release(factory) == 0);
    CHECK_RESULT(K8_S_FALSE, component.canUnloadNow());

    /* The scenario's shop is shop 1 of company 1. */
    setSession(first, 1, 0, "Receipts", March10th2024);
    setSession(second, 70, 1, "Zweite Kasse \xC3\xBC", -1.25);
    checkSession(first, 1, 0, "Receipts", March10th2024);
    checkSession(second, 70, 1, "Zweite Kasse \xC3\xBC", -1.25);
    shareConnection(first, second);

    fflush(stdout);
    CHECK_RESULT(K8_S_OK, first->vtbl->Invoke(first, "Show"));
    checkSession(first, 1, 0, "Receipts", March10th2024);
    checkSession(second, 70, 1, "Zweite Kasse \xC3\xBC", -1.25);

    CHECK(first->vtbl->AddRef(first) == 2);
    CHECK(first->vtbl->Release(first) == 1);
    CHECK(first->vtbl->Release(first) == 0);
    CHECK_RESULT(K8_S_FALSE, component.canUnloadNow());
    CHECK(second->vtbl->Release(second) == 0);
    CHECK_RESULT(K8_S_OK, component.canUnloadNow());
    checkLockedServer(&component, &clsid);

    CHECK_RESULT(K8_S_OK, component.unregisterServer());
    CHECK(!k8tr4072_ProgIdToClsid(K8TR4072_PROGID, value, sizeof value));
    dlclose(component.library);
}

static void badProperties(K8ReceiptsShop* object) {
    int local = 0;
    K8Value v = number(5), out;
    CHECK_RESULT(K8_E_POINTER, object->vtbl->GetProperty(NULL, "intShopID", &out));
    CHECK_RESULT(K8_E_POINTER, object->vtbl->PutProperty(object, NULL, &v));
    CHECK_RESULT(K8_E_POINTER, object->vtbl->GetProperty(object, "intShopID", NULL));
    CHECK_RESULT(K8_DISP_E_UNKNOWNNAME, object->vtbl->PutProperty(object, "intCounterID", &v));
    CHECK_RESULT(K8_DISP_E_UNKNOWNNAME, object->vtbl->GetProperty(object, "intCounterID", &out));
    CHECK_RESULT(K8_S_OK, object->vtbl->PutProperty(object, "intShopID", &v));
    v = text("7");
    CHECK_RESULT(K8_DISP_E_TYPEMISMATCH, object->vtbl->PutProperty(object, "intShopID", &v));
    checkNumber(object, "intShopID", 5);
    v = number(7);
    CHECK_RESULT(K8_DISP_E_TYPEMISMATCH, object->vtbl->PutProperty(object, "strMsgboxCaption", &v));
    CHECK_RESULT(K8_DISP_E_TYPEMISMATCH, object->vtbl->PutProperty(object, "dtProcessDate", &v));
    CHECK_RESULT(K8_DISP_E_TYPEMISMATCH, object->vtbl->PutProperty(object, "adocon", &v));
    v = date(3e6);
    CHECK_RESULT(K8_E_INVALIDARG, object->vtbl->PutProperty(object, "dtProcessDate", &v));
    v.type = K8_VT_CONNECTION;
    v.u.connection = &local;
    CHECK_RESULT(K8_E_INVALIDARG, object->vtbl->PutProperty(object, "adocon", &v));
    v = text("Driver=nosuchdriver;Database=x");
    CHECK_RESULT(K8_DISP_E_EXCEPTION, object->vtbl->PutProperty(object, "adocon", &v));
}

/* A scenario that cannot be read ends Show with a failure and the transcript's reason. */
static void checkMissingScenario(K8ReceiptsShop* object) {
    char scenario[4200];
    snprintf(scenario, sizeof scenario, "%s/missing.scn", folder);
    CHECK(setenv("RECEIPTS_SCENARIO", scenario, 1) == 0);
    fflush(stdout);
    CHECK_RESULT(K8_E_FAIL, object->vtbl->Invoke(object, "show"));
    CHECK(unsetenv("RECEIPTS_SCENARIO") == 0);
}

/* Wrong calls answer error codes: null pointers, unknown names, wrong types, releases too many. */
static void badCalls(const char* library) {
    Component component;
    K8Guid clsid;
    K8ClassFactory* factory;
    K8ReceiptsShop* object;
    void* other = &clsid;
    if (!loadRegistered(library, &component, &clsid) || !(factory = factoryOf(&component, &clsid))) return;
    CHECK_RESULT(K8_CLASS_E_NOAGGREGATION,
                 factory->vtbl->CreateInstance(factory, factory, &K8_IID__clsReceiptsShop, &other));
    CHECK(other == NULL);
    object = createObject(factory);
    CHECK(factory->vtbl->Release(factory) == 0);
    CHECK(factory->vtbl->Release(factory) == 0);
    badProperties(object);
    CHECK_RESULT(K8_E_NOINTERFACE, object->vtbl->QueryInterface(object, &K8_IID_IClassFactory, &other));
    CHECK(other == NULL);
    CHECK_RESULT(K8_S_OK, object->vtbl->QueryInterface(object, &K8_IID_IUnknown, &other));
    CHECK(other == object && object->vtbl->Release(object) == 1);
    CHECK_RESULT(K8_DISP_E_UNKNOWNNAME, object->vtbl->Invoke(object, "Hide"));
    checkMissingScenario(object);
    CHECK(object->vtbl->Release(object) == 0);
    CHECK(object->vtbl->Release(object) == 0);
    CHECK(object->vtbl->AddRef(object) == 0);
    CHECK_RESULT(K8_E_POINTER, object->vtbl->Invoke(object, "Show"));
    CHECK_RESULT(K8_S_OK, component.canUnloadNow());
    CHECK_RESULT(K8_S_OK, component.unregisterServer());
    dlclose(component.library);
}

/* Show on an object whose host never set a connection: the module works on a new, unopened one. */
static void noConnection(const char* library) {
    Component component;
    K8Guid clsid;
    K8ClassFactory* factory;
    K8ReceiptsShop* object;
    K8Value handle;
    if (!loadRegistered(library, &component, &clsid) || !(factory = factoryOf(&component, &clsid))) return;
    object = createObject(factory);
    factory->vtbl->Release(factory);
    setSession(object, 1, 0, "Receipts", March10th2024);
    fflush(stdout);
    CHECK_RESULT(K8_S_OK, object->vtbl->Invoke(object, "Show"));
    handle = get(object, "adocon");
    CHECK(handle.type == K8_VT_CONNECTION && handle.u.connection != NULL);
    CHECK(object->vtbl->Release(object) == 0);
    CHECK_RESULT(K8_S_OK, component.canUnloadNow());
    CHECK_RESULT(K8_S_OK, component.unregisterServer());
    dlclose(component.library);
}

int main(int argc, char** argv) {
    static const struct {
        const char* name;
        void (*run)(const char* library);
    } groups[] = {
        {"registry", registry}, {"host", host}, {"badcalls", badCalls}, {"noconnection", noConnection}};
    size_t i;
    if (argc != 4) {
        fprintf(stderr, "usage: receiptshost GROUP LIBRARY FOLDER\n");
        return 2;
    }
    folder = argv[3];
    for (i = 0; i < sizeof groups / sizeof groups[0]; ++i) {
        if (strcmp(argv[1], groups[i].name) != 0) continue;
        groups[i].run(argv[2]);
        fprintf(stderr, "%s: %d failed checks\n", argv[1], failures);
        return failures == 0 ? 0 : 1;
    }
    fprintf(stderr, "unknown group %s\n", argv[1]);
    return 2;
}

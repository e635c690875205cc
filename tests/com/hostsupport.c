/* What the C host needs to load the component and to check values. */
#include "hostsupport.h"

#include <dlfcn.h>
#include <math.h>

int failures = 0;

static int bindEntryPoints(Component* component, const char* path) {
    component->library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!component->library) {
        fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        return 0;
    }
    component->registerServer = (K8DllRegisterServer)dlsym(component->library, "DllRegisterServer");
    component->unregisterServer = (K8DllUnregisterServer)dlsym(component->library, "DllUnregisterServer");
    component->getClassObject = (K8DllGetClassObject)dlsym(component->library, "DllGetClassObject");
    component->canUnloadNow = (K8DllCanUnloadNow)dlsym(component->library, "DllCanUnloadNow");
    return component->registerServer && component->unregisterServer && component->getClassObject &&
           component->canUnloadNow;
}

/* Registers the built library, then loads it again the way any host would: by its ProgID. */
int loadRegistered(const char* builtLibrary, Component* component, K8Guid* clsid) {
    Component installer;
    char clsidText[64], path[4096];
    if (!bindEntryPoints(&installer, builtLibrary)) return 0;
    CHECK_RESULT(K8_S_OK, installer.registerServer());
    CHECK(k8tr4072_ProgIdToClsid(K8TR4072_PROGID, clsidText, sizeof clsidText));
    CHECK(k8tr4072_GuidFromText(clsidText, clsid) && k8tr4072_GuidEqual(clsid, &K8_CLSID_clsReceiptsShop));
    CHECK(k8tr4072_ClsidToPath(clsidText, path, sizeof path));
    if (failures || !bindEntryPoints(component, path)) return 0;
    dlclose(installer.library);
    return 1;
}

K8ClassFactory* factoryOf(const Component* component, const K8Guid* clsid) {
    void* factory = NULL;
    CHECK_RESULT(K8_S_OK, component->getClassObject(clsid, &K8_IID_IClassFactory, &factory));
    return (K8ClassFactory*)factory;
}

K8ReceiptsShop* createObject(K8ClassFactory* factory) {
    void* object = NULL;
    CHECK_RESULT(K8_S_OK, factory->vtbl->CreateInstance(factory, NULL, &K8_IID__clsReceiptsShop, &object));
    CHECK(object != NULL);
    return (K8ReceiptsShop*)object;
}

K8Value number(int32_t value) {
    K8Value v;
    v.type = K8_VT_I4;
    v.u.i4 = value;
    return v;
}

K8Value text(const char* value) {
    K8Value v;
    v.type = K8_VT_TEXT;
    v.u.text = (char*)value;
    return v;
}

K8Value date(double value) {
    K8Value v;
    v.type = K8_VT_DATE;
    v.u.date = value;
    return v;
}

K8Value get(K8ReceiptsShop* object, const char* name) {
    K8Value v;
    v.type = K8_VT_EMPTY;
    CHECK_RESULT(K8_S_OK, object->vtbl->GetProperty(object, name, &v));
    return v;
}

void checkText(K8ReceiptsShop* object, const char* name, const char* expected) {
    K8Value v = get(object, name);
    CHECK(v.type == K8_VT_TEXT && strcmp(v.u.text, expected) == 0);
    if (v.type == K8_VT_TEXT) free(v.u.text);
}

void checkNumber(K8ReceiptsShop* object, const char* name, int32_t expected) {
    K8Value v = get(object, name);
    CHECK(v.type == K8_VT_I4 && v.u.i4 == expected);
}

void checkDate(K8ReceiptsShop* object, double expected) {
    K8Value v = get(object, "dtProcessDate");
    CHECK(v.type == K8_VT_DATE && fabs(v.u.date - expected) < 1e-7);
}

void setSession(K8ReceiptsShop* object, int32_t base, int32_t step, const char* caption, double day) {
    static const char* const ids[] = {"intCompanyID", "intShopID", "intUserID", "intFinancialID"};
    K8Value v = text(caption);
    int i;
    CHECK_RESULT(K8_S_OK, object->vtbl->PutProperty(object, "strMsgboxCaption", &v));
    for (i = 0; i < 4; ++i) {
        v = number(base + i * step);
        CHECK_RESULT(K8_S_OK, object->vtbl->PutProperty(object, ids[i], &v));
    }
    v = date(day);
    CHECK_RESULT(K8_S_OK, object->vtbl->PutProperty(object, "dtProcessDate", &v));
}

void checkSession(K8ReceiptsShop* object, int32_t base, int32_t step, const char* caption, double day) {
    checkText(object, "strMsgboxCaption", caption);
    checkNumber(object, "intCompanyID", base);
    checkNumber(object, "intShopID", base + step);
    checkNumber(object, "intUserID", base + 2 * step);
    checkNumber(object, "intFinancialID", base + 3 * step);
    checkDate(object, day);
}

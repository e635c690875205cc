/* The C host's helpers: loading the component by its ProgID, creating objects, checking properties. */
#ifndef HOSTSUPPORT_H
#define HOSTSUPPORT_H

#include "k8tr4072.h"

extern int failures;

#define CHECK(condition)                                                                                     \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                    \
            ++failures;                                                                                      \
        }                                                                                                    \
    } while (0)

#define CHECK_RESULT(expected, call)                                                                         \
    do {                                                                                                     \
        K8Result actual_ = (call);                                                                           \
        if (actual_ != (expected)) {                                                                         \
            fprintf(stderr, "%s:%d: %s answered 0x%08X, expected 0x%08X\n", __FILE__, __LINE__, #call,       \
                    (unsigned)actual_, (unsigned)(expected));                                                \
            ++failures;                                                                                      \
        }                                                                                                    \
    } while (0)

typedef struct Component {
    void* library;
    K8DllRegisterServer registerServer;
    K8DllUnregisterServer unregisterServer;
    K8DllGetClassObject getClassObject;
    K8DllCanUnloadNow canUnloadNow;
} Component;

/* Registers the built library, then loads it again the way any host would: by its ProgID. */
int loadRegistered(const char* builtLibrary, Component* component, K8Guid* clsid);
K8ClassFactory* factoryOf(const Component* component, const K8Guid* clsid);
K8ReceiptsShop* createObject(K8ClassFactory* factory);

K8Value number(int32_t value);
K8Value text(const char* value);
K8Value date(double value);
/* The property's value; a text is the caller's to free(). */
K8Value get(K8ReceiptsShop* object, const char* name);
void checkText(K8ReceiptsShop* object, const char* name, const char* expected);
void checkNumber(K8ReceiptsShop* object, const char* name, int32_t expected);
void checkDate(K8ReceiptsShop* object, double expected);

/* The four ids are base, base + step, base + 2 step and base + 3 step: company, shop, user, year. */
void setSession(K8ReceiptsShop* object, int32_t base, int32_t step, const char* caption, double day);
void checkSession(K8ReceiptsShop* object, int32_t base, int32_t step, const char* caption, double day);

#endif

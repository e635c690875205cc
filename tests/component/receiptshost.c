/* receiptshost host|calls LIBRARY: what a C host does with the component, in a folder of the run's own. */
#define _XOPEN_SOURCE 700
#include "k8tr4072.h"

#include <dlfcn.h>
#include <ftw.h>
#include <math.h>
#include <pthread.h>

/* Another component's class id, whose entries the registry file holds too; root's registry file. */
#define OTHER "{00000000-0000-0000-0000-000000000001}"
#define ETC "/etc/k8tr4072/registry.ini"

static int failures = 0;
/* From failingnew.cpp: the allocations after the next `count` fail (-1: none). */
void failAllocationsAfter(int count);
static char folder[4096], registry[4200], scenario[4200];
static K8Guid clsid;
static K8DllUnregisterServer unregisterServer;
static K8DllGetClassObject getClassObject;
static K8DllCanUnloadNow canUnloadNow;

#define CHECK(c)                                                                                             \
    ((c) ? (void)0 : (void)(fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #c), ++failures))
/* A method of an object or factory: CALL(object, Release) */
#define CALL(o, method, ...) ((o)->vtbl->method((o), ##__VA_ARGS__))

/* Registers the built library, then loads the one the registry names, as any host does by the ProgID. */
static void* load(const char* built) {
    char text[64], path[4096], real[4096];
    void* library = dlopen(built, RTLD_NOW);
    K8DllRegisterServer registerServer =
        library ? (K8DllRegisterServer)dlsym(library, "DllRegisterServer") : NULL;
    CHECK(registerServer && registerServer() == K8_S_OK);
    CHECK(k8tr4072_ProgIdToClsid(K8TR4072_PROGID, text, sizeof text) && k8tr4072_GuidFromText(text, &clsid));
    CHECK(k8tr4072_GuidEqual(&clsid, &K8_CLSID_clsReceiptsShop));
    CHECK(k8tr4072_ClsidToPath(text, path, sizeof path) && realpath(built, real) && !strcmp(path, real));
    if (library) dlclose(library);
    if (failures || !(library = dlopen(path, RTLD_NOW))) return NULL;
    unregisterServer = (K8DllUnregisterServer)dlsym(library, "DllUnregisterServer");
    getClassObject = (K8DllGetClassObject)dlsym(library, "DllGetClassObject");
    canUnloadNow = (K8DllCanUnloadNow)dlsym(library, "DllCanUnloadNow");
    return unregisterServer && getClassObject && canUnloadNow ? library : NULL;
}

static K8ClassFactory* factory(void) {
    void* f = NULL;
    CHECK(getClassObject(&clsid, &K8_IID_IClassFactory, &f) == K8_S_OK && f);
    return f;
}

/* A new instance from a factory of its own, which keeps the library loaded while it lives. */
static K8ReceiptsShop* create(void) {
    K8ClassFactory* f = factory();
    void* object = NULL;
    CHECK(canUnloadNow() == K8_S_FALSE);
    CHECK(CALL(f, CreateInstance, NULL, &K8_IID__clsReceiptsShop, &object) == K8_S_OK && object);
    CHECK(CALL(f, Release) == 0);
    return object;
}

enum { I4 = K8_VT_I4, DATE = K8_VT_DATE, TEXT = K8_VT_TEXT };

/* Puts the value written as text ("5", "-1.25", "nan", "Kasse" or NULL) as a value of the type. */
static K8Result put(K8ReceiptsShop* o, const char* name, int32_t type, const char* text) {
    K8Value v = {type, {0}};
    if (type == I4) v.u.i4 = atoi(text);
    if (type == DATE) v.u.date = atof(text);
    if (type == TEXT) v.u.text = (char*)text;
    return CALL(o, PutProperty, name, &v);
}

/* The property written as text: "5", "45361.2500", "Kasse" or "connection". */
static const char* got(K8ReceiptsShop* o, const char* name) {
    static char shown[512];
    K8Value v = {K8_VT_EMPTY, {0}};
    CHECK(CALL(o, GetProperty, name, &v) == K8_S_OK);
    snprintf(shown, sizeof shown, "type %d", v.type);
    if (v.type == K8_VT_I4) snprintf(shown, sizeof shown, "%d", v.u.i4);
    if (v.type == K8_VT_DATE) snprintf(shown, sizeof shown, "%.4f", v.u.date);
    if (v.type == K8_VT_TEXT) snprintf(shown, sizeof shown, "%s", v.u.text), free(v.u.text);
    if (v.type == K8_VT_CONNECTION && v.u.connection) snprintf(shown, sizeof shown, "connection");
    return shown;
}

static const char* const session[] = {"intCompanyID",   "intShopID",     "intUserID",
                                      "intFinancialID", "dtProcessDate", "strMsgboxCaption"};

/* Shop 1 of company 1, user 1 and year 1, on the day and under the caption. */
static void setSession(K8ReceiptsShop* o, const char* day, const char* caption) {
    int i;
    for (i = 0; i < 4; ++i)
        CHECK(put(o, session[i], I4, "1") == K8_S_OK);
    CHECK(put(o, session[4], DATE, day) == K8_S_OK && put(o, session[5], TEXT, caption) == K8_S_OK);
}

static const char* fileText(void) {
    static char text[65536];
    FILE* in = fopen(registry, "r");
    text[in ? fread(text, 1, sizeof text - 1, in) : 0] = '\0';
    if (in) fclose(in);
    return text;
}

static void writeFile(const char* path, const char* text) {
    FILE* out = fopen(path, "w");
    CHECK(out && fputs(text, out) >= 0 && fclose(out) == 0);
}

/* The whole life of a host: two instances sharing a connection, Show on the scenario, releases, locks. */
static void host(void) {
    char connection[4200];
    K8ReceiptsShop *first = create(), *second = create();
    K8Value handle = {K8_VT_EMPTY, {0}};
    K8ClassFactory* f;
    /* The scenario expects 10 March 2024 (New York moves its clocks that day; 6 pm stays 6 pm) and the
       caption "Shop Receipts". */
    setSession(first, "45361.75", "Shop Receipts");
    CHECK(!strcmp(got(first, "dtProcessDate"), "45361.7500"));
    snprintf(connection, sizeof connection, "Driver=sqlite;Database=%s/shared.db;Create=yes", folder);
    CHECK(put(first, "adocon", TEXT, connection) == K8_S_OK);
    CHECK(CALL(first, GetProperty, "AdoCon", &handle) == K8_S_OK && handle.type == K8_VT_CONNECTION);
    CHECK(CALL(second, PutProperty, "ADOCON", &handle) == K8_S_OK &&
          !strcmp(got(second, "adocon"), "connection"));
    fflush(stdout);
    CHECK(CALL(first, Invoke, "Show") == K8_S_OK && !strcmp(got(first, "strMsgboxCaption"), "Shop Receipts"));
    CHECK(CALL(first, AddRef) == 2 && CALL(first, Release) == 1 && CALL(first, Release) == 0);
    CHECK(canUnloadNow() == K8_S_FALSE && CALL(second, Release) == 0 && canUnloadNow() == K8_S_OK);
    /* A locked server stays loaded without any factory or object. */
    f = factory();
    CHECK(CALL(f, LockServer, 1) == K8_S_OK && CALL(f, Release) == 0 && canUnloadNow() == K8_S_FALSE);
    f = factory();
    CHECK(CALL(f, LockServer, 0) == K8_S_OK && CALL(f, Release) == 0);
}

/* Every call on an object from a thread that did not create it is refused and changes nothing. */
static void* fromAnotherThread(void* object) {
    K8ReceiptsShop* o = object;
    K8Value value = {K8_VT_EMPTY, {0}};
    void* out = NULL;
    CHECK(CALL(o, GetProperty, "intShopID", &value) == K8_RPC_E_WRONG_THREAD && value.type == K8_VT_EMPTY);
    CHECK(put(o, "intShopID", I4, "9") == K8_RPC_E_WRONG_THREAD);
    CHECK(CALL(o, Invoke, "Show") == K8_RPC_E_WRONG_THREAD);
    CHECK(CALL(o, QueryInterface, &K8_IID_IUnknown, &out) == K8_RPC_E_WRONG_THREAD && !out);
    CHECK(CALL(o, AddRef) == 0 && CALL(o, Release) == 0);
    return NULL;
}

static void callFromAnotherThread(K8ReceiptsShop* object) {
    pthread_t thread;
    CHECK(pthread_create(&thread, NULL, fromAnotherThread, object) == 0 && pthread_join(thread, NULL) == 0);
    CHECK(!strcmp(got(object, "intShopID"), "5"));
}

/* Wrong calls answer error codes and change nothing: null pointers, unknown names, wrong types, values out of
   range, foreign or stale handles, releases too many. Show without a connection reports the closed one the
   module works on; Show on a scenario that cannot be read fails. */
static void calls(void) {
    K8ClassFactory* f = factory();
    K8ReceiptsShop *object, *unset;
    void* out = &clsid;
    K8Value value = {K8_VT_CONNECTION, {0}};
    const char *date = "dtProcessDate", *caption = "strMsgboxCaption";
    char missing[4200];
    CHECK(getClassObject(&K8_IID_IUnknown, &K8_IID_IClassFactory, &out) == K8_CLASS_E_CLASSNOTAVAILABLE &&
          !out);
    CHECK(getClassObject(&clsid, &K8_IID__clsReceiptsShop, &out) == K8_E_NOINTERFACE && !out);
    CHECK(getClassObject(&clsid, &K8_IID_IClassFactory, NULL) == K8_E_POINTER);
    /* An allocation that fails inside a call throws there: the call answers an error code, the host lives. */
    failAllocationsAfter(0);
    CHECK(CALL(f, CreateInstance, NULL, &K8_IID__clsReceiptsShop, &out) == K8_E_UNEXPECTED && !out);
    failAllocationsAfter(-1);
    CHECK(CALL(f, CreateInstance, f, &K8_IID__clsReceiptsShop, &out) == K8_CLASS_E_NOAGGREGATION && !out);
    CHECK(CALL(f, Release) == 0 && CALL(f, Release) == 0);
    object = create(), unset = create();
    CHECK(CALL(object, PutProperty, NULL, &value) == K8_E_POINTER &&
          object->vtbl->GetProperty(NULL, "a", &value) == K8_E_POINTER);
    CHECK(CALL(object, GetProperty, "intShopID", NULL) == K8_E_POINTER);
    CHECK(put(object, "intCounterID", I4, "5") == K8_DISP_E_UNKNOWNNAME);
    CHECK(put(object, "intShopID", I4, "5") == K8_S_OK && !strcmp(got(unset, "intShopID"), "0"));
    CHECK(put(object, "intShopID", TEXT, "7") == K8_DISP_E_TYPEMISMATCH &&
          !strcmp(got(object, "intShopID"), "5"));
    CHECK(put(object, caption, TEXT, "Kasse \xC3\xBC") == K8_S_OK);
    CHECK(put(object, caption, I4, "7") == K8_DISP_E_TYPEMISMATCH &&
          !strcmp(got(object, caption), "Kasse \xC3\xBC"));
    CHECK(put(object, caption, TEXT, NULL) == K8_S_OK && !strcmp(got(object, caption), ""));
    /* Dates run from 1 January 100 to 31 December 9999; an unset date reads as day zero. */
    CHECK(!strcmp(got(object, date), "0.0000") && put(object, date, I4, "7") == K8_DISP_E_TYPEMISMATCH);
    CHECK(put(object, date, DATE, "-1.25") == K8_S_OK && !strcmp(got(object, date), "-1.2500"));
    CHECK(put(object, date, DATE, "-657434") == K8_S_OK && put(object, date, DATE, "2958465.5") == K8_S_OK);
    CHECK(put(object, date, DATE, "-657435") == K8_E_INVALIDARG &&
          put(object, date, DATE, "2958466") == K8_E_INVALIDARG);
    CHECK(put(object, date, DATE, "nan") == K8_E_INVALIDARG && !strcmp(got(object, date), "2958465.5000"));
    CHECK(put(object, "adocon", I4, "7") == K8_DISP_E_TYPEMISMATCH);
    CHECK(put(object, "adocon", TEXT, "Driver=nosuchdriver;Database=x") == K8_DISP_E_EXCEPTION);
    failAllocationsAfter(0);
    CHECK(put(object, "adocon", TEXT, "Driver=sqlite;Database=x") == K8_E_UNEXPECTED &&
          CALL(object, Invoke, "Show") == K8_DISP_E_EXCEPTION);
    failAllocationsAfter(-1);
    snprintf(missing, sizeof missing, "Driver=sqlite;Database=%s/missing.db", folder);
    CHECK(put(object, "adocon", TEXT, missing) == K8_DISP_E_EXCEPTION && access(missing + 23, F_OK) != 0);
    callFromAnotherThread(object);
    value.u.connection = &out;
    CHECK(CALL(object, PutProperty, "adocon", &value) == K8_E_INVALIDARG);
    CHECK(CALL(object, QueryInterface, &K8_IID_IClassFactory, &out) == K8_E_NOINTERFACE && !out);
    CHECK(CALL(object, QueryInterface, &K8_IID_IUnknown, &out) == K8_S_OK && out == object);
    CHECK(CALL(object, Release) == 1 && CALL(object, Invoke, "Hide") == K8_DISP_E_UNKNOWNNAME);

    /* A Show that failed with its register open leaves the next one free to show it again. */
    writeFile(scenario, "show\nexpect errors 2\n");
    setenv("RECEIPTS_SCENARIO", scenario, 1);
    setSession(unset, "45361", "Receipts");
    fflush(stdout);
    CHECK(CALL(unset, Invoke, "Show") == K8_E_FAIL);
    writeFile(scenario, "show\nexpect window FrmMaster open\nexpect errors 1\nclose FrmMaster\n");
    fflush(stdout);
    CHECK(CALL(unset, Invoke, "Show") == K8_S_OK);
    /* The handle of a released instance's own connection finds nothing. */
    CHECK(CALL(unset, GetProperty, "adocon", &value) == K8_S_OK && value.u.connection &&
          CALL(unset, Release) == 0);
    CHECK(CALL(object, PutProperty, "adocon", &value) == K8_E_INVALIDARG);
    setenv("RECEIPTS_SCENARIO", "/nonexistent/missing.scn", 1);
    fflush(stdout);
    CHECK(CALL(object, Invoke, "show") == K8_E_FAIL);
    CHECK(CALL(object, Release) == 0 && CALL(object, Release) == 0 && CALL(object, AddRef) == 0);
    CHECK(CALL(object, Invoke, "Show") == K8_E_POINTER);
}

/* Class ids only in braces; a look-up needs the whole section and key name, and room for the value. */
static void registryTexts(void) {
    char value[64];
    K8Guid id;
    CHECK(!k8tr4072_GuidFromText("", &id) &&
          !k8tr4072_GuidFromText("00000000-0000-0000-0000-000000000001", &id));
    CHECK(!k8tr4072_GuidFromText(OTHER "x", &id) &&
          !k8tr4072_GuidFromText("{00000000-0000-0000-0000-0000000000}", &id));
    CHECK(!k8tr4072_GuidFromText("{00000000-0000-0000-0000000000000001}", &id) &&
          !k8tr4072_GuidFromText("{00000000-0000-0000-0000-000000000001", &id));
    CHECK(!k8tr4072_GuidFromText("{+0000000-0000-0000-0000-000000000001}", &id) &&
          !k8tr4072_GuidFromText("{0-0-0-0000-000000000001}", &id));
    CHECK(k8tr4072_RegistryValue("ProgID other.Thing", "CLSID", value, 39) && !strcmp(value, OTHER));
    CHECK(!k8tr4072_RegistryValue("ProgID other.Thing", "CLSID", value, 38));
    CHECK(!k8tr4072_RegistryValue("ProgID other", "CLSID", value, 64) &&
          !k8tr4072_RegistryValue("ProgID other.Things", "CLSID", value, 64));
    CHECK(!k8tr4072_RegistryValue("ProgID other.Thing", "CLS", value, 64));
    CHECK(!k8tr4072_RegistryValue("ProgID other.Thing", "InprocServer", value, 64));
}

/* The registry file a host reads: the variable's, else root's, else the one in the user's configuration
   folder; none where nothing is named or the name does not fit. Only the names chosen are compared: as
   root, the rows are tried again as nobody. */
static void registryPath(void) {
    static const char* const rows[][5] = {/* variable, XDG_CONFIG_HOME, HOME: the file of a user, of root */
                                          {"", "/c", "/h", "/c/k8tr4072/registry.ini", ETC},
                                          {NULL, "", "/h", "/h/.config/k8tr4072/registry.ini", ETC},
                                          {NULL, NULL, "", "none", ETC},
                                          {"/r/x.ini", "/c", "/h", "/r/x.ini", "/r/x.ini"}};
    const char* const names[] = {K8TR4072_REGISTRY_ENV, "XDG_CONFIG_HOME", "HOME"};
    char path[64];
    int row, i;
    if (geteuid() != 0) fprintf(stderr, "not run as root: root's registry file is not tried\n");
    do
        for (row = 0; row < 4; ++row) {
            for (i = 0; i < 3; ++i)
                rows[row][i] ? setenv(names[i], rows[row][i], 1) : unsetenv(names[i]);
            if (!k8tr4072_RegistryPath(path, sizeof path)) strcpy(path, "none");
            if (strcmp(path, rows[row][geteuid() == 0 ? 4 : 3]))
                failures += fprintf(stderr, "registry path row %d as user %d: %s\n", row + 1, (int)geteuid(),
                                    path) > 0;
        }
    while (geteuid() == 0 && seteuid(65534) == 0);
    CHECK(k8tr4072_RegistryPath(path, 9) && !k8tr4072_RegistryPath(path, 8) && seteuid(getuid()) == 0);
}

static int removeEntry(const char* path, const struct stat* info, int flag, struct FTW* at) {
    return (void)info, (void)flag, (void)at, remove(path);
}

int main(int argc, char** argv) {
    static const char other[] =
        "; kept\n[ProgID other.Thing]\nCLSID=" OTHER "\n\n[CLSID " OTHER "]\nInprocServer=/o.so\n";
    const char* temp = getenv("TMPDIR");
    void* library;
    if (argc != 3 || (strcmp(argv[1], "host") && strcmp(argv[1], "calls")))
        return fprintf(stderr, "usage: receiptshost host|calls LIBRARY\n"), 2;
    /* The registry file, which holds another component's entry, the shared database and scenarios live in a
       folder of the run's own. */
    snprintf(folder, sizeof folder, "%s/receiptshost-XXXXXX", temp && *temp ? temp : "/tmp");
    if (!mkdtemp(folder)) return perror(folder), 2;
    snprintf(registry, sizeof registry, "%s/registry.ini", folder);
    snprintf(scenario, sizeof scenario, "%s/noconnection.scn", folder);
    setenv(K8TR4072_REGISTRY_ENV, registry, 1);
    writeFile(registry, other);
    if ((library = load(argv[2])) != NULL) {
        CHECK(canUnloadNow() == K8_S_OK);
        if (!strcmp(argv[1], "host")) host();
        if (!strcmp(argv[1], "calls")) registryTexts(), calls();
        /* Unregistration leaves other entries word for word, however often, with or without a file. */
        CHECK(canUnloadNow() == K8_S_OK && unregisterServer() == K8_S_OK && unregisterServer() == K8_S_OK);
        CHECK(!strcmp(fileText(), other) && remove(registry) == 0);
        CHECK(unregisterServer() == K8_S_OK && access(registry, F_OK) != 0);
        dlclose(library);
    }
    if (!strcmp(argv[1], "calls")) registryPath();
    fprintf(stderr, "%s: %d failed checks\n", argv[1], failures);
    if (!library || failures) return fprintf(stderr, "the run's folder is kept: %s\n", folder), 1;
    return nftw(folder, removeEntry, 8, FTW_DEPTH | FTW_PHYS) == 0 ? 0 : 1;
}

/* k8tr4072.h: the receipts component's C interface for hosts (entry points, vtables, registry lookup). */
#ifndef K8TR4072_H
#define K8TR4072_H

#include <ctype.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t K8Result;

/* A result code of the type K8Result, written as the cast each language reads without complaint. */
#ifdef __cplusplus
#define K8_RESULT(code) static_cast<K8Result>(code)
#else
#define K8_RESULT(code) ((K8Result)(code))
#endif

#define K8_S_OK K8_RESULT(0)
#define K8_S_FALSE K8_RESULT(1)
#define K8_E_NOTIMPL K8_RESULT(0x80004001)
#define K8_E_NOINTERFACE K8_RESULT(0x80004002)
#define K8_E_POINTER K8_RESULT(0x80004003)
#define K8_E_FAIL K8_RESULT(0x80004005)
#define K8_E_UNEXPECTED K8_RESULT(0x8000FFFF)
#define K8_E_INVALIDARG K8_RESULT(0x80070057)
#define K8_DISP_E_UNKNOWNNAME K8_RESULT(0x80020006)
#define K8_DISP_E_TYPEMISMATCH K8_RESULT(0x80020005)
#define K8_DISP_E_EXCEPTION K8_RESULT(0x80020009)
#define K8_CLASS_E_NOAGGREGATION K8_RESULT(0x80040110)
#define K8_CLASS_E_CLASSNOTAVAILABLE K8_RESULT(0x80040111)
#define K8_SELFREG_E_CLASS K8_RESULT(0x80040201)
#define K8_REGDB_E_CLASSNOTREG K8_RESULT(0x80040154)
/* A call on an object from a thread other than the one that created it. */
#define K8_RPC_E_WRONG_THREAD K8_RESULT(0x8001010E)
#define K8_FAILED(r) (K8_RESULT(r) < 0)

typedef struct K8Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} K8Guid;

#define K8TR4072_PROGID "k8tr4072.clsReceiptsShop"
#define K8TR4072_CLSID_TEXT "{6B3F2E51-4072-4C8A-9E11-52C3A0D1B7E4}"

static const K8Guid K8_CLSID_clsReceiptsShop = {
    0x6B3F2E51, 0x4072, 0x4C8A, {0x9E, 0x11, 0x52, 0xC3, 0xA0, 0xD1, 0xB7, 0xE4}};
static const K8Guid K8_IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
static const K8Guid K8_IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
static const K8Guid K8_IID__clsReceiptsShop = {
    0x3D9A0C27, 0x4072, 0x4E15, {0x8B, 0x6F, 0x0A, 0x2C, 0x91, 0x5E, 0x47, 0xD3}};

/* A property value. Texts are UTF-8; a text read with GetProperty is the caller's to free().
   Dates count days since 30 December 1899, the time of day in the fraction. A connection is
   a handle read from some instance's adocon; a text put into adocon is a connection string the
   component opens (an SQLite file it names must exist, unless the string says "Create=yes"). An object
   belongs to the thread that created it: from any other thread its calls answer K8_RPC_E_WRONG_THREAD,
   AddRef and Release 0. */
typedef enum K8ValueType {
    K8_VT_EMPTY = 0,
    K8_VT_I4 = 3,
    K8_VT_DATE = 7,
    K8_VT_TEXT = 8,
    K8_VT_CONNECTION = 9
} K8ValueType;

typedef struct K8Value {
    int32_t type; /* a K8ValueType */
    union {
        int32_t i4;
        double date;
        char* text;
        void* connection;
    } u;
} K8Value;

typedef struct K8ReceiptsShop K8ReceiptsShop;
typedef struct K8ReceiptsShopVtbl {
    K8Result (*QueryInterface)(K8ReceiptsShop* self, const K8Guid* iid, void** object);
    uint32_t (*AddRef)(K8ReceiptsShop* self);
    uint32_t (*Release)(K8ReceiptsShop* self);
    /* Names are matched without regard to letter case. */
    K8Result (*GetProperty)(K8ReceiptsShop* self, const char* name, K8Value* value);
    K8Result (*PutProperty)(K8ReceiptsShop* self, const char* name, const K8Value* value);
    /* "Show": the register, modal; returns when it closes. */
    K8Result (*Invoke)(K8ReceiptsShop* self, const char* name);
} K8ReceiptsShopVtbl;
struct K8ReceiptsShop {
    const K8ReceiptsShopVtbl* vtbl;
};

typedef struct K8ClassFactory K8ClassFactory;
typedef struct K8ClassFactoryVtbl {
    K8Result (*QueryInterface)(K8ClassFactory* self, const K8Guid* iid, void** object);
    uint32_t (*AddRef)(K8ClassFactory* self);
    uint32_t (*Release)(K8ClassFactory* self);
    K8Result (*CreateInstance)(K8ClassFactory* self, void* outer, const K8Guid* iid, void** object);
    K8Result (*LockServer)(K8ClassFactory* self, int32_t lock);
} K8ClassFactoryVtbl;
struct K8ClassFactory {
    const K8ClassFactoryVtbl* vtbl;
};

/* The entry points, found with dlsym under these names. */
typedef K8Result (*K8DllRegisterServer)(void);
typedef K8Result (*K8DllUnregisterServer)(void);
typedef K8Result (*K8DllGetClassObject)(const K8Guid* clsid, const K8Guid* iid, void** object);
typedef K8Result (*K8DllCanUnloadNow)(void);

/* The register on the screen keeps its settings, reports and output files in the folder this variable
   names; otherwise in the user's data folder of the running application. */
#define K8TR4072_FOLDER_ENV "RECEIPTS_FOLDER"

/* ---- The registry file: an INI file of sections "[ProgID name]" and "[CLSID {...}]". ----
   K8TR4072_REGISTRY names it; otherwise /etc/k8tr4072/registry.ini for root, else
   $XDG_CONFIG_HOME/k8tr4072/registry.ini or ~/.config/k8tr4072/registry.ini. */

#define K8TR4072_REGISTRY_ENV "K8TR4072_REGISTRY"

static inline int k8tr4072_RegistryPath(char* path, size_t size) {
    const char* chosen = getenv(K8TR4072_REGISTRY_ENV);
    int written;
    if (chosen && *chosen) {
        written = snprintf(path, size, "%s", chosen);
    } else if (geteuid() == 0) {
        written = snprintf(path, size, "/etc/k8tr4072/registry.ini");
    } else {
        const char* config = getenv("XDG_CONFIG_HOME");
        const char* home = getenv("HOME");
        if (config && *config)
            written = snprintf(path, size, "%s/k8tr4072/registry.ini", config);
        else if (home && *home)
            written = snprintf(path, size, "%s/.config/k8tr4072/registry.ini", home);
        else
            return 0;
    }
    return written > 0 && (size_t)written < size;
}

/* The value of key in [section] of the registry file; 1 when found. */
static inline int k8tr4072_RegistryValue(const char* section, const char* key, char* value, size_t size) {
    char file[4096], line[4096];
    size_t keyLength = strlen(key);
    int inSection = 0, found = 0;
    FILE* registry;
    if (!k8tr4072_RegistryPath(file, sizeof file) || !(registry = fopen(file, "r"))) return 0;
    while (!found && fgets(line, sizeof line, registry)) {
        line[strcspn(line, "\r\n")] = '\0';
        if (line[0] == '[') {
            size_t length = strlen(line);
            inSection = length >= 2 && line[length - 1] == ']' && strlen(section) == length - 2 &&
                        strncmp(line + 1, section, length - 2) == 0;
        } else if (inSection && strncmp(line, key, keyLength) == 0 && line[keyLength] == '=') {
            found = (size_t)snprintf(value, size, "%s", line + keyLength + 1) < size;
        }
    }
    fclose(registry);
    return found;
}

/* The class id registered for progId, as text; 1 when registered. */
static inline int k8tr4072_ProgIdToClsid(const char* progId, char* clsid, size_t size) {
    char section[512];
    if ((size_t)snprintf(section, sizeof section, "ProgID %s", progId) >= sizeof section) return 0;
    return k8tr4072_RegistryValue(section, "CLSID", clsid, size);
}

/* The library registered for the class id text; 1 when registered. */
static inline int k8tr4072_ClsidToPath(const char* clsid, char* path, size_t size) {
    char section[512];
    if ((size_t)snprintf(section, sizeof section, "CLSID %s", clsid) >= sizeof section) return 0;
    return k8tr4072_RegistryValue(section, "InprocServer", path, size);
}

/* "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" to a class id; 1 when the text is well formed: braces,
   dashes and hex digits in their places and nothing else, so that no sign, short group or missing
   brace slips through the scan. */
static inline int k8tr4072_GuidFromText(const char* text, K8Guid* guid) {
    unsigned int d[11];
    int i;
    char end;
    if (strlen(text) != 38 || text[0] != '{' || text[37] != '}') return 0;
    for (i = 1; i < 37; ++i)
        if (i == 9 || i == 14 || i == 19 || i == 24 ? text[i] != '-' : !isxdigit((unsigned char)text[i]))
            return 0;
    if (sscanf(text, "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}%c", &d[0], &d[1], &d[2], &d[3], &d[4], &d[5],
               &d[6], &d[7], &d[8], &d[9], &d[10], &end) != 11)
        return 0;
    guid->data1 = d[0];
    guid->data2 = (uint16_t)d[1];
    guid->data3 = (uint16_t)d[2];
    for (i = 0; i < 8; ++i)
        guid->data4[i] = (uint8_t)d[3 + i];
    return 1;
}

static inline int k8tr4072_GuidEqual(const K8Guid* a, const K8Guid* b) {
    return memcmp(a, b, sizeof(K8Guid)) == 0;
}

#ifdef __cplusplus
}
#endif

#endif

// One getter and one setter per property, found by the name without regard to letter case.
#include "objectproperties.h"

#include "connectionhandles.h"
#include "oledate.h"

#include "clsreceiptsshop.h"

#include <cstring>
#include <functional>
#include <map>

namespace component {

namespace {

using Object = component::clsReceiptsShop;

struct Accessors {
    std::function<K8Result(Object&, K8Value&)> get;
    std::function<K8Result(Object&, const K8Value&)> put;
};

K8Result textValue(const QString& text, K8Value& value) {
    const QByteArray utf8 = text.toUtf8();
    char* copy = static_cast<char*>(std::malloc(utf8.size() + 1));
    if (!copy) return K8_E_FAIL;
    std::memcpy(copy, utf8.constData(), utf8.size() + 1);
    value.type = K8_VT_TEXT;
    value.u.text = copy;
    return K8_S_OK;
}

Accessors textProperty(QString Object::*field) {
    return {[field](Object& o, K8Value& v) { return textValue(o.*field, v); },
            [field](Object& o, const K8Value& v) {
                if (v.type != K8_VT_TEXT) return K8_DISP_E_TYPEMISMATCH;
                o.*field = v.u.text ? QString::fromUtf8(v.u.text) : QString();
                return K8_S_OK;
            }};
}

Accessors idProperty(qint32 Object::*field) {
    return {[field](Object& o, K8Value& v) {
                v.type = K8_VT_I4;
                v.u.i4 = o.*field;
                return K8_S_OK;
            },
            [field](Object& o, const K8Value& v) {
                if (v.type != K8_VT_I4) return K8_DISP_E_TYPEMISMATCH;
                o.*field = v.u.i4;
                return K8_S_OK;
            }};
}

Accessors dateProperty() {
    return {[](Object& o, K8Value& v) {
                v.type = K8_VT_DATE;
                v.u.date = OleDate::fromDateTime(o.dtProcessDate);
                return K8_S_OK;
            },
            [](Object& o, const K8Value& v) {
                if (v.type != K8_VT_DATE) return K8_DISP_E_TYPEMISMATCH;
                if (!OleDate::inRange(v.u.date)) return K8_E_INVALIDARG;
                o.dtProcessDate = OleDate::toDateTime(v.u.date);
                return K8_S_OK;
            }};
}

// A connection string opens a connection of the component's own; a handle shares another instance's.
K8Result putConnection(Object& o, const K8Value& v) {
    if (v.type == K8_VT_CONNECTION) {
        ado::ConnectionPtr connection = ConnectionHandles::find(v.u.connection);
        if (!connection) return K8_E_INVALIDARG;
        o.setAdocon(connection);
        return K8_S_OK;
    }
    if (v.type != K8_VT_TEXT) return K8_DISP_E_TYPEMISMATCH;
    if (!v.u.text) return K8_E_POINTER;
    ado::ConnectionPtr connection = ado::Connection::create();
    try {
        connection->open(QString::fromUtf8(v.u.text));
    } catch (const std::exception&) {
        return K8_DISP_E_EXCEPTION;
    }
    o.setAdocon(connection);
    return K8_S_OK;
}

Accessors connectionProperty() {
    return {[](Object& o, K8Value& v) {
                v.type = K8_VT_CONNECTION;
                v.u.connection = ConnectionHandles::handleFor(o.adocon());
                return K8_S_OK;
            },
            putConnection};
}

const std::map<QString, Accessors>& properties() {
    static const std::map<QString, Accessors> table = {
        {QStringLiteral("adocon"), connectionProperty()},
        {QStringLiteral("strmsgboxcaption"), textProperty(&Object::strMsgboxCaption)},
        {QStringLiteral("intcompanyid"), idProperty(&Object::intCompanyID)},
        {QStringLiteral("intshopid"), idProperty(&Object::intShopID)},
        {QStringLiteral("intuserid"), idProperty(&Object::intUserID)},
        {QStringLiteral("intfinancialid"), idProperty(&Object::intFinancialID)},
        {QStringLiteral("dtprocessdate"), dateProperty()},
    };
    return table;
}

const Accessors* find(const char* name) {
    const auto found = properties().find(QString::fromUtf8(name).toLower());
    return found == properties().end() ? nullptr : &found->second;
}

} // namespace

K8Result ObjectProperties::get(Object& object, const char* name, K8Value& value) {
    const Accessors* accessors = find(name);
    return accessors ? accessors->get(object, value) : K8_DISP_E_UNKNOWNNAME;
}

K8Result ObjectProperties::put(Object& object, const char* name, const K8Value& value) {
    const Accessors* accessors = find(name);
    return accessors ? accessors->put(object, value) : K8_DISP_E_UNKNOWNNAME;
}

} // namespace component

// Properties by name: types, letter case, connections by string and by handle.
#include "platform/com/connectionhandles.h"
#include "platform/com/objectproperties.h"

#include "module/clsreceiptsshop.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using com::ObjectProperties;

namespace {

K8Value textValue(const char* text) {
    K8Value v{};
    v.type = K8_VT_TEXT;
    v.u.text = const_cast<char*>(text);
    return v;
}

K8Value numberValue(int32_t number) {
    K8Value v{};
    v.type = K8_VT_I4;
    v.u.i4 = number;
    return v;
}

TEST(ObjectProperties, namesIgnoreLetterCase) {
    module::clsReceiptsShop object;
    const K8Value v = numberValue(12);
    EXPECT_EQ(ObjectProperties::put(object, "INTFINANCIALID", v), K8_S_OK);
    EXPECT_EQ(object.intFinancialID, 12);
    K8Value read{};
    EXPECT_EQ(ObjectProperties::get(object, "intfinancialid", read), K8_S_OK);
    EXPECT_EQ(read.type, K8_VT_I4);
    EXPECT_EQ(read.u.i4, 12);
}

TEST(ObjectProperties, textsAreUtf8AndNullIsEmpty) {
    module::clsReceiptsShop object;
    EXPECT_EQ(ObjectProperties::put(object, "strMsgboxCaption", textValue("Kasse \xC3\xBC")), K8_S_OK);
    EXPECT_EQ(object.strMsgboxCaption, QStringLiteral(u"Kasse ü"));
    EXPECT_EQ(ObjectProperties::put(object, "strMsgboxCaption", textValue(nullptr)), K8_S_OK);
    EXPECT_TRUE(object.strMsgboxCaption.isEmpty());
    K8Value read{};
    ASSERT_EQ(ObjectProperties::get(object, "strMsgboxCaption", read), K8_S_OK);
    EXPECT_STREQ(read.u.text, "");
    std::free(read.u.text);
}

TEST(ObjectProperties, wrongTypeOrUnknownNameLeavesValueAlone) {
    module::clsReceiptsShop object;
    object.intUserID = 3;
    K8Value read{};
    read.type = K8_VT_I4;
    read.u.i4 = 99;
    EXPECT_EQ(ObjectProperties::put(object, "intUserID", textValue("4")), K8_DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ObjectProperties::put(object, "intUser", numberValue(4)), K8_DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ObjectProperties::get(object, "intUser", read), K8_DISP_E_UNKNOWNNAME);
    EXPECT_EQ(read.u.i4, 99);
    EXPECT_EQ(object.intUserID, 3);
}

TEST(ObjectProperties, unsetConnectionReadsAsNewUnopenedOne) {
    module::clsReceiptsShop object;
    K8Value read{};
    ASSERT_EQ(ObjectProperties::get(object, "adocon", read), K8_S_OK);
    EXPECT_EQ(read.type, K8_VT_CONNECTION);
    const ado::ConnectionPtr connection = com::ConnectionHandles::find(read.u.connection);
    ASSERT_TRUE(connection);
    EXPECT_EQ(connection->state(), ado::ObjectState::Closed);
    EXPECT_EQ(connection, object.adocon());
}

TEST(ObjectProperties, connectionStringOpensAndHandleShares) {
    QTemporaryDir dir;
    const QByteArray text = "Driver=sqlite;Database=" + dir.filePath(QStringLiteral("a.db")).toUtf8();
    module::clsReceiptsShop first, second;
    ASSERT_EQ(ObjectProperties::put(first, "adocon", textValue(text.constData())), K8_S_OK);
    EXPECT_EQ(first.adocon()->state(), ado::ObjectState::Open);
    K8Value handle{};
    ASSERT_EQ(ObjectProperties::get(first, "adocon", handle), K8_S_OK);
    ASSERT_EQ(ObjectProperties::put(second, "adocon", handle), K8_S_OK);
    EXPECT_EQ(second.adocon(), first.adocon());
}

TEST(ObjectProperties, handleOfReleasedConnectionIsRefused) {
    K8Value handle{};
    {
        module::clsReceiptsShop gone;
        ASSERT_EQ(ObjectProperties::get(gone, "adocon", handle), K8_S_OK);
    }
    module::clsReceiptsShop object;
    const ado::ConnectionPtr before = object.adocon();
    EXPECT_EQ(ObjectProperties::put(object, "adocon", handle), K8_E_INVALIDARG);
    EXPECT_EQ(object.adocon(), before);
}

} // namespace

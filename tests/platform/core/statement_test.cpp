// Filling the named places of a statement text.
#include "platform/core/runtimeerror.h"
#include "platform/core/statement.h"

#include <gtest/gtest.h>

namespace {

TEST(Statement, fillsEachNamedPlaceAndLeavesOtherColonsAsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"select 1", "select 1"},
        {":shop", "7"},
        {"where shopid=:shop and x = ':shop_2'", "where shopid=7 and x = 'ab'"},
        {"at '10:30' or :1 or :", "at '10:30' or :1 or :"},
        {"x=:shop:shop_2,:_", "x=7ab,u"},
        {":missing and more", "error 5"}};
    for (const auto& [text, expected] : cases) {
        QString filled;
        try {
            filled = core::statement(text, {{"shop", "7"}, {"shop_2", "ab"}, {"_", "u"}});
        } catch (const core::RuntimeError& e) {
            filled = QString("error %1").arg(e.number());
        }
        EXPECT_EQ(filled.toStdString(), expected) << text;
    }
}

} // namespace

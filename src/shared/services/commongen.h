// Combo selection by item data and the numeric key filter.
#pragma once

#include "servicesinterfaces.h"

namespace suite {

class CommonGen : public ClsCommonGen {
public:
    void SelectComboItemByValue(forms::ComboBox& combo, qint32 value) override;
    void textvalidatenum(forms::TextBox& box, int& keyAscii, int limit, int decimals) override;
};

} // namespace suite

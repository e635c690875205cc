// The user's stored column layout of a grid.
#pragma once

#include "servicesinterfaces.h"

namespace suite {

class MasterGridSetting : public ClsMasterGridSetting {
public:
    // Applies the widths stored in aGridSettings for the user, the company and the grid
    // ("Form.grid"); a grid without stored rows keeps its layout.
    void fnGridSettings(qint16 userId, qint16 companyId, forms::Grid& grid,
                        ado::ConnectionPtr& connection) override;
};

} // namespace suite

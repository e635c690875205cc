// Registers the real service classes under their ProgIDs.
#include "realservices.h"

#include "commondb.h"
#include "commongen.h"
#include "errordetails.h"
#include "formcolor.h"
#include "mastergridsetting.h"
#include "userauditing.h"

namespace suite {

template <class T> static Creator creatorOf() {
    return [] { return std::make_shared<T>(); };
}

std::vector<std::pair<QString, Creator>> realServiceCreators() {
    return {
        {progid::CommonDb, creatorOf<CommonDb>()},
        {progid::CommonGen, creatorOf<CommonGen>()},
        {progid::ErrorDetails, creatorOf<DatabaseErrorDetails>()},
        {progid::FormColor, creatorOf<FormColor>()},
        {progid::UserAuditing, creatorOf<UserAuditing>()},
        {progid::MasterGridSetting, creatorOf<MasterGridSetting>()},
    };
}

} // namespace suite

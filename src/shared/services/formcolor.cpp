// Applies the colour scheme kept in aFormColor.
#include "formcolor.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/tabcontrol.h"

namespace suite {

std::optional<FormColor::Scheme> FormColor::schemeFor(const QString& formName) {
    if (!adocon || !adocon->isOpen()) return std::nullopt;
    ado::Recordset rs;
    rs.open(QStringLiteral("select backcolor, forecolor from aFormColor where formname in (") +
                ado::quoted(formName) +
                QStringLiteral(",'*') order by case formname when '*' then 1 else 0 end"),
            adocon, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    std::optional<Scheme> scheme;
    if (!rs.eof()) scheme = Scheme{core::toInt32(rs.field(0)), core::toInt32(rs.field(1))};
    rs.close();
    return scheme;
}

// Only the window's background takes the scheme: controls whose colours carry meaning (red
// cancelled rows, selection colours) keep their own.
void FormColor::Applyformcolor(forms::Form& form) {
    const auto scheme = schemeFor(form.name());
    if (!scheme) return;
    for (forms::Control* control : form.controls()) {
        const auto kind = control->kind();
        if (kind == forms::ControlKind::Frame || kind == forms::ControlKind::Label ||
            kind == forms::ControlKind::OptionButton || kind == forms::ControlKind::PictureBox)
            control->setBackColor(scheme->backColor);
    }
}

void FormColor::Applytabcolor(forms::TabControl& tabs) {
    const auto scheme = schemeFor(tabs.form().name());
    if (scheme) tabs.setBackColor(scheme->backColor);
}

} // namespace suite

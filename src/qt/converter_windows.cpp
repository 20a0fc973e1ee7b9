#include "qt/converter_windows.h"

#include <QStyle>
#include <vector>

#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "ui/converters/frm_birth_time_to_ishta_ghatika.h"
#include "ui/converters/frm_ishtaghatika_to_birth_time.h"

namespace jd::qt {

ConverterView::ConverterView(ConverterPanel& model, QWidget* parent) : QWidget(parent) {
    setObjectName(toQt(model.name()));
    setFont(QFont(QStringLiteral("Verdana"), 8));

    for (Label* l : {&model.lblBirthDate, &model.lblDateHint, &model.lblTime, &model.lblTimeHint, &model.lblCountry,
                     &model.lblCity, &model.lblLatitude, &model.lblLongitude, &model.lblTimeZone})
        new QtLabel(*l, this);

    // The result: Verdana 9 bold on pale yellow.
    auto* result = new QtLabel(model.result, this);
    QFont bold(QStringLiteral("Verdana"), 9);
    bold.setBold(true);
    result->setFont(bold);
    result->setAutoFillBackground(true);
    QPalette pal = result->palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    result->setPalette(pal);
    result->setAlignment(Qt::AlignCenter);

    // Tab order: the date, the two time boxes, country, city, zone, the
    // buttons, then the picture buttons of the city and time-zone masters, as
    // in the birth-details window.
    std::vector<QWidget*> tabOrder;
    for (ComboBox* c : {&model.Txt_VP_Date, &model.Txt_VP_Month, &model.Txt_VP_YEAR, &model.cbHour, &model.cbMins,
                        &model.Cmb_VP_Country, &model.Cmb_VP_City, &model.cbTimeZone})
        tabOrder.push_back(new QtComboBox(*c, &model, this));
    tabOrder.push_back(new QtButton(model.cmdSubmit, &model, this));
    tabOrder.push_back(new QtButton(model.Command1, &model, this));

    for (TextBox* t : {&model.txtLatDetails, &model.txtLonDetails}) {
        auto* box = new QtTextBox(*t, &model, this);
        box->setFocusPolicy(Qt::ClickFocus);
    }

    const auto pictureButton = [&](CommandButton& b, const QString& tip) {
        auto* button = new QtButton(b, &model, this);
        button->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
        button->setToolTip(tip);
        tabOrder.push_back(button);
    };
    pictureButton(model.cityMasterButton, QStringLiteral("City Details"));
    pictureButton(model.zoneMasterButton, QStringLiteral("Time Zone"));
    chainTabOrder(tabOrder);
}

void defineConverterWindows(WindowRegistry& windows) {
    windows.define<frm_BirthTimetoIshtaGhatika>();
    windows.define<frm_IshtaghatikaToBirthTime>();
}

void addConverterViews(ViewFactory& views) {
    const auto maker = [](Window& w) -> QWidget* {
        auto* model = dynamic_cast<ConverterPanel*>(&w);
        return model ? new ConverterView(*model) : nullptr;
    };
    views.add(frm_BirthTimetoIshtaGhatika::kWindowName, maker, ViewDecoration::Titled);
    views.add(frm_IshtaghatikaToBirthTime::kWindowName, maker, ViewDecoration::Titled);
}

}  // namespace jd::qt

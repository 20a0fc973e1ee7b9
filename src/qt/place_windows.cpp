#include "qt/place_windows.h"

#include <QPointer>
#include <vector>

#include "platform/subscription.h"
#include "qt/next_pass.h"
#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "ui/places/frm_add_country.h"
#include "ui/places/frm_add_time_zone.h"
#include "ui/places/frm_new_lat_lon.h"

namespace jd::qt {

namespace {

QWidget* newView(Window& w) {
    auto* view = new QWidget;
    view->setObjectName(toQt(w.name()));
    view->setFont(QFont(QStringLiteral("Verdana"), 8));
    return view;
}

// Keeps a grid's widget scrolled so that the model's top row shows first,
// right under the fixed rows, once the widget has drawn the model's latest
// change. The user's own moves of the current cell scroll nothing back.
class TopRowFollower : public QObject {
public:
    TopRowFollower(Grid& model, QtGrid* grid) : QObject(grid), model_(model), grid_(grid) {
        sub_ = Subscription(model_, [this] {
            if (pending_ || (grid_ && grid_->handlingUserInput())) return;
            pending_ = true;
            onNextPass(this, [this] {
                pending_ = false;
                const int top = model_.topRow();
                if (!grid_ || top >= grid_->rowCount() || grid_->columnCount() == 0) return;
                // Rows drawn in this same pass have no scroll range yet.
                grid_->doItemsLayout();
                grid_->scrollTo(grid_->model()->index(top, 0), QAbstractItemView::PositionAtTop);
            });
        });
    }

private:
    Grid& model_;
    QPointer<QtGrid> grid_;
    Subscription sub_;
    bool pending_ = false;
};

QWidget* countryView(Window& w) {
    auto* model = dynamic_cast<frm_Add_Country*>(&w);
    if (!model) return nullptr;
    frm_Add_Country& m = *model;
    QWidget* view = newView(m);
    new QtTabStrip(m.TabStrip1, &m, view);
    const auto panel = [&](Frame& frame, Label& searchLabel, TextBox& search, Label& listLabel, ListBox& list,
                           Label& nameLabel, TextBox& name, CommandButton& button) {
        auto* f = new QtFrame(frame, view);
        for (Label* l : {&nameLabel, &searchLabel, &listLabel}) new QtLabel(*l, f);
        chainTabOrder({new QtTextBox(name, &m, f), new QtButton(button, &m, f), new QtTextBox(search, &m, f),
                       new QtListBox(list, &m, f)});
    };
    panel(m.frameAdd, m.Label6, m.txtSearch, m.Label1, m.lstboxAdd, m.Label2, m.txtAddName, m.cmdAddSave);
    panel(m.frameEdit, m.Label3, m.txtEditSearch, m.Label4, m.lstEditBox, m.Label5, m.txtEdit, m.cmdEditUpdate);
    new QtButton(m.cmdAddCLose, &m, view);
    return view;
}

QWidget* timeZoneView(Window& w) {
    auto* model = dynamic_cast<frm_AddTimeZone*>(&w);
    if (!model) return nullptr;
    frm_AddTimeZone& m = *model;
    QWidget* view = newView(m);
    new QtTabStrip(m.TabStrip1, &m, view);

    auto* add = new QtFrame(m.frameAdd, view);
    auto* addSave = new QtFrame(m.frameAddSave, add);
    for (Label* l : {&m.lblAddCountry, &m.lblAddCity, &m.lblAddHours, &m.lblAddMinutes, &m.lblAddEW})
        new QtLabel(*l, addSave);
    chainTabOrder({new QtComboBox(m.cbAddCountry, &m, addSave), new QtTextBox(m.txtAddCity, &m, addSave),
                   new QtTextBox(m.txtAddLatDeg, &m, addSave), new QtTextBox(m.txtAddLAtMin, &m, addSave),
                   new QtComboBox(m.cbAddEW, &m, addSave), new QtButton(m.cmdAddSave, &m, addSave)});
    new QtGrid(m.mshCity, &m, new QtFrame(m.frameAddSearch, add));

    auto* edit = new QtFrame(m.frameEdit, view);
    auto* update = new QtFrame(m.frameUpdate, edit);
    for (Label* l : {&m.lblEditCountry, &m.lblEditZone, &m.lblEditCity, &m.lblEditHours, &m.lblEditMinutes,
                     &m.lblEditEW})
        new QtLabel(*l, update);
    chainTabOrder({new QtComboBox(m.cbEditCountry, &m, update), new QtComboBox(m.cbEditCity, &m, update),
                   new QtTextBox(m.txtEditCity, &m, update), new QtTextBox(m.txtEditLatDeg, &m, update),
                   new QtTextBox(m.txtEditLatMIn, &m, update), new QtComboBox(m.cbEditEW, &m, update),
                   new QtButton(m.cmdEditUpdate, &m, update)});
    new QtGrid(m.mshEditCity, &m, new QtFrame(m.frameEditSearch, edit));

    auto* viewPanel = new QtFrame(m.Frameview, view);
    new QtLabel(m.lblViewCountry, viewPanel);
    new QtComboBox(m.cmbCountry, &m, viewPanel);
    new QtGrid(m.mshViewCity, &m, viewPanel);

    new QtButton(m.Command1, &m, view);
    return view;
}

QWidget* cityView(Window& w) {
    auto* model = dynamic_cast<frm_New_LatLon*>(&w);
    if (!model) return nullptr;
    frm_New_LatLon& m = *model;
    QWidget* view = newView(m);
    new QtTabStrip(m.TabStrip1, &m, view);

    auto* add = new QtFrame(m.frameAdd, view);
    auto* addSave = new QtFrame(m.frameAddSave, add);
    for (Label* l : {&m.lblAddCountry, &m.lblAddCity, &m.lblAddLatDeg, &m.lblAddNS, &m.lblAddLatMin, &m.lblAddLonDeg,
                     &m.lblAddEW, &m.lblAddLonMin})
        new QtLabel(*l, addSave);
    chainTabOrder({new QtComboBox(m.cbAddCountry, &m, addSave), new QtTextBox(m.txtAddCity, &m, addSave),
                   new QtTextBox(m.txtAddLatDeg, &m, addSave), new QtComboBox(m.cbAddNS, &m, addSave),
                   new QtTextBox(m.txtAddLAtMin, &m, addSave), new QtTextBox(m.txtAddLonDeg, &m, addSave),
                   new QtComboBox(m.cbAddEW, &m, addSave), new QtTextBox(m.txtAddLonMin, &m, addSave),
                   new QtButton(m.cmdAddSave, &m, addSave)});
    new QtGrid(m.mshCity, &m, new QtFrame(m.frameAddSearch, add));

    auto* edit = new QtFrame(m.frameEdit, view);
    auto* update = new QtFrame(m.frameUpdate, edit);
    for (Label* l : {&m.lblEditCountry, &m.lblEditCityList, &m.lblEditCity, &m.lblEditLatDeg, &m.lblEditNS,
                     &m.lblEditLatMin, &m.lblEditLonDeg, &m.lblEditEW, &m.lblEditLonMin})
        new QtLabel(*l, update);
    chainTabOrder({new QtComboBox(m.cbEditCountry, &m, update), new QtComboBox(m.cbEditCity, &m, update),
                   new QtTextBox(m.txtEditCity, &m, update), new QtTextBox(m.txtEditLatDeg, &m, update),
                   new QtComboBox(m.cbEditNS, &m, update), new QtTextBox(m.txtEditLatMIn, &m, update),
                   new QtTextBox(m.txtEditLonDeg, &m, update), new QtComboBox(m.cbEditEW, &m, update),
                   new QtTextBox(m.txtEditLonMin, &m, update), new QtButton(m.cmdEditUpdate, &m, update)});
    new QtGrid(m.mshEditCity, &m, new QtFrame(m.frameEditSearch, edit));

    auto* viewPanel = new QtFrame(m.Frameview, view);
    new QtLabel(m.lblViewCountry, viewPanel);
    new QtLabel(m.lblCityName, viewPanel);
    auto* country = new QtComboBox(m.cmbCountry, &m, viewPanel);
    auto* grid = new QtGrid(m.mshViewCity, &m, viewPanel);
    new TopRowFollower(m.mshViewCity, grid);
    chainTabOrder({country, grid, new QtTextBox(m.txtCityName, &m, viewPanel), new QtButton(m.cmdFind, &m, viewPanel)});

    new QtButton(m.cmdAddCLose1, &m, view);
    return view;
}

}  // namespace

void addPlaceMasterViews(ViewFactory& views) {
    views.add(frm_Add_Country::kWindowName, countryView, ViewDecoration::Titled);
    views.add(frm_AddTimeZone::kWindowName, timeZoneView, ViewDecoration::Titled);
    views.add(frm_New_LatLon::kWindowName, cityView, ViewDecoration::Titled);
}

}  // namespace jd::qt

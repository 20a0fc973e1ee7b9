// The real windows on the (offscreen) screen choose only what the user
// chooses: the focus moving through combo and list boxes, and the mouse
// wheel over a tab strip, change no entry and fire no handler, while the
// user's clicks, arrow keys and type-ahead still choose.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QWheelEvent>
#include <memory>
#include <string>
#include <vector>

#include "qt/converter_windows.h"
#include "qt/open_chart_window.h"
#include "qt/personal_details_window.h"
#include "qt/place_windows.h"
#include "qt/qt_app.h"
#include "qt/retrive_birth_data_window.h"
#include "ui/chart/frm_retrive_birth_data.h"
#include "ui/converters/frm_birth_time_to_ishta_ghatika.h"
#include "ui/converters/frm_ishtaghatika_to_birth_time.h"
#include "ui/places/frm_add_country.h"
#include "ui/shell/frm_details.h"
#include "ui/places/place_masters.h"
#include "ui/saved_chart_fixture.h"

namespace jd::qt {
namespace {

using testing_support::storedChart;

// A key pressed where the user's focus is.
void press(int qtKey, const QString& text = {}) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QKeyEvent down(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

void type(const QString& text) {
    for (QChar c : text) press(c.toUpper().unicode(), QString(c));
}

class UserChoicesQtTest : public testing_support::SavedChartTest {
protected:
    void SetUp() override {
        testing::app();
        SavedChartTest::SetUp();
    }
    void TearDown() override {
        views_.clear();
        SavedChartTest::TearDown();
    }

    // Shows a view as the active window.
    template <class View>
    View& show(std::unique_ptr<View> view) {
        View& v = *view;
        views_.push_back(std::move(view));
        v.show();
        QApplication::setActiveWindow(&v);
        return v;
    }
    template <class W>
    W* child(const char* name) {
        for (const auto& v : views_)
            if (W* w = v->findChild<W*>(QString::fromLatin1(name))) return w;
        ADD_FAILURE() << name;
        return nullptr;
    }

    std::vector<std::unique_ptr<QWidget>> views_;
};

TEST_F(UserChoicesQtTest, ALoadedChartTabbedThroughKeepsItsOwnPlaceAndChoosesNothing) {
    // A chart whose place lies off its city's coordinates in the atlas.
    SavedChart c = storedChart("Ravi~5-Jul-1965");
    c.LatitudeDegree = 18;
    c.LatitudeMinute = 10;
    c.LongitudeDegree = 79;
    c.LongitudeMinute = 5;
    insertChart(db(), c);
    frm_OpenChart& w = chartWindow();
    w.mnuOpen.click();
    windows->get<Frm_RetriveBirthData>().List_VC_ChartName.setListIndex(0);
    ASSERT_EQ(w.txtLatDetails.text(), "18 N 10");

    std::vector<std::string> clicked;
    ComboBox* boxes[] = {&w.cbGender, &w.txt_Date, &w.txt_Month, &w.txt_Year, &w.cbHour,
                         &w.cbMins, &w.txt_VC_Country, &w.txt_VC_City, &w.cbTimeZone};
    for (ComboBox* b : boxes)
        b->onClick = [&clicked, b, handler = b->onClick] {
            clicked.push_back(b->name());
            if (handler) handler();
        };
    show(std::make_unique<OpenChartWindow>(w));
    child<QLineEdit>("Txt_VC_ChartName")->setFocus(Qt::MouseFocusReason);
    for (ComboBox* b : boxes) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), child<QComboBox>(b->name().c_str())) << b->name();
    }
    press(Qt::Key_Tab);
    EXPECT_EQ(clicked, std::vector<std::string>{});
    EXPECT_EQ(w.txtLatDetails.text(), "18 N 10");
    EXPECT_EQ(w.txtLonDetails.text(), "79 E 5");
    EXPECT_EQ(w.txt_VC_LatDeg, 18);
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
    EXPECT_EQ(w.Opt_PM.value(), true);

    // The city holds only an entry of its list: Delete takes nothing from it.
    child<QComboBox>("txt_VC_City")->setFocus(Qt::MouseFocusReason);
    for (int k : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete}) press(k);
    EXPECT_EQ(w.txt_VC_City.text(), "Hyderabad");
    EXPECT_EQ(child<QComboBox>("txt_VC_City")->currentText().toStdString(), "Hyderabad");
}

TEST_F(UserChoicesQtTest, TheSavedChartListChoosesOnlyTheEntryClicked) {
    insertChart(db(), storedChart("Anand~5-Jul-1965"));
    const std::int32_t second = insertChart(db(), storedChart("Bala~5-Jul-1965"));
    frm_OpenChart& w = chartWindow();
    show(std::make_unique<OpenChartWindow>(w));
    w.mnu_New.click();
    type("Chitra");
    w.mnuOpen.click();
    Frm_RetriveBirthData& list = windows->get<Frm_RetriveBirthData>();
    show(std::make_unique<RetriveBirthDataWindow>(list));
    auto* entries = child<QListWidget>("List_VC_ChartName");
    ASSERT_EQ(entries->count(), 2);

    entries->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list.List_VC_ChartName.listIndex(), -1);
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Chitra");
    child<QAbstractButton>("Cmd_Submit")->click();
    EXPECT_EQ(fakes.messageBox.last().text, "Select Chart Name ");
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Chitra");

    testing::mouseClick(entries->viewport(), entries->visualItemRect(entries->item(1)).center());
    EXPECT_EQ(w.Txt_VC_ChartName.text(), "Bala");
    EXPECT_EQ(w.txt_VC_UserId, second);
}

TEST_F(UserChoicesQtTest, AConverterResultSurvivesATab) {
    auto& panel = windows->get<frm_BirthTimetoIshtaGhatika>();
    show(std::make_unique<ConverterView>(panel));
    child<QComboBox>("Cmb_VP_Country")->setFocus(Qt::MouseFocusReason);
    type("ind");  // the type-ahead chooses India
    ASSERT_EQ(panel.Cmb_VP_Country.text(), "India");
    panel.Cmb_VP_City.choose(panel.Cmb_VP_City.findPrefix("Hyderabad"));
    panel.cmdSubmit.click();
    ASSERT_TRUE(panel.result.visible()) << fakes.messageBox.last().text;
    const std::string result = panel.result.caption();

    child<QComboBox>("Txt_VP_Date")->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QComboBox>("Txt_VP_Month"));
    EXPECT_TRUE(panel.result.visible());
    EXPECT_EQ(panel.result.caption(), result);
}

// Tab goes on from Cancel to the picture buttons that open the city and
// time-zone masters, as in the birth-details window.
TEST_F(UserChoicesQtTest, TabReachesTheConvertersPlaceMasterButtonsAfterCancel) {
    definePlaceMasters(*windows);
    ConverterPanel* panels[] = {&windows->get<frm_BirthTimetoIshtaGhatika>(),
                                &windows->get<frm_IshtaghatikaToBirthTime>()};
    for (ConverterPanel* panel : panels) {
        QWidget& view = show(std::make_unique<ConverterView>(*panel));
        const auto button = [&](const CommandButton& b) {
            return view.findChild<QAbstractButton*>(QString::fromStdString(b.name()));
        };
        button(panel->Command1)->setFocus(Qt::TabFocusReason);
        for (const CommandButton* next : {&panel->cityMasterButton, &panel->zoneMasterButton}) {
            press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), button(*next)) << panel->name() << " " << next->name();
        }
    }
}

// The button a window gives the focus as it opens shows the focus, as one
// the user tabs to does: Enter presses it.
TEST_F(UserChoicesQtTest, TheFirstButtonOfAWindowShowsItHasTheFocus) {
    auto& m = windows->get<frm_Details>();
    ViewFactory factory;
    addPersonalDetailsView(factory);
    QWidget& view = show(std::unique_ptr<QWidget>(factory.find(frm_Details::kWindowName)->maker(m)));
    auto* first = view.findChild<QPushButton*>("cmdNew");
    ASSERT_TRUE(first->hasFocus());
    const QImage focused = first->grab().toImage();
    view.findChild<QPushButton*>("cmdEdit")->setFocus(Qt::MouseFocusReason);
    EXPECT_NE(first->grab().toImage(), focused);
}

TEST_F(UserChoicesQtTest, TheCountryMastersListAndTabsChangeOnlyByTheUser) {
    auto& m = windows->get<frm_Add_Country>();
    ViewFactory factory;
    addPlaceMasterViews(factory);
    show(std::unique_ptr<QWidget>(factory.find(frm_Add_Country::kWindowName)->maker(m)));
    auto* tabs = child<QTabBar>("TabStrip1");
    testing::mouseClick(tabs, tabs->tabRect(1).center());
    ASSERT_EQ(m.TabStrip1.selectedIndex(), 2);
    ASSERT_EQ(m.lstEditBox.listIndex(), 0);  // the tab chose the first country

    child<QLineEdit>("txtEditSearch")->setFocus(Qt::MouseFocusReason);
    type("zz");  // finds nothing: no country stays selected
    ASSERT_EQ(m.lstEditBox.listIndex(), -1);
    child<QLineEdit>("txtEdit")->setFocus(Qt::MouseFocusReason);
    type("Bharat");
    auto* list = child<QListWidget>("lstEditBox");
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m.txtEdit.text(), "Bharat");
    EXPECT_EQ(m.lstEditBox.listIndex(), -1);

    // A wheel turn over the tab strip shows no other tab.
    const QPointF over = tabs->tabRect(1).center();
    QWheelEvent wheel(over, tabs->mapToGlobal(over), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(tabs, &wheel);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(m.TabStrip1.selectedIndex(), 2);
    EXPECT_EQ(m.txtEdit.text(), "Bharat");

    // The arrow keys in the list choose.
    press(Qt::Key_Down);
    EXPECT_EQ(m.lstEditBox.listIndex(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(m.lstEditBox.listIndex(), 1);
    EXPECT_EQ(m.txtEdit.text(), m.lstEditBox.list(1));
}

}  // namespace
}  // namespace jd::qt

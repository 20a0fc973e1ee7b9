// A middle-click paste of the X11 primary selection on the xcb platform
// (the offscreen platform has no primary selection): the pasted text reaches
// a text box or a combo box's text part only through its model's key rules,
// and the widget shows what the model holds.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QWidget>

#include "platform/input_controls.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"
#include "ui/places/place_forms.h"

namespace jd::qt {
namespace {

class PlaceWindow : public Window {
public:
    PlaceWindow() : Window("frm_New_LatLon", "City") {}
};

void middleClick(QWidget* w) {
    testing::mouseClick(w, QPointF(w->width() / 2.0, w->height() / 2.0), Qt::MiddleButton);
}

void select(const QString& text) { QApplication::clipboard()->setText(text, QClipboard::Selection); }

TEST(MiddleClickPaste, GoesThroughTheModelsKeyRules) {
    testing::app();
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    ASSERT_TRUE(QApplication::clipboard()->supportsSelection());
    PlaceWindow window;
    QWidget parent;
    TextBox degrees{"txtAddLatDeg", "", 3};
    wirePlaceTextKeys(degrees, true, [] {});
    TextBox name{"Txt_VC_ChartName", "", 25};
    ComboBox city{"cbEditCity"};
    wirePlaceComboKeys(window, city, [] {});
    QtTextBox degreesBox(degrees, &window, &parent);
    QtTextBox nameBox(name, &window, &parent);
    QtComboBox cityBox(city, &window, &parent);
    degreesBox.setGeometry(0, 0, 100, 24);
    nameBox.setGeometry(0, 30, 300, 24);
    cityBox.setGeometry(0, 60, 200, 24);
    city.addItem("Hyderabad");
    city.choose(0);
    parent.show();

    select("abc1234");
    middleClick(&degreesBox);  // a digits-only box refuses a paste
    EXPECT_EQ(degrees.text(), "");
    EXPECT_EQ(degreesBox.text().toStdString(), "");

    const QString long47 = QStringLiteral("Sri Venkata Satyanarayana Murthy Garu of Guntur");
    ASSERT_EQ(long47.size(), 47);
    select(long47);
    middleClick(&nameBox);
    EXPECT_EQ(name.text(), long47.left(25).toStdString());
    EXPECT_EQ(nameBox.text().toStdString(), name.text());

    select("Atlantis");
    middleClick(cityBox.lineEdit());  // a box that takes only its entries
    EXPECT_EQ(cityBox.lineEdit()->text().toStdString(), "Hyderabad");
    QApplication::processEvents();
    EXPECT_EQ(city.text(), "Hyderabad");
    EXPECT_EQ(cityBox.lineEdit()->text().toStdString(), "Hyderabad");
    EXPECT_EQ(city.listIndex(), 0);
}

}  // namespace
}  // namespace jd::qt

// Typing as the user does, on an X display: keys pressed and released
// through the X server's test extension with a person's timing, reaching the
// window that X gives the input focus. A message box closed with Enter held
// down for a moment, and a filled box that the Enter chain moves into.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qt_x11/x11_program.h"
#include "ui/places/frm_add_country.h"
#include "ui/places/frm_new_lat_lon.h"

namespace jd::qt {
namespace {

using namespace x11;

// The program's own message boxes, counted. A box still open after a while
// is closed, so a box that comes back cannot hold the test.
class CountedBoxes : public MessageBox {
public:
    explicit CountedBoxes(QtMessageBox& boxes) : real(boxes) {}
    MsgResult show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::optional<std::string>& title) override {
        texts.push_back(text);
        const size_t n = texts.size();
        if (onShow) onShow(n);
        QTimer::singleShot(3000, &alive, [this, n] {
            if (texts.size() != n) return;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Ok);
        });
        return real.show(text, icon, buttons, title);
    }

    QtMessageBox& real;
    QObject alive;  // its timers go with it
    std::vector<std::string> texts;
    std::function<void(size_t)> onShow;  // told the number of each box as it opens
};

class TypingOnX11 : public ProgramOnX11 {
protected:
    MessageBox& messageBox() override { return counted; }
    static void choose(ComboBox& c, const std::string& text) {
        const int i = c.findPrefix(text);
        ASSERT_GE(i, 0) << text;
        c.choose(i);
    }

    CountedBoxes counted{boxes};
};

// Enter in the country master's search box tells that no country begins
// with the text. The user closes that box with Enter, holding it down for a
// moment: the key's release comes back to the search box once the box has
// gone, and must not search again.
TEST_F(TypingOnX11, EnterHeldToCloseTheNotFoundBoxRaisesItNoMore) {
    auto& m = openFromMenu<frm_Add_Country>("mDI_Country");
    m.TabStrip1.clickTab(2);
    m.setFocus(m.txtEditSearch);
    pump(100);
    keys.type("zz");
    counted.onShow = [this](size_t n) {
        if (n != 1) return;
        QTimer::singleShot(100, frame.get(), [this] {
            waitUntil([] { return qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr; });
            keys.key(kReturn, true);  // answers the box, which goes
            QTimer::singleShot(120, frame.get(), [this] { keys.key(kReturn, false); });
        });
    };
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    pump(1500);
    EXPECT_EQ(counted.texts, std::vector<std::string>{"No Such Country  Exists"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// On the Edit tab of City Details the chosen city fills the boxes; Enter
// moves through them, and what is typed then takes the place of the text.
TEST_F(TypingOnX11, TypingAfterEnterReplacesTheTextOfAFilledBox) {
    auto& m = openFromMenu<frm_New_LatLon>("MDI_LAt_Lon");
    m.TabStrip1.clickTab(2);
    choose(m.cbEditCountry, "India");
    choose(m.cbEditCity, "Hyderabad");
    ASSERT_EQ(m.txtEditCity.text(), "Hyderabad");
    ASSERT_FALSE(m.txtEditLatDeg.text().empty());
    m.setFocus(m.cbEditCity);
    pump(100);
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    keys.type("X");
    EXPECT_EQ(m.txtEditCity.text(), "X");
    keys.key(kReturn, true);
    keys.key(kReturn, false);
    keys.type("4");
    EXPECT_EQ(m.txtEditLatDeg.text(), "4");
}

}  // namespace
}  // namespace jd::qt

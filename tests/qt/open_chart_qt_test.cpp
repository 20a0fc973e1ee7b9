// The birth-details window on the (offscreen) screen: its border and title
// bar, and a whole chart entered by keys and clicks in the real widgets and
// cast.
#include "qt/open_chart_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/database.h"
#include "platform/database_build.h"
#include "platform/fake_services.h"
#include "platform/window.h"
#include "qt/qt_app.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/result_window_stand_ins.h"

namespace jd::qt {
namespace {

namespace fs = std::filesystem;

// A copy of the database built from data/ in a folder of this run.
struct TempDatabase {
    fs::path dir = fs::temp_directory_path() / ("jd_open_chart_qt_" + std::to_string(::getpid()));
    std::string path = (dir / "DBTessel.db").string();
    TempDatabase() {
        fs::create_directories(dir);
        buildDatabase(path, std::string(JD_SOURCE_DIR) + "/data");
    }
    ~TempDatabase() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

void press(QWidget* w, int qtKey, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

// Keys go where the user's focus is.
QWidget* focus() {
    QWidget* w = QApplication::focusWidget();
    EXPECT_NE(w, nullptr);
    return w;
}

void type(const QString& text) {
    for (QChar c : text) press(focus(), c.toUpper().unicode(), QString(c));
}

void enter() { press(focus(), Qt::Key_Return, "\r"); }

// A click: the widget takes the focus when it takes it by clicks, as the
// platform gives it, then the button goes down and up over its middle.
void click(QWidget* w) {
    if (w->focusPolicy() & Qt::ClickFocus) w->setFocus(Qt::MouseFocusReason);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

class OpenChartQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        resetState();
        resultWindows().resetAll();
        fakes.clock.set(DateTime::of(2024, 3, 7, 9, 41, 0));
        state().services = fakes.services();
        static const TempDatabase db;
        state().gDbConnection = Database::open(db.path);
        windows = std::make_unique<WindowRegistry>(fakes.services());
        testing_support::defineResultWindowStandIns(*windows);
        state().gWindows = windows.get();
        model = &windows->get<frm_OpenChart>();
        model->show();
    }
    void TearDown() override {
        view.reset();
        windows.reset();
        resetState();
        resultWindows().resetAll();
    }

    // The view as the frame keeps it: a window of its own, owned by the frame.
    OpenChartWindow& showView() {
        view = std::make_unique<OpenChartWindow>(*model);
        view->setParent(&frame, Qt::Window);
        view->show();
        QApplication::setActiveWindow(view.get());
        return *view;
    }
    template <class W>
    W* child(const char* name) {
        W* w = view->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    FakeServices fakes;
    std::unique_ptr<WindowRegistry> windows;
    frm_OpenChart* model = nullptr;
    QMainWindow frame;
    std::unique_ptr<OpenChartWindow> view;
};

TEST_F(OpenChartQtTest, AFixedWindowOfItsOwnWithOnlyACloseButton) {
    OpenChartWindow& w = showView();
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.parentWidget(), &frame);
    const Qt::WindowFlags f = w.windowFlags();
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.windowTitle(), "Enter Birth Details");

    // The File menu and the toolbar, every command available.
    QMenu* file = child<QMenu>("mnu_File");
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction* a : file->actions()) items << (a->isSeparator() ? "-" : a->text() + (a->isEnabled() ? "" : " (off)"));
    EXPECT_EQ(items, (QStringList{"&New", "&Open", "-", "&Save", "&Delete", "-", "&Close"}));
    QStringList tips;
    for (QAction* a : w.toolBar()->actions()) tips << a->toolTip() + (a->isEnabled() ? "" : " (off)");
    EXPECT_EQ(tips, (QStringList{"New BrithDetails", "Open Birthdetails", "Save Details", "Delete Details", "Close"}));
}

TEST_F(OpenChartQtTest, AWholeChartEnteredByKeysAndClicksIsCast) {
    showView();
    click(child<QLineEdit>("Txt_VC_ChartName"));
    ASSERT_EQ(QApplication::focusWidget(), child<QLineEdit>("Txt_VC_ChartName"));
    type("Ravi Kumar");
    enter();
    type("f");  // the sex
    enter();
    type("14");  // the day
    enter();
    type("jul");
    enter();
    type("19x65");  // the year, selected when entered, takes digits only
    enter();
    type("02");
    enter();
    type("15");
    click(child<QAbstractButton>("Opt_PM"));
    click(child<QComboBox>("txt_VC_Country")->lineEdit());
    ASSERT_EQ(QApplication::focusWidget(), child<QComboBox>("txt_VC_Country"));
    type("in");
    enter();
    type("hyd");
    enter();
    EXPECT_EQ(child<QComboBox>("cbTimeZone")->currentText(), "India  (5.5 hrs E)");
    EXPECT_EQ(child<QLineEdit>("txtLatDetails")->text(), "17 N 23");
    EXPECT_EQ(child<QLineEdit>("txtLonDetails")->text(), "78 E 27");

    click(child<QAbstractButton>("cmdSave"));
    EXPECT_TRUE(fakes.messageBox.shown().empty()) << fakes.messageBox.last().text;
    EXPECT_FALSE(model->visible());
    const BirthDetails& b = state().birth;
    EXPECT_EQ(b.gChartName, "Ravi Kumar");
    EXPECT_EQ(b.gGender, "Female");
    EXPECT_EQ(b.gBirthDay + "/" + b.gBirthMonth + "/" + b.gBirthYear, "14/Jul/1965");
    EXPECT_EQ(b.gBirthHour + ":" + b.gBirthMinute, "14:15");
    EXPECT_EQ(b.gCity + ", " + b.gCountry, "Hyderabad, India");
    const UserDetailsContents& u = resultWindows().frm_UserDetails;
    EXPECT_EQ(u.txtGName.caption(), "Ravi Kumar");
    EXPECT_EQ(u.Txt_BC_Date.caption(), "14 / Jul / 1965");
    EXPECT_EQ(u.txtLatutude.caption(), "17 N 23");
    EXPECT_EQ(u.txtTimeZone.caption(), "5.5 E");
}

TEST_F(OpenChartQtTest, AFailingCheckIsShownAndTheFocusGoesToItsBox) {
    showView();
    click(child<QAbstractButton>("cmdSave"));
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "Enter Name");
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("Txt_VC_ChartName"));
    EXPECT_TRUE(model->visible());

    // New from the menu empties the boxes on the screen too.
    type("Sita");
    child<QMenu>("mnu_File")->actions().front()->trigger();
    EXPECT_EQ(child<QLineEdit>("Txt_VC_ChartName")->text(), "");
    EXPECT_EQ(child<QComboBox>("txt_Year")->currentText(), "");
}

}  // namespace
}  // namespace jd::qt

// The program on the offscreen platform: the frame with its menus, the wait
// panel, the result windows with their chart pictures, the navigator and
// the advertisement panes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <functional>

#include "horoscope/chart_run.h"
#include "platform/fake_services.h"
#include "qt/chart_picture.h"
#include "qt/main_frame.h"
#include "qt/program.h"
#include "qt/qt_app.h"
#include "qt/qt_controls.h"
#include "qt/qt_services.h"
#include "qt/twips.h"
#include "qt/wait_panel_widget.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_retrive_birth_data.h"
#include "ui/chart/frm_save_chart.h"
#include "ui/places/frm_new_lat_lon.h"
#include "ui/shell/main_horoscope.h"
#include "ui/shell/mdi_quill.h"

namespace jd::qt {
namespace {

namespace fs = std::filesystem;

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        resetState();
        resultWindows().resetAll();
        folder_ = testing::programFolder("jd_qt_");
        addProgramViews(views);
        defineProgramWindows(windows);
    }
    void TearDown() override {
        frame.reset();
        state().gWindows = nullptr;
        resetState();
        resultWindows().resetAll();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // A window manager runs on the display when `windowManager` says so.
    void start(bool windowManager = false) {
        frame = std::make_unique<MainFrame>();
        frame->setWindowManagerCheck([windowManager] { return windowManager; });
        startProgram(windows, views, *frame, QString::fromStdString(folder_.string()));
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    MDIQuill& main() { return windows.get<MDIQuill>(); }
    ChartPicture* rasiPicture() {
        QWidget* view = frame->viewOf("frm_rasi");
        return view ? view->findChild<ChartPicture*>() : nullptr;
    }

    fs::path folder_;
    FakeServices fakes;
    WindowRegistry windows{fakes.services()};
    ViewFactory views;
    std::unique_ptr<MainFrame> frame;
};

// "-" marks a separator, submenu entries are indented.
std::vector<std::string> menuTexts(QMenuBar* bar) {
    std::vector<std::string> out;
    for (QAction* top : bar->actions()) {
        out.push_back(top->text().toStdString());
        if (QMenu* m = top->menu())
            for (QAction* a : m->actions()) out.push_back("  " + (a->isSeparator() ? std::string("-") : a->text().toStdString()));
    }
    return out;
}

TEST_F(Program, TheFrameShowsItsMenusWithTheirExactCaptions) {
    start();
    EXPECT_EQ(frame->windowTitle(), "Jataka Desk 0.1");
    const std::vector<std::string> expected{
        "&Enter Birth Details", "&Tools", "  &Country Master", "  Cit&y Master", "  Time &Zone Master", "  -",
        "  Edit Personal &Info", "  &Preferences", "&Time Converter", "  &BirthTime To  IshtaGhatika", "  -",
        "  Ishta&Ghatika To BirthTime", "Help", "  &Help", "  -", "  &About Us", "E&xit",
    };
    EXPECT_EQ(menuTexts(frame->menuBar()), expected);
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(Program, MenuEnablingFollowsTheModel) {
    start();
    QAction* tools = frame->menuBar()->findChild<QAction*>("mnuTools");
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isEnabled());
    main().mnuTools.setEnabled(false);
    EXPECT_FALSE(tools->isEnabled());
}

// Where a chart reader looks for each cell, in a square of side 1: South
// and East by sign from Aries, North by house from the first.
struct ReaderCell {
    double x, y;
};
const ReaderCell kSouth[12] = {{0.375, 0.125}, {0.625, 0.125}, {0.875, 0.125}, {0.875, 0.375},
                               {0.875, 0.625}, {0.875, 0.875}, {0.625, 0.875}, {0.375, 0.875},
                               {0.125, 0.875}, {0.125, 0.625}, {0.125, 0.375}, {0.125, 0.125}};
const ReaderCell kNorth[12] = {{0.50, 0.25}, {0.25, 0.07}, {0.07, 0.25}, {0.25, 0.50}, {0.07, 0.75}, {0.25, 0.93},
                               {0.50, 0.75}, {0.75, 0.93}, {0.93, 0.75}, {0.75, 0.50}, {0.93, 0.25}, {0.75, 0.07}};
const ReaderCell kEast[12] = {{0.50, 0.17}, {0.25, 0.07}, {0.07, 0.25}, {0.17, 0.50}, {0.07, 0.75}, {0.25, 0.93},
                              {0.50, 0.83}, {0.75, 0.93}, {0.93, 0.75}, {0.83, 0.50}, {0.93, 0.25}, {0.75, 0.07}};

QString shown(const Label& cell) {
    return QString::fromStdString(cell.caption()).replace("\r\n", "\n").trimmed();
}

TEST_F(Program, TheRasiChartInEachStyleShowsTheSampleChartsCells) {
    start();
    const RasiContents& rasi = resultWindows().frm_rasi;
    struct StyleCase {
        const char* style;
        ChartStyle drawn;
        const ReaderCell* places;
    };
    for (const StyleCase& c : {StyleCase{"South", ChartStyle::South, kSouth}, StyleCase{"North", ChartStyle::North, kNorth},
                               StyleCase{"East", ChartStyle::East, kEast}}) {
        SCOPED_TRACE(c.style);
        state().prefs.gChartStyle = c.style;
        ASSERT_TRUE(FnCastHoroscope());
        windows.bringToFront("frm_rasi");
        settle();
        ChartPicture* picture = rasiPicture();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->style(), c.drawn);
        const double side = std::min(picture->width(), picture->height()) - 8;
        const QPointF origin((picture->width() - side) / 2, (picture->height() - side) / 2);
        int filled = 0;
        for (int n = 1; n <= 12; ++n) {
            const Label& cell = c.drawn == ChartStyle::South   ? rasi.Lab_GM_GirlHouse[n - 1]
                                : c.drawn == ChartStyle::North ? rasi.Lab_ChartHouseN_Girl[n]
                                                               : rasi.Lab_chartHouse_Girl_Rasi[n];
            const QPointF at = origin + QPointF(c.places[n - 1].x * side, c.places[n - 1].y * side);
            EXPECT_EQ(picture->textAt(at), shown(cell)) << "cell " << n;
            if (!cell.caption().empty()) ++filled;
        }
        EXPECT_GE(filled, 5) << "the sample chart's bodies are spread over several cells";
        // The picture is drawn: it differs from a blank sheet.
        const QImage image = picture->grab().toImage();
        EXPECT_NE(image.pixelColor(image.width() / 2, 5), image.pixelColor(2, 2));
    }
    // The lagna is in the first house of the North chart.
    state().prefs.gChartStyle = "North";
    ASSERT_TRUE(FnCastHoroscope());
    EXPECT_NE(resultWindows().frm_rasi.Lab_ChartHouseN_Girl[1].caption(), "");
}

TEST_F(Program, TheWaitPanelCoversTheFrameWhileTheBarGrowsAndGoesAfterwards) {
    start();
    std::vector<int> fills;
    bool alwaysShown = true;
    WaitPanel& panel = main().waitPanel();
    const int sub = panel.PicIn.subscribe([&] {
        if (!panel.PicMask.visible() || panel.PicMask.height() <= 0) return;
        alwaysShown = alwaysShown && frame->waitPanel()->isVisible();
        fills.push_back(frame->waitPanel()->fillRect().width());
    });
    ASSERT_TRUE(FnCastHoroscope());
    panel.PicIn.unsubscribe(sub);

    EXPECT_TRUE(alwaysShown);
    ASSERT_GE(fills.size(), 14u);
    EXPECT_TRUE(std::is_sorted(fills.begin(), fills.end()));
    EXPECT_GT(fills.back(), fills.front());
    EXPECT_FALSE(frame->waitPanel()->isVisible());
}

TEST_F(Program, NavigatorAndFrameAgreeOnTheWindowInFront) {
    start();
    auto& nav = windows.get<frm_MainHoroscope>();
    ASSERT_NE(frame->subWindowOf("frm_MainHoroscope"), nullptr);
    nav.tV.clickNode(6);  // "Planet Positions"
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), frame->subWindowOf("Frm_PP"));

    // The user clicks a node of the tree with the mouse.
    auto* tree = frame->viewOf("frm_MainHoroscope")->findChild<QTreeWidget*>("tV");
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* dasa = tree->topLevelItem(8);
    ASSERT_NE(dasa, nullptr);
    ASSERT_EQ(dasa->text(0), "Dasa");
    const QPoint at = tree->visualItemRect(dasa).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(at), tree->viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &click);
    }
    settle();
    EXPECT_EQ(state().gActiveWindowName, "Dasa");
    EXPECT_EQ(windows.front()->name(), "Frm_Dasa");
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), frame->subWindowOf("Frm_Dasa"));
    nav.tV.clickNode(6);

    // The user activates another window in the frame.
    frame->mdiArea()->setActiveSubWindow(frame->subWindowOf("frm_Navamsa"));
    EXPECT_EQ(windows.front()->name(), "frm_Navamsa");

    // After a recast the chosen window is in front again.
    ASSERT_TRUE(FnCastHoroscope());
    settle();
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), frame->subWindowOf("Frm_PP"));
    EXPECT_EQ(frame->subWindowOf("Frm_PP")->geometry().topLeft(), QPoint(133, 1));
}

// The sub-window on top of the others in the frame.
QMdiSubWindow* topmost(QMdiArea* area) {
    const QList<QMdiSubWindow*> stacked = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it)
        if ((*it)->isVisible()) return *it;
    return nullptr;
}

TEST_F(Program, ActivatingTheNavigatorBringsTheChosenWindowOverItAndLeavesTheKeysInTheTreeUntilEnter) {
    start();
    windows.get<frm_MainHoroscope>().tV.clickNode(6);  // "Planet Positions"
    settle();
    QMdiSubWindow* nav = frame->subWindowOf("frm_MainHoroscope");
    auto* tree = nav->findChild<QTreeWidget*>("tV");
    ASSERT_NE(tree, nullptr);

    // The user clicks the navigator's title bar.
    frame->mdiArea()->setActiveSubWindow(nav);
    settle();
    EXPECT_EQ(topmost(frame->mdiArea()), frame->subWindowOf("Frm_PP"));
    EXPECT_EQ(QApplication::focusWidget(), tree);

    // The arrow keys go on choosing in the tree.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(tree, &down);
    settle();
    EXPECT_EQ(state().gActiveWindowName, "Vargas");
    EXPECT_EQ(topmost(frame->mdiArea()), frame->subWindowOf("Frm_Vargas"));
    EXPECT_EQ(QApplication::focusWidget(), tree);

    // Enter gives the keys to the chosen window, and the user comes back.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(tree, &enter);
    settle();
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), frame->subWindowOf("Frm_Vargas"));
    EXPECT_TRUE(frame->subWindowOf("Frm_Vargas")->isAncestorOf(QApplication::focusWidget()));
    frame->mdiArea()->setActiveSubWindow(nav);
    settle();
    EXPECT_EQ(QApplication::focusWidget(), tree);

    // From another window, a click into the tree does the same.
    frame->mdiArea()->setActiveSubWindow(frame->subWindowOf("frm_rasi"));
    tree->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(topmost(frame->mdiArea()), frame->subWindowOf("Frm_Vargas"));
    EXPECT_EQ(QApplication::focusWidget(), tree);

    // A menu command's window takes the focus all the same.
    QAction* preferences = frame->menuBar()->findChild<QAction*>("mnuPreferences");
    preferences->trigger();
    settle();
    frame->mdiArea()->setActiveSubWindow(frame->subWindowOf("frm_rasi"));
    tree->setFocus(Qt::MouseFocusReason);
    preferences->trigger();
    settle();
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), frame->subWindowOf("frm_Preferences"));
}

TEST_F(Program, TheNavigatorCannotBeClosedNorDraggedAway) {
    start();
    QMdiSubWindow* nav = frame->subWindowOf("frm_MainHoroscope");
    ASSERT_NE(nav, nullptr);
    EXPECT_FALSE(nav->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(nav->windowFlags() & Qt::WindowSystemMenuHint);
    nav->close();  // as the system menu's Close would
    settle();
    EXPECT_TRUE(windows.get<frm_MainHoroscope>().visible());
    EXPECT_EQ(frame->subWindowOf("frm_MainHoroscope"), nav);
    EXPECT_TRUE(nav->isVisible());

    // The user drags its title bar and its border.
    const QRect placed = nav->geometry();
    for (const QPoint from : {QPoint(40, 6), QPoint(2, 300)}) {
        const QPoint to = from + QPoint(150, 120);
        QMouseEvent hover(QEvent::MouseMove, QPointF(from), nav->mapToGlobal(QPointF(from)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(nav, &hover);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), nav->mapToGlobal(QPointF(from)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(nav, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), nav->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(nav, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(to), nav->mapToGlobal(QPointF(to)), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(nav, &release);
        settle();
        EXPECT_EQ(nav->geometry(), placed);
    }
}

TEST_F(Program, TheChosenWindowStaysOverTheNavigatorWhileAToolWindowOpensAndCloses) {
    start();
    auto* tree = frame->viewOf("frm_MainHoroscope")->findChild<QTreeWidget*>("tV");
    tree->setFocus(Qt::MouseFocusReason);  // the user clicks "Rasi"
    windows.get<frm_MainHoroscope>().tV.clickNode(2);
    settle();
    const auto above = [this](const char* upper, const char* lower) {
        const QList<QMdiSubWindow*> order = frame->mdiArea()->subWindowList(QMdiArea::StackingOrder);
        return order.indexOf(frame->subWindowOf(upper)) > order.indexOf(frame->subWindowOf(lower));
    };
    ASSERT_TRUE(above("frm_rasi", "frm_MainHoroscope"));
    frame->menuBar()->findChild<QAction*>("mnuPreferences")->trigger();
    settle();
    EXPECT_EQ(topmost(frame->mdiArea()), frame->subWindowOf("frm_Preferences"));
    EXPECT_TRUE(above("frm_rasi", "frm_MainHoroscope"));
    frame->subWindowOf("frm_Preferences")->close();
    settle();
    EXPECT_EQ(topmost(frame->mdiArea()), frame->subWindowOf("frm_rasi"));
}

// A box belongs to the window the registry says the user works in, also
// while the window system still has another one active: the birth-details
// window the program has just shown, whose activation is yet to come.
TEST_F(Program, AMessageBoxBelongsToTheWindowTheUserWorksInAsTheRegistryKnowsIt) {
    start();
    QtMessageBox boxes([this] { return frame->workingWindow(); });
    ASSERT_EQ(QApplication::activeWindow(), frame.get());
    windows.get<frm_OpenChart>().show();
    QWidget* entry = frame->viewOf("frm_OpenChart");
    ASSERT_EQ(windows.active(), &windows.get<frm_OpenChart>());
    ASSERT_EQ(QApplication::activeWindow(), frame.get());
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) owner = box->parentWidget();
        if (modal) modal->close();
    });
    boxes.show("Enter Name", MsgIcon::Information, MsgButtons::OK, std::nullopt);
    EXPECT_EQ(owner, entry);
}

// The program's real message boxes, each answered as soon as it is up;
// their texts are kept.
class AnsweredBoxes : public MessageBox {
public:
    explicit AnsweredBoxes(QtMessageBox& boxes) : real_(boxes) {}
    MsgResult show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::optional<std::string>& title) override {
        texts.push_back(text);
        QTimer::singleShot(0, &alive_, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Ok);
        });
        return real_.show(text, icon, buttons, title);
    }
    std::vector<std::string> texts;

private:
    QtMessageBox& real_;
    QObject alive_;  // its timers go with it
};

// The activations of windows the window system reports, counted. Past `cap`
// the rest are kept from the program, so activations that answer each other
// end there.
class CountedActivations : public QObject {
public:
    explicit CountedActivations(int cap) : cap_(cap) { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        return e->type() == QEvent::WindowActivate && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() &&
               ++count > cap_;
    }
    int count = 0;

private:
    int cap_;
};

// Save Chart refuses a used name, which the user sends again from its name
// box, by Enter and by Alt+S: each is refused once, and the keys stay in the
// name box. The offscreen platform reports each request to activate a window
// as an activation, as it comes: the hidden and shown again window's
// requests must not answer each other for ever.
TEST_F(Program, SaveChartRefusesAUsedNameSentAgainOnceEachTime) {
    QtMessageBox real([this] { return frame->workingWindow(); });
    AnsweredBoxes boxes(real);
    windows.services().messageBox = &boxes;
    start();
    constexpr int kCap = 100;
    const CountedActivations activations(kCap);
    frame->menuBar()->findChild<QAction*>("mnuBirthDetails")->trigger();
    settle();
    auto& entry = windows.get<frm_OpenChart>();
    entry.Txt_VC_ChartName.setText("A");
    entry.txt_VC_Country.choose(entry.txt_VC_Country.findPrefix("India"));
    entry.txt_VC_City.choose(entry.txt_VC_City.findPrefix("Hyderabad"));
    entry.mnuSave.click();
    settle();
    entry.txt_VC_UserId = 0;  // the same chart as a new one
    entry.mnuSave.click();
    settle();
    QWidget* view = frame->viewOf(Frm_SaveChart::kWindowName);
    ASSERT_NE(view, nullptr);
    auto* name = view->findChild<QWidget*>("Txt_SC_ChartName");
    auto* save = view->findChild<QAbstractButton*>("Cmd_SC_Save");
    ASSERT_EQ(QApplication::focusWidget(), name);

    testing::keyClick(name, Qt::Key_Return, "\r");
    settle();
    // Alt+S: the access key presses the button as a click shown, once the
    // event loop runs; the wait ends as its click is handled.
    QEventLoop clicked;
    QObject::connect(save, &QAbstractButton::clicked, &clicked, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(5000, &clicked, &QEventLoop::quit);  // a bound, should the click never come
    save->animateClick();
    clicked.exec();
    settle();
    const std::string used = "Chart Name Already Used , Enter Another Name";
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"Chart Successfully Saved", used, used, used}));
    EXPECT_LT(activations.count, kCap) << "the windows' activations answer each other";
    EXPECT_EQ(QApplication::activeWindow(), view);
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(Program, ASmallFrameScrollsToTheResultWindows) {
    start();
    frame->showNormal();
    frame->resize(700, 500);
    settle();
    EXPECT_TRUE(frame->mdiArea()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(frame->mdiArea()->verticalScrollBar()->isVisible());
}

// Where a window manager maximises the frame, Restore gives back the frame's
// own geometry: its title bar and edges lie on the screen.
TEST_F(Program, UnderAWindowManagerTheFrameRestoresWithinTheScreen) {
    start(true);
    ASSERT_TRUE(frame->isMaximized());
    const QRect room = frame->screen()->availableGeometry();
    const QRect normal = frame->normalGeometry();
    const QRect inner = frame->geometry(), outer = frame->frameGeometry();
    const QMargins edges(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    EXPECT_TRUE(room.contains(normal.marginsAdded(edges)));
    EXPECT_EQ(normal.size(), QSize(1024, 700).boundedTo(room.size().shrunkBy(edges)));
}

// The offscreen platform edges a window of its own as a window manager's
// frame would: the frame begins where the window's Load puts it, and the
// window's own area keeps the size the Load gives. Shown with an owner it is
// a dialog of the frame (kept above it); with none, a window with no parent.
TEST_F(Program, AWindowOfItsOwnHasItsFrameWhereItsLoadPutsIt) {
    start(true);
    const auto entry = [this] { return &windows.get<frm_OpenChart>(); };
    const struct {
        const char* name;
        std::function<void()> open;
        bool owned;
    } rows[] = {
        {Frm_RetriveBirthData::kWindowName, [&] { entry()->mnuOpen.click(); }, false},
        {Frm_RetriveBirthData::kWindowName, [&] { entry()->tbrChartFile_ButtonClick("open"); }, true},
        {Frm_RetriveBirthData::kWindowName, [&] {
             entry()->tbrChartFile_ButtonClick("open");
             entry()->mnuOpen.click();
         }, false},
        {Frm_SaveChart::kWindowName, [this] { windows.get(Frm_SaveChart::kWindowName).show(); }, false},
        {frm_OpenChart::kWindowName, [this] { main().mnuBirthDetails.click(); }, true},
        // Shown again by the Cancel of the master its picture button opened.
        {frm_OpenChart::kWindowName, [&] {
             main().mnuBirthDetails.click();
             entry()->cmdadd.click();
             windows.get<frm_New_LatLon>().cmdAddCLose1.click();
         }, true},
    };
    for (const auto& [name, open, owned] : rows) {
        SCOPED_TRACE(name);
        open();
        Window& w = windows.get(name);
        settle();
        QWidget* view = frame->viewOf(name);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->parentWidget(), owned ? frame.get() : nullptr);
        EXPECT_EQ(view->windowType(), owned ? Qt::Dialog : Qt::Window);
        ASSERT_NE(view->frameGeometry(), view->geometry()) << "the platform edges the window";
        EXPECT_EQ(view->pos(), QPoint(twipsToPixels(w.left()), twipsToPixels(w.top())));
        EXPECT_EQ(view->size(), QSize(twipsToPixels(w.width()), twipsToPixels(w.height())));
        windows.unload(w);
        settle();
    }
}

TEST_F(Program, TabbingThroughAWideMasterScrollsEachControlIntoSight) {
    start();
    frame->showNormal();
    frame->resize(800, 600);
    for (const char* command : {"MDI_LAt_Lon", "MDI_ADD_TimeZone"}) {
        SCOPED_TRACE(command);
        frame->menuBar()->findChild<QAction*>(command)->trigger();
        settle();
        QWidget* area = frame->mdiArea()->viewport();
        for (int i = 0; i < 40; ++i) {
            QWidget* w = QApplication::focusWidget();
            ASSERT_NE(w, nullptr);
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(w, &tab);
            QWidget* now = QApplication::focusWidget();
            const QRect r(now->mapTo(area, QPoint(0, 0)), now->size());
            if (r.width() <= area->width() && r.height() <= area->height()) {
                EXPECT_TRUE(area->rect().contains(r)) << now->objectName().toStdString();
            }
        }
    }
}

// Exit ends the program's event loop, whatever windows of their own are open:
// none, Enter Birth Details shown again by a place master's Cancel, Save Chart.
TEST_F(Program, ExitFromTheMenuEndsTheProgram) {
    const std::function<void()> opened[] = {[] {}, [this] {
        main().mnuBirthDetails.click();
        windows.get<frm_OpenChart>().cmdadd.click();
        windows.get<frm_New_LatLon>().cmdAddCLose1.click();
    }, [this] { windows.get<Frm_SaveChart>().show(); }};
    for (const auto& open : opened) {
        SCOPED_TRACE(&open - opened);
        start();
        open();
        int ended = 0;
        QObject::connect(frame.get(), &MainFrame::programEnded, [&] { ++ended; });
        QAction* exit = frame->menuBar()->findChild<QAction*>("mnuExit");
        ASSERT_NE(exit, nullptr);
        QTimer::singleShot(0, exit, &QAction::trigger);
        QTimer::singleShot(5000, frame.get(), [] { QCoreApplication::exit(1); });  // a bound, should it run on
        EXPECT_EQ(QCoreApplication::exec(), 0) << "the program runs on";
        EXPECT_EQ(ended, 1);
        EXPECT_TRUE(windows.quitRequested());
        EXPECT_FALSE(frame->isVisible());
        for (Window* w : windows.loadedWindows()) windows.unload(*w);  // the next program starts afresh
    }
}

TEST_F(Program, AdvertisementPanesShowTheShippedPagesOrNothing) {
    start();
    auto* pane = frame->viewOf("frm_UserDetails")->findChild<QTextBrowser*>("WebSendral_Right");
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->toPlainText().isEmpty()) << "no pages beside the program";

    fs::create_directories(folder_ / "ads");
    fs::copy(std::string(JD_SOURCE_DIR) + "/data/ads", folder_ / "ads", fs::copy_options::recursive);
    windows.bringToFront("frm_rasi");
    windows.bringToFront("frm_UserDetails");
    settle();
    EXPECT_TRUE(pane->toPlainText().contains("Jataka Desk")) << pane->toPlainText().toStdString();
}

// Each view's tab strips, grids and browser panes belong to its window: as
// one takes the keys, its window's focus is its control, so the window can
// hand the keys on (to its pages, whether shown or not).
TEST_F(Program, EveryTabStripGridAndBrowserPaneTakingTheKeysIsItsWindowsFocus) {
    start();
    for (const char* name : {"frm_UserDetails", "frm_rasi", "frm_Navamsa", "frm_BhavaChart", "frm_CBhava", "Frm_PP",
                             "Frm_Vargas", "Frm_AVargas", "Frm_Dasa", "Frm_Print", "frm_Add_Country",
                             "frm_AddTimeZone", "frm_New_LatLon"}) {
        SCOPED_TRACE(name);
        Window& window = windows.get(name);
        settle();
        QWidget* view = frame->viewOf(name);
        ASSERT_NE(view, nullptr);
        QList<QWidget*> held;
        for (QWidget* w : view->findChildren<QtTabStrip*>()) held << w;
        for (QWidget* w : view->findChildren<QtGrid*>()) held << w;
        for (QWidget* w : view->findChildren<QtBrowserPane*>()) held << w;
        EXPECT_FALSE(held.isEmpty());
        for (QWidget* w : held) {
            window.clearFocus();
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(w, &in);
            const Control* focused = window.focused();
            EXPECT_EQ(focused ? focused->name() : "", w->objectName().toStdString());
        }
    }
}

}  // namespace
}  // namespace jd::qt

#include "qt/print_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "qt/paper.h"
#include "qt/qt_controls.h"
#include "state/result_windows.h"
#include "ui/chart/frm_print.h"

namespace jd::qt {

namespace {

QFont verdana() {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(8.25);
    return f;
}

// A frame holding "^ Maximize" above its advertisement pane.
QWidget* advertisementFrame(Frame& frame, CommandButton& maximize, WebBrowser& pane, Window& owner,
                            Qt::Orientation along) {
    auto* box = new QtFrame(frame);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(new QtButton(maximize, &owner), 0, Qt::AlignLeft);
    auto* browser = new QtBrowserPane(pane, &owner);
    if (along == Qt::Vertical)
        browser->setMinimumWidth(160);
    else
        browser->setMinimumHeight(90);
    layout->addWidget(browser, 1);
    return box;
}

QWidget* printView(Window& w) {
    auto& window = static_cast<Frm_Print&>(w);
    PrintContents& c = window.contents();

    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("Frm_Print"));
    paintPaper(view);
    view->setFont(verdana());

    auto* title = new QtLabel(c.Label1);
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPointSizeF(11.25);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* horoscope = new QtFrame(c.Frame1);
    auto* h = new QVBoxLayout(horoscope);
    h->addWidget(new QtLabel(c.Label2));
    h->addWidget(new QtOptionButton(c.Op1, &window));
    h->addWidget(new QtOptionButton(c.Op2, &window));

    auto* output = new QtFrame(c.Frame2);
    auto* o = new QVBoxLayout(output);
    o->addWidget(new QtOptionButton(c.Op3, &window));
    o->addWidget(new QtOptionButton(c.Op4, &window));
    o->addWidget(new QtOptionButton(c.Op5, &window));

    auto* options = new QVBoxLayout;
    options->addWidget(horoscope);
    options->addWidget(output);
    options->addWidget(new QtButton(window.CoPrt, &window), 0, Qt::AlignLeft);
    options->addStretch(1);

    auto* grid = new QGridLayout(view);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addLayout(options, 1, 0);
    grid->addWidget(advertisementFrame(window.Frame4, window.cmdMaximize1, window.WebSendral_Right, window,
                                       Qt::Vertical),
                    1, 1);
    grid->addWidget(advertisementFrame(window.Frame3, window.cmdMaximize2, window.WebSendral_Bottom, window,
                                       Qt::Horizontal),
                    2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    return view;
}

}  // namespace

void addPrintWindowView(ViewFactory& views) {
    views.add(Frm_Print::kWindowName, printView, ViewDecoration::Frameless);
}

}  // namespace jd::qt

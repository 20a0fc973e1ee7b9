#include "qt/result_views.h"

#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QVBoxLayout>

#include "qt/chart_picture.h"
#include "qt/paper.h"
#include "qt/qt_controls.h"
#include "ui/chart/result_windows.h"

namespace jd::qt {

namespace {

const QColor kTitle(110, 50, 10);

QFont titleFont() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(16);
    f.setBold(true);
    return f;
}

// The shell every result window shares: the title at the top, the window's
// own content below it, the right-hand pane beside both and the bottom pane
// under all.
QWidget* resultShell(ResultWindow& w, Label& title, QWidget* content) {
    auto* view = new QWidget;
    view->setObjectName(toQt(w.name()));
    paintPaper(view);
    auto* grid = new QGridLayout(view);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setSpacing(6);

    auto* heading = new QtLabel(title);
    heading->setFont(titleFont());
    QPalette hp = heading->palette();
    hp.setColor(QPalette::WindowText, kTitle);
    heading->setPalette(hp);
    grid->addWidget(heading, 0, 0);
    content->setParent(view);
    grid->addWidget(content, 1, 0);

    auto* right = new QFrame(view);
    right->setObjectName(QStringLiteral("Frame1"));
    right->setFixedWidth(170);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(new QtButton(w.cmdMaximize1, &w), 0, Qt::AlignRight);
    rightLayout->addWidget(new QtBrowserPane(w.WebSendral_Right, &w, right), 1);
    grid->addWidget(right, 0, 1, 2, 1);

    auto* bottom = new QFrame(view);
    bottom->setObjectName(QStringLiteral("Frame2"));
    bottom->setFixedHeight(92);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addWidget(new QtBrowserPane(w.WebSendral_Bottom, &w, bottom), 1);
    bottomLayout->addWidget(new QtButton(w.cmdMaximize2, &w), 0, Qt::AlignTop);
    grid->addWidget(bottom, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    return view;
}

QtGrid* grid(Grid& model, Window& owner) {
    auto* g = new QtGrid(model, &owner);
    g->setFitColumnsToContents(true);
    // Columns fit their texts without trailing blanks; those are cut, not
    // shown as an ellipsis.
    g->setTextElideMode(Qt::ElideNone);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 8);
    return g;
}

QWidget* userDetailsView(Window& win) {
    auto& w = static_cast<frm_UserDetails&>(win);
    UserDetailsContents& c = w.contents();
    auto* content = new QWidget;
    auto* lines = new QGridLayout(content);
    lines->setHorizontalSpacing(10);
    lines->setVerticalSpacing(3);
    QFont captionFont = content->font();
    captionFont.setBold(true);
    const std::vector<DetailRow> rows = c.rows();
    const int half = int(rows.size() + 1) / 2;
    for (int i = 0; i < int(rows.size()); ++i) {
        const int row = i % half, col = (i / half) * 3;
        QWidget* caption = rows[i].caption ? static_cast<QWidget*>(new QtLabel(*rows[i].caption)) : new QLabel;
        caption->setFont(captionFont);
        lines->addWidget(caption, row, col);
        lines->addWidget(new QtLabel(*rows[i].value), row, col + 1);
    }
    lines->setColumnMinimumWidth(2, 24);
    lines->setColumnStretch(1, 1);
    lines->setColumnStretch(4, 1);
    lines->setRowStretch(half, 1);
    return resultShell(w, c.Label1, content);
}

QWidget* chartContent(ChartCells cells) {
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new ChartPicture(cells);
    picture->setFixedSize(470, 470);
    layout->addWidget(picture, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch(1);
    return content;
}

QWidget* rasiView(Window& win) {
    auto& w = static_cast<frm_rasi&>(win);
    RasiContents& c = w.contents();
    return resultShell(w, c.Label1,
                       chartContent({&c.Frame_SouthBride, &c.Frame_NorthBride, &c.Frame_EastBride, &c.Label10,
                                     &c.Lab_GM_GirlHouse, &c.Lab_ChartHouseN_Girl, &c.Lab_chartHouse_Girl_Rasi,
                                     &c.Lab_NHouseNo}));
}

template <class W>
QWidget* divisionView(Window& win) {
    auto& w = static_cast<W&>(win);
    DivisionChartContents& c = w.contents();
    return resultShell(w, c.Label1,
                       chartContent({&c.Frame_SouthBride, &c.Frame_NorthBride, &c.Frame_EastBride, &c.Label10,
                                     &c.Lab_GirlNav, &c.Lab_ChartHouseN_GirlNav, &c.Lab_ChartGHouse_Girl_Nav,
                                     &c.Lab_NHouseNo}));
}

QWidget* bhavaFeaturesView(Window& win) {
    auto& w = static_cast<frm_CBhava&>(win);
    CBhavaContents& c = w.contents();
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->addTab(grid(c.msh_Bhava, w), QStringLiteral("Bhavas"));
    tabs->addTab(grid(c.msh_star, w), QStringLiteral("Cusps and Lords"));
    return resultShell(w, c.Label1, tabs);
}

QWidget* planetPositionsView(Window& win) {
    auto& w = static_cast<Frm_PP&>(win);
    PlanetPositionsContents& c = w.contents();
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid(c.mshNirayana, w), 1);
    layout->addWidget(new QtLabel(c.Label2));
    layout->addWidget(new QtLabel(c.Label3));
    return resultShell(w, c.Label1, content);
}

QWidget* vargasView(Window& win) {
    auto& w = static_cast<Frm_Vargas&>(win);
    return resultShell(w, w.contents().Label1, grid(w.contents().mshVargas, w));
}

QWidget* ashtaVargasView(Window& win) {
    auto& w = static_cast<Frm_AVargas&>(win);
    return resultShell(w, w.contents().Label1, grid(w.contents().mshAshtaVarga, w));
}

QWidget* dasaView(Window& win) {
    auto& w = static_cast<Frm_Dasa&>(win);
    DasaContents& c = w.contents();
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* balance = new QtLabel(c.Lab_DasaBalanceV);
    QFont bold = balance->font();
    bold.setBold(true);
    balance->setFont(bold);
    layout->addWidget(balance);
    // The nine dasas above; the bhukthis and antaras, which run long, side
    // by side below them.
    auto part = [&bold, &w](Label& heading, Grid& g, QBoxLayout* into, int stretch) {
        auto* column = new QVBoxLayout;
        auto* h = new QtLabel(heading);
        h->setFont(bold);
        column->addWidget(h);
        QtGrid* table = grid(g, w);
        column->addWidget(table, 1);
        into->addLayout(column, stretch);
        return table;
    };
    auto* top = new QHBoxLayout;
    QtGrid* dasas = part(c.Label19, c.mshDasa, top, 0);
    dasas->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    dasas->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    top->addStretch(1);
    layout->addLayout(top);
    auto* below = new QHBoxLayout;
    part(c.Label1, c.mshBukti, below, 1);
    part(c.Label20, c.mshAntra, below, 1);
    layout->addLayout(below, 1);
    return resultShell(w, c.Label2, content);
}

}  // namespace

void addResultViews(ViewFactory& views) {
    views.add(frm_UserDetails::kWindowName, userDetailsView, ViewDecoration::Frameless);
    views.add(frm_rasi::kWindowName, rasiView, ViewDecoration::Frameless);
    views.add(frm_Navamsa::kWindowName, divisionView<frm_Navamsa>, ViewDecoration::Frameless);
    views.add(frm_BhavaChart::kWindowName, divisionView<frm_BhavaChart>, ViewDecoration::Frameless);
    views.add(frm_CBhava::kWindowName, bhavaFeaturesView, ViewDecoration::Frameless);
    views.add(Frm_PP::kWindowName, planetPositionsView, ViewDecoration::Frameless);
    views.add(Frm_Vargas::kWindowName, vargasView, ViewDecoration::Frameless);
    views.add(Frm_AVargas::kWindowName, ashtaVargasView, ViewDecoration::Frameless);
    views.add(Frm_Dasa::kWindowName, dasaView, ViewDecoration::Frameless);
}

}  // namespace jd::qt

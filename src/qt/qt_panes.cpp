#include "qt/qt_panes.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

namespace jd::qt {

// ------------------------------------------------------------------- tab strip

QtTabStrip::QtTabStrip(TabStrip& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    // The tab the user's arrow keys reach is chosen; any other change of the
    // current tab is Qt's and undone.
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (updating_) return;
        if (input_.active() && index >= 0)
            model_.clickTab(index + 1);
        else
            showChosenTab();
    });
    refresh();
}

void QtTabStrip::refresh() {
    if (updating_) return;
    {
        const Updating updating(updating_);
        bool same = count() == model_.tabCount();
        for (int i = 0; same && i < count(); ++i) same = tabText(i) == toQt(model_.caption(i + 1));
        if (!same) {
            while (count() > 0) removeTab(0);
            for (int i = 1; i <= model_.tabCount(); ++i) addTab(toQt(model_.caption(i)));
        }
        applyControl(this, model_);
    }
    showChosenTab();
}

void QtTabStrip::showChosenTab() {
    if (updating_) return;
    const Updating updating(updating_);
    if (currentIndex() != model_.selectedIndex() - 1) setCurrentIndex(model_.selectedIndex() - 1);
}

bool QtTabStrip::event(QEvent* e) {
    return input_.handle(this, e, [&] { return QTabBar::event(e); });
}

void QtTabStrip::mousePressEvent(QMouseEvent* e) {
    const int index = e->button() == Qt::LeftButton ? tabAt(e->position().toPoint()) : -1;
    if (index < 0) {
        QTabBar::mousePressEvent(e);
        return;
    }
    e->accept();
    model_.clickTab(index + 1);  // the strip shows the model's tab once the click is handled
}

void QtTabStrip::wheelEvent(QWheelEvent* e) { e->ignore(); }

// ---------------------------------------------------------------- browser pane

QtBrowserPane::QtBrowserPane(WebBrowser& model, Window* owner, QWidget* parent)
    : Bound(model, owner, parent) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        model_.navigate(fromQt(source().resolved(url).toString()));
    });
    refresh();
}

void QtBrowserPane::refresh() {
    if (shownNavigations_ != model_.navigationCount()) {
        shownNavigations_ = model_.navigationCount();
        if (!showPage(this, model_.locationURL())) clear();
    }
    applyControl(this, model_);
}

bool QtBrowserPane::showPage(QTextBrowser* browser, const std::string& url) {
    const QString address = toQt(url);
    const QUrl parsed(address);
    const QFileInfo file(parsed.isLocalFile() ? parsed.toLocalFile() : address);
    if (address.isEmpty() || !file.isFile() || !file.isReadable()) return false;
    const QUrl local = QUrl::fromLocalFile(file.absoluteFilePath());
    if (browser->source() == local)
        browser->reload();
    else
        browser->setSource(local, QTextDocument::HtmlResource);
    return true;
}

void QtBrowserPane::showAddress(QTextBrowser* browser, const std::string& url) {
    if (showPage(browser, url)) return;
    if (url.empty())
        browser->clear();
    else
        browser->setPlainText(QStringLiteral("This page is not available here: ") + toQt(url));
}

}  // namespace jd::qt

#include "qt/qt_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include "qt/qt_controls.h"
#include "qt/twips.h"
#include "qt/window_manager.h"

namespace jd::qt {

namespace {

// Room beside a caption for the window manager's title-bar buttons.
constexpr int kTitleButtonsWidth = 150;

// Makes a box at least as wide as its caption in the application's font and
// the title-bar buttons beside it, so the caption shows whole. QMessageBox
// sizes itself from its layout and ignores a minimum width, so the room is a
// spacer in a row of its own across the layout's columns.
void widenForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + kTitleButtonsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
}  // namespace

// ------------------------------------------------------------------ message box

MsgResult QtMessageBox::show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                             const std::optional<std::string>& title) {
    const QPointer<QWidget> owner = owner_ ? owner_() : nullptr;
    // On the heap and watched: the box goes with its window should that ever
    // go while the box is open.
    const QPointer<QMessageBox> guard = new QMessageBox(owner.data());
    QMessageBox& box = *guard;
    box.setTextFormat(Qt::PlainText);
    box.setText(toQt(text));
    box.setWindowTitle(toQt(messageCaption(title)));
    switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
        case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    widenForCaption(box);
    // A box its window's handler shows after naming the box that has the
    // keys hands that box over as the window asked once it is answered.
    HeldFocusRequest::keepForTheKeysReturn();
    const int answer = box.exec();
    delete guard.data();
    // The window the box belonged to, or, should that have gone meanwhile,
    // the one the user works in now.
    giveBackKeys(owner && owner->isVisible() ? owner.data() : owner_ ? owner_() : nullptr);
    switch (answer) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        default: break;
    }
    // Anything else (a box closed without a button) answers its escape button.
    if (buttons == MsgButtons::YesNo) return MsgResult::No;
    if (buttons == MsgButtons::OKCancel) return MsgResult::Cancel;
    return MsgResult::OK;
}

// ------------------------------------------------------------- clock and loop

DateTime QtClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime h = t.time();
    return DateTime::of(d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second());
}

void QtEventLoop::doEvents() { QCoreApplication::processEvents(); }

int QtScreen::width() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return static_cast<int>(pixelsToTwips(s ? s->size().width() : 1024));
}

int QtScreen::height() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return static_cast<int>(pixelsToTwips(s ? s->size().height() : 768));
}

// ---------------------------------------------------------------- save dialog

QString QtSaveFileDialog::qtFilter(const std::string& filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        if (i + 1 >= parts.size()) {
            out << description;
            break;
        }
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<std::string> QtSaveFileDialog::showSave(const SaveDialogOptions& options) {
    const QPointer<QWidget> owner = owner_ ? owner_() : nullptr;
    QString path;
    {
        QFileDialog dialog(owner.data(), toQt(options.title), lastFolder_, qtFilter(options.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!options.defaultExtension.empty()) dialog.setDefaultSuffix(toQt(options.defaultExtension));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
        if (!options.fileName.empty()) dialog.selectFile(toQt(options.fileName));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    giveBackKeys(owner.data());  // saved or cancelled
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace jd::qt

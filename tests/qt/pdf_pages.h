#pragma once
// The number of pages of a PDF that Qt wrote (-1 when it cannot be read).
#include <QByteArray>
#include <QFile>
#include <QString>

namespace jd::qt::testing {

inline int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = f.readAll();
    int pages = 0;
    for (qsizetype at = data.indexOf("/Type /Page"); at >= 0; at = data.indexOf("/Type /Page", at + 1))
        if (data.mid(at, 12) != "/Type /Pages") ++pages;
    return pages;
}

}  // namespace jd::qt::testing

#pragma once
// The two ishta ghatika converters on the screen: child windows of the frame
// showing the shared input panel, bound to the window's models.
#include <QWidget>

#include "qt/view_factory.h"

namespace jd {
class ConverterPanel;
}

namespace jd::qt {

class ConverterView : public QWidget {
    Q_OBJECT
public:
    explicit ConverterView(ConverterPanel& model, QWidget* parent = nullptr);
};

// Makes the two converters known to the program.
void defineConverterWindows(WindowRegistry& windows);

// Makes the frame show frm_BirthTimetoIshtaGhatika and
// frm_IshtaghatikaToBirthTime in a ConverterView each.
void addConverterViews(ViewFactory& views);

}  // namespace jd::qt

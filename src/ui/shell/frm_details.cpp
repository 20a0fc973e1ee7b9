#include "ui/shell/frm_details.h"

#include <string>

#include "calendar/calendar_errors.h"
#include "platform/database.h"
#include "platform/run_time_error.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// The columns of PersonalDetails, in their binding order (the report reads
// the same row).
constexpr std::array<const char*, 8> kColumns{"Name", "Address", "Address2", "City",
                                              "Country", "Zipcode", "Phone", "EMail"};

}  // namespace

frm_Details::frm_Details() : Window(kWindowName, kCaption) {
    setWidth(6360);
    setHeight(4920);

    // The boxes one below the other, each with its label on the left; the
    // second address line has none.
    constexpr double labelLeft = 240, boxLeft = 2160, boxWidth = 3720, rowHeight = 315, rowStep = 420;
    Label* labels[] = {&lblName, &lblAdd, nullptr, &lblCity, &lblCountry, &lblZip, &lblPhone, &lblEmail};
    double top = 240;
    for (size_t i = 0; i < kColumns.size(); ++i, top += rowStep) {
        if (labels[i]) labels[i]->move(labelLeft, top + 30, boxLeft - labelLeft - 60, rowHeight - 30);
        boxes()[i]->move(boxLeft, top, boxWidth, rowHeight);
    }
    double left = 480;
    for (CommandButton* b : {&cmdNew, &cmdEdit, &cmdSave, &CMDCANCEl}) {
        b->move(left, top + 180, 1200, 375);
        left += 1380;
    }

    // Until "&Edit" no typed character reaches a box; the boxes are also
    // locked, so neither the Delete key nor a paste changes them.
    for (TextBox* box : boxes())
        box->onKeyPress = [this](int& k) {
            if (!editing_) k = 0;
        };
    setEditing(false);

    cmdNew.onClick = [this] { cmdNew_Click(); };
    cmdEdit.onClick = [this] { cmdEdit_Click(); };
    cmdSave.onClick = [this] { cmdSave_Click(); };
    CMDCANCEl.onClick = [this] { CMDCANCEl_Click(); };
}

std::array<TextBox*, 8> frm_Details::boxes() {
    return {&txtName, &txtAdd, &txtAdd2, &txtCity, &txtCountry, &txtZip, &txtPhone, &txtEmail};
}

template <class F>
void frm_Details::trapped(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        if (MessageBox* box = services().messageBox) box->show(e.description(), MsgIcon::Critical);
    }
}

void frm_Details::setEditing(bool on) {
    editing_ = on;
    for (TextBox* box : boxes()) box->setLocked(!on);
}

void frm_Details::onLoad() {
    trapped([&] {
        move(2550, 0);
        setEditing(false);
        readStoredDetails();
    });
}

void frm_Details::readStoredDetails() {
    // The first row, as the report takes it; a missing value shows empty.
    Statement rs = sharedDatabase(closedConnection).query("SELECT * FROM PersonalDetails ORDER BY rowid LIMIT 1");
    if (!rs.step()) {
        txtName.setText(kDefaultName);
        for (TextBox* box : boxes())
            if (box != &txtName) box->setText("");
        return;
    }
    for (size_t i = 0; i < kColumns.size(); ++i) boxes()[i]->setText(rs.asText(kColumns[i]));
}

void frm_Details::cmdEdit_Click() {
    trapped([&] {
        setEditing(true);
        setFocus(txtName);
    });
}

void frm_Details::cmdNew_Click() {
    // Only the boxes are emptied, and they stay as editable as they were.
    // The stored details stay until Save replaces them: New is the first
    // button, and a press of Enter on it, or New and then Close, must not
    // lose them with no way back.
    for (TextBox* box : boxes()) box->setText("");
}

void frm_Details::cmdSave_Click() {
    trapped([&] {
        // The old row goes only together with the new one's arrival: a
        // failed insert leaves the stored details as they were.
        Database& db = sharedDatabase(closedConnection);
        {
            Transaction t(db);
            db.execute("DELETE FROM PersonalDetails");
            db.execute(
                "INSERT INTO PersonalDetails (Name, Address, Address2, City, Country, Zipcode, Phone, EMail) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                txtName.text(), txtAdd.text(), txtAdd2.text(), txtCity.text(), txtCountry.text(), txtZip.text(),
                txtPhone.text(), txtEmail.text());
            t.commit();
        }
        if (MessageBox* box = services().messageBox)
            box->show("Details Saved", MsgIcon::None, MsgButtons::OK, std::string(kCaption));
        unload();
        editing_ = false;
    });
}

void frm_Details::CMDCANCEl_Click() {
    trapped([&] { unload(); });
}

}  // namespace jd

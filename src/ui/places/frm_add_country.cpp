#include "ui/places/frm_add_country.h"

#include "platform/database.h"
#include "platform/text.h"
#include "ui/places/place_forms.h"

namespace jd {

frm_Add_Country::frm_Add_Country() : Window(kWindowName, kCaption) {
    setWidth(6360);
    setHeight(5400);
    layOut();

    TabStrip1.onClick = [this] { TabStrip1_Click(); };
    cmdAddSave.onClick = [this] { cmdAddSave_Click(); };
    cmdEditUpdate.onClick = [this] { cmdEditUpdate_Click(); };
    lstEditBox.onClick = [this] { lstEditBox_Click(); };
    cmdAddCLose.onClick = [this] { trapPlaceErrors(*this, [&] { unload(); }); };
    txtAddName.onKeyPress = [this](int& k) {
        if (k != key::Enter) return;
        k = 0;
        cmdAddSave_Click();
    };
    txtEdit.onKeyPress = [this](int& k) {
        if (k != key::Enter) return;
        k = 0;
        cmdEditUpdate_Click();
    };
    txtSearch.onKeyUp = [this](int& k, int) { search(lstboxAdd, txtSearch, k, "No Such Country Exists"); };
    txtEditSearch.onKeyUp = [this](int& k, int) { search(lstEditBox, txtEditSearch, k, "No Such Country  Exists"); };
}

// Positions in twips; the controls of a panel are placed inside its frame.
void frm_Add_Country::layOut() {
    TabStrip1.move(120, 120, 6000, 360);
    for (Frame* f : {&frameAdd, &frameEdit}) f->move(120, 480, 6000, 3840);
    const auto panel = [](Label& searchLabel, TextBox& searchBox, Label& listLabel, ListBox& list, Label& nameLabel,
                          TextBox& name, CommandButton& button) {
        searchLabel.move(3120, 260, 800, 285);
        searchBox.move(3960, 220, 1860, 315);
        listLabel.move(3120, 640, 2700, 285);
        list.move(3120, 940, 2700, 2700);
        nameLabel.move(120, 940, 1320, 285);
        name.move(1440, 900, 1560, 315);
        button.move(1800, 1440, 1200, 375);
    };
    panel(Label6, txtSearch, Label1, lstboxAdd, Label2, txtAddName, cmdAddSave);
    panel(Label3, txtEditSearch, Label4, lstEditBox, Label5, txtEdit, cmdEditUpdate);
    cmdAddCLose.move(4920, 4440, 1200, 375);
}

void frm_Add_Country::onLoad() {
    trapPlaceErrors(*this, [&] {
        move(2550, 0);
        FnFillCountryLists();
    });
}

bool frm_Add_Country::refuse(bool failed, const char* message, TextBox* focus) {
    return refuseEntry(*this, failed, message, MsgIcon::Information, focus);
}

void frm_Add_Country::FnFillCountryLists() {
    trapPlaceErrors(*this, [&] {
        lstboxAdd.clear();
        lstEditBox.clear();
        forEachCountryByName([&](const std::string& name, std::int32_t id) {
            lstboxAdd.addItem(name);
            lstEditBox.addItem(name, id);
        });
    });
}

namespace {

bool countryNameListed(Database& db, const std::string& name) {
    Statement rows = db.query("select CountryID from Country_Master where CountryName = ?", name);
    return rows.step();
}

}  // namespace

void frm_Add_Country::cmdAddSave_Click() {
    trapPlaceErrors(*this, [&] {
        const std::string name = trim(txtAddName.text());
        if (refuse(name.empty(), "Enter a Country Name", &txtAddName)) return;
        // The check and the insert are one unit; its refusal is shown after
        // the unit has ended, so no box holds the file meanwhile.
        Database& db = sharedDatabase();
        bool listed = false;
        {
            Transaction t(db);
            listed = countryNameListed(db, name);
            if (!listed) {
                db.execute("insert into Country_Master (CountryName, TimeZoneID) values (?, '')", name);
                t.commit();
            }
        }
        if (refuse(listed, "Country Name already Exists", &txtAddName)) return;
        placeMessage(*this, "Details Saved", MsgIcon::Information, std::string(kCaption));
        txtAddName.setText({});
        setFocus(txtAddName);
        FnFillCountryLists();
    });
}

void frm_Add_Country::cmdEditUpdate_Click() {
    trapPlaceErrors(*this, [&] {
        const std::string newName = trim(txtEdit.text());
        if (refuse(newName.empty(), "Enter the New Name", &txtEdit)) return;
        // Only the country the list shows selected is renamed: after a search
        // that found nothing, or after the lists were refilled, none is.
        if (refuse(lstEditBox.listIndex() < 0, "Select the Country to Modify", nullptr)) return;
        if (trim(lstEditBox.text()) == newName) {
            placeMessage(*this, "No Modifications Done", MsgIcon::Information, std::string(kCaption));
            txtEdit.setText({});
            setFocus(txtEdit);
            return;
        }
        Database& db = sharedDatabase();
        bool listed = false;
        {
            Transaction t(db);
            listed = countryNameListed(db, newName);
            // The name is stored as typed, blanks included.
            if (!listed) {
                if (db.execute("update Country_Master set CountryName = ? where CountryID = ?", txtEdit.text(),
                               selectedCountryId_) != 1)
                    throw placeRowGone("country");
                t.commit();
            }
        }
        if (refuse(listed, "Country Name already Exists", nullptr)) return;
        placeMessage(*this, "Successfully Updated", MsgIcon::Information, std::string(kCaption));
        txtEdit.setText({});
        setFocus(txtEdit);
        FnFillCountryLists();
    });
}

void frm_Add_Country::lstEditBox_Click() {
    trapPlaceErrors(*this, [&] {
        if (lstEditBox.listIndex() >= 0) selectedCountryId_ = lstEditBox.itemData(lstEditBox.listIndex());
        txtEdit.setText(lstEditBox.text());
    });
}

void frm_Add_Country::FnSearchListBox(ListBox& list, TextBox& searchBox) {
    trapPlaceErrors(*this, [&] {
        const std::string wanted = lowerAscii(trim(searchBox.text()));
        const int n = textLength(wanted);
        for (int i = 0; i < list.listCount(); ++i) {
            if (i > 0) list.setSelected(i - 1, false);
            if (lowerAscii(leftText(list.list(i), n)) == wanted) {
                list.setSelected(i, true);
                return;
            }
            list.setSelected(i, false);
        }
        // Nothing begins with the text: the search box keeps the focus, named
        // once, so a message the search shows next hands it over to retype.
        // Where an entry matched, the user goes on typing where the caret is.
        if (list.listCount() > 0) setFocus(searchBox);
    });
}

void frm_Add_Country::search(ListBox& list, TextBox& box, int keyCode, const char* notFound) {
    trapPlaceErrors(*this, [&] {
        if (list.listCount() == 0) return;
        FnSearchListBox(list, box);
        if (keyCode == key::Enter && lowerAscii(list.text()) != lowerAscii(trim(box.text())))
            placeMessage(*this, notFound, MsgIcon::Information, std::string(kCaption));
    });
}

void frm_Add_Country::TabStrip1_Click() {
    trapPlaceErrors(*this, [&] {
        if (TabStrip1.selectedIndex() == 1) {
            frameAdd.setVisible(true);
            frameEdit.setVisible(false);
            txtAddName.setText({});
            setFocus(txtAddName);
            lstboxAdd.clear();
            FnFillCountryLists();
        } else if (TabStrip1.selectedIndex() == 2) {
            frameAdd.setVisible(false);
            frameEdit.setVisible(true);
            txtEdit.setText({});
            setFocus(txtEdit);
            lstEditBox.clear();
            FnFillCountryLists();
            // The first country is chosen, so Update has one to rename.
            if (lstEditBox.listCount() > 0) lstEditBox.setListIndex(0);
            txtEdit.setText({});
        }
    });
}

}  // namespace jd

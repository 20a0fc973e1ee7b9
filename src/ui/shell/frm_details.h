#pragma once
// The personal-details window "Edit Personal Info": the user's own name,
// address, city, country, postal code, phone and e-mail, printed on the
// horoscope report. They live in the one row of table PersonalDetails.
// The window opens read-only; "&Edit" lets the boxes take typing, "&Save"
// replaces the stored row with the boxes' texts, "&New" empties the boxes
// (the stored row stays until "&Save"), "&Close" drops what was typed.
#include <array>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class frm_Details final : public Window {
public:
    static constexpr const char* kWindowName = "frm_Details";
    static constexpr const char* kCaption = "Edit Personal Info";
    // What the window shows while no details are stored.
    static constexpr const char* kDefaultName = "Orvanta Technologies Pvt Ltd";

    frm_Details();

    CommandButton cmdNew{"cmdNew", "&New"};
    CommandButton cmdEdit{"cmdEdit", "&Edit"};
    CommandButton cmdSave{"cmdSave", "&Save"};
    CommandButton CMDCANCEl{"CMDCANCEl", "&Close"};

    // The boxes in the order of the table's columns, each with the longest
    // text its column takes.
    Label lblName{"lblName", "Name"};
    TextBox txtName{"txtName", "", 50};
    Label lblAdd{"lblAdd", "Address"};
    TextBox txtAdd{"txtAdd", "", 30};
    TextBox txtAdd2{"txtAdd2", "", 30};
    Label lblCity{"lblCity", "City"};
    TextBox txtCity{"txtCity", "", 30};
    Label lblCountry{"lblCountry", "Country"};
    TextBox txtCountry{"txtCountry", "", 30};
    Label lblZip{"lblZip", "Pincode / Zipcode"};
    TextBox txtZip{"txtZip", "", 10};
    Label lblPhone{"lblPhone", "Phone"};
    TextBox txtPhone{"txtPhone", "", 30};
    Label lblEmail{"lblEmail", "E Mail"};
    TextBox txtEmail{"txtEmail", "", 50};

    // txtName .. txtEmail, in column order.
    std::array<TextBox*, 8> boxes();

    // True after "&Edit": the boxes take typed characters.
    bool editing() const { return editing_; }

    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void CMDCANCEl_Click();

protected:
    void onLoad() override;

private:
    template <class F>
    void trapped(F&& f);
    void setEditing(bool on);
    void readStoredDetails();

    bool editing_ = false;
};

}  // namespace jd

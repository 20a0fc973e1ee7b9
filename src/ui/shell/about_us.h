#pragma once
// The about box: the program's name, version and licence. It goes away with
// its OK button or as soon as another window takes the focus.
#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class frm_AboutUs final : public Window {
public:
    static constexpr const char* kWindowName = "frm_AboutUs";

    frm_AboutUs();

    Label lblProduct{"lblProduct", "Jataka Desk"};
    Label lblVersion{"lblVersion", "Version 0.1"};
    Label lblKind{"lblKind", "Vedic astrology software"};
    Label lblLicence{"lblLicence", "This is free software: you may use, study, share and change it."};
    Label lblRights{"lblRights", "Copyright (C) 2026 the Jataka Desk project"};
    CommandButton Command1{"Command1", "&OK"};

protected:
    void onLoad() override;
    void onDeactivate() override;

private:
    void close();
};

}  // namespace jd

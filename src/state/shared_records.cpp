#include "state/shared_records.h"

namespace jd {

namespace {
SharedState& instance() {
    static SharedState s;
    return s;
}
}  // namespace

SharedState& state() { return instance(); }

void resetState() { instance() = SharedState{}; }

}  // namespace jd

#include "horoscope/houses.h"

namespace jd {

void FnComputeBhavaTable() {}

}  // namespace jd

#pragma once
// The vimshottari dasa step of a chart: the nine dasas from the Moon's
// nakshatra at birth, the balance of the first dasa, the bhukthis of every
// dasa and the antaras of every bhukthi that ends after birth.

namespace jd {

// The dasa step of the chart computation: no arguments, no result. Fills the
// balance label and the three grids of Frm_Dasa. A run-time error is shown as
// its description followed by its number in a plain box and ends the step.
void FnComputeVimshottariDasa();

}  // namespace jd
